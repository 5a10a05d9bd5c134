#include "ui/wx/WxJobEditor.h"

#include <wx/utils.h>

#include "ui/wx/JobEditorWindow.h"
#include "ui/wx/MainWindow.h"
#include "ui/wx/WxEventPump.h"

namespace quorvex {

namespace {

constexpr int kIdleWait = 50;

// Events that queued up while a handler of the editor worked are dispatched without
// acting on them.
void FlushEditorEvents(JobEditorWindow& editor, WxEventPump& pump) {
    editor.Gate().SetFlushing(true);
    pump.FlushAll();
    editor.Gate().SetFlushing(false);
}

}  // namespace

bool WxJobEditor::Open(const std::string& title) {
    auto* editor = new JobEditorWindow(program_, fonts_, title);
    if (!editor->Built()) {
        editor->Destroy();
        return false;
    }
    WxEventPump pump(window_);
    {
        BusyScope busy(window_.Gate());
        wxWindowDisabler others(editor);
        editor->Show();
        pump.FlushAll();
        while (!editor->Done()) {
            editor->Gate().TakeHandled();
            pump.DispatchOne(kIdleWait);
            if (editor->Gate().TakeHandled() && !editor->Done()) {
                FlushEditorEvents(*editor, pump);
            }
        }
        editor->Hide();
    }
    editor->Destroy();
    pump.FlushAll();
    return true;
}

}  // namespace quorvex
