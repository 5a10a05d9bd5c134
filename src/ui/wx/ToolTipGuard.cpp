#include "ui/wx/ToolTipGuard.h"

#include <wx/app.h>
#include <wx/toplevel.h>

namespace quorvex {

ToolTipGuard::ToolTipGuard(wxWindow& mainWindow) : main_(mainWindow) {
    wxEvtHandler::AddFilter(this);
    Register();
}

ToolTipGuard::~ToolTipGuard() {
    Unregister();
    wxEvtHandler::RemoveFilter(this);
}

// Windows come and go with these two events; the hook below sees the modal boxes that the
// toolkit shows natively.
int ToolTipGuard::FilterEvent(wxEvent& event) {
    const wxEventType type = event.GetEventType();
    if (type == wxEVT_SHOW || type == wxEVT_DESTROY) {
        auto* window = dynamic_cast<wxWindow*>(event.GetEventObject());
        if (window != nullptr && window != &main_ && window->IsTopLevel()) {
            Update();
        }
    }
    return Event_Skip;
}

int ToolTipGuard::Enter(wxDialog*) {
    ++modalDepth_;
    Update();
    return wxID_NONE;
}

void ToolTipGuard::Exit(wxDialog*) {
    --modalDepth_;
    Update();
}

bool ToolTipGuard::OtherWindowOpen() const {
    for (wxWindow* window : wxTopLevelWindows) {
        if (window != &main_ && window->IsShown() && !window->IsBeingDeleted() &&
            !wxPendingDelete.Member(window)) {
            return true;
        }
    }
    return false;
}

void ToolTipGuard::Update() {
    const bool covered = modalDepth_ > 0 || OtherWindowOpen();
    if (covered && !suspended_) {
        Suspend(main_);
    } else if (!covered && suspended_) {
        Restore();
    }
    suspended_ = covered;
}

// Taking a control's tooltip away is what makes the toolkit withdraw one on the screen.
void ToolTipGuard::Suspend(wxWindow& window) {
    for (wxWindow* child : window.GetChildren()) {
        if (!child->IsTopLevel()) {
            Suspend(*child);
        }
    }
    if (window.GetToolTip() != nullptr) {
        kept_.emplace_back(&window, window.GetToolTipText());
        window.UnsetToolTip();
    }
}

// A control that got a new tooltip meanwhile keeps the new one.
void ToolTipGuard::Restore() {
    for (auto& [window, text] : kept_) {
        if (window && window->GetToolTip() == nullptr) {
            window->SetToolTip(text);
        }
    }
    kept_.clear();
}

}  // namespace quorvex
