#pragma once

#include <functional>
#include <string>

#include "platform/MountTable.h"
#include "program/Program.h"
#include "run/LongTermLoop.h"
#include "ui/BatchExport.h"
#include "ui/JobEditor.h"
#include "ui/wx/HandlerGate.h"
#include "ui/wx/WindowFonts.h"

namespace quorvex {

// What the main window calls outside itself. Tests replace the parts that would leave
// the process (browsers, folder dialogs) or that are not built yet.
struct WindowServices {
    // The run driver, called by "START!" for a run and by "Vorschau" for a preview.
    std::function<void(RunKind)> run;
    // The long-term loop, called by "START!" while the long-term box is ticked and at
    // start-up for -l.
    std::function<LongTermEnd()> longTermLoop;
    // Opens a document or web address (RunExternal).
    std::function<bool(const std::string&)> openExternal;
    // A folder selection dialog; the empty text when cancelled.
    std::function<std::string(const std::string& title, const std::string& start)> chooseFolder;
    // A file-save dialog; the empty text when cancelled.
    SaveFileChooser chooseSaveFile;
    // Whether SHIFT is held down at this moment.
    std::function<bool()> shiftDown;
    // The update check, called by "Updatecheck" and at start-up.
    std::function<void()> updateCheck;
    // The mounted drives the drives window offers.
    DriveLister listDrives;
    // The job editor; without one the main window brings its own window.
    JobEditor* jobEditor = nullptr;
};

// The default services: RunExternal, the toolkit's folder dialog, key state and the
// system's mount table.
WindowServices DefaultWindowServices();

// What every page of the main window works with.
struct WindowContext {
    Program& program;
    WindowServices& services;
    HandlerGate& gate;
    const WindowFonts& fonts;
};

}  // namespace quorvex
