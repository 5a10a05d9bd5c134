#include "ui/wx/DrivesWindow.h"

#include <wx/settings.h>
#include <wx/tooltip.h>
#include <wx/utils.h>

#include "ui/wx/WxEventPump.h"
#include "ui/wx/WxText.h"

namespace quorvex {

namespace {

constexpr int kWidth = 500;
constexpr int kHeight = 300;
constexpr int kButtonTop = kHeight - 30;
constexpr int kButtonHeight = 20;
constexpr int kIdleWait = 50;
// Mount points are longer than drive letters: they get the room a label would need less.
constexpr int kColumnWidths[] = {24, 140, 120, 80, 106};
constexpr const char* kColumnTitles[] = {"", "Lwk", "Dateisystem", "Name", "Seriennummer"};

}  // namespace

DrivesWindow::DrivesWindow(const std::string& incoming, const wxFont& font) : choice_(incoming) {
    if (!Create(nullptr, wxID_ANY, ToWx(DriveListingTitle(0)), wxDefaultPosition, wxDefaultSize,
                wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX, kWindowName)) {
        return;
    }
    SetClientSize(FromDIP(wxSize(kWidth, kHeight)));
    SetFont(font);
    BuildList();
    BuildButtons();
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
        if (event.CanVeto()) {
            event.Veto();
        }
        Finish(choice_.Closed());
    });
    CentreOnScreen();
}

void DrivesWindow::BuildList() {
    list_ = new wxListCtrl(this, wxID_ANY, FromDIP(wxPoint(10, 10)),
                           FromDIP(wxSize(kWidth - 20, kHeight - 50)),
                           wxLC_REPORT | wxLC_HRULES | wxLC_VRULES | wxLC_SINGLE_SEL);
    list_->EnableCheckBoxes();
    for (int column = 0; column < 5; ++column) {
        list_->AppendColumn(ToWx(kColumnTitles[column]), wxLIST_FORMAT_LEFT,
                            FromDIP(kColumnWidths[column]));
    }
    list_->Bind(wxEVT_LIST_ITEM_CHECKED,
                [this](wxListEvent& event) { OnRowChecked(event.GetIndex()); });
    list_->Bind(wxEVT_LIST_ITEM_UNCHECKED,
                [this](wxListEvent& event) { OnRowChecked(event.GetIndex()); });
    // The rows are drawn by an inner window on some toolkits; the mouse moves over that.
    list_->Bind(wxEVT_MOTION, [this](wxMouseEvent& event) { OnMouseOverList(event); });
    for (wxWindow* inner : list_->GetChildren()) {
        inner->Bind(wxEVT_MOTION, [this](wxMouseEvent& event) { OnMouseOverList(event); });
    }
}

void DrivesWindow::BuildButtons() {
    all_ = AddRuleButton("Alle", 10, 50, &DriveChoice::TickAll);
    none_ = AddRuleButton("Keine", 70, 50, &DriveChoice::TickNone);
    local_ = AddRuleButton("Lokale", 130, 50, &DriveChoice::TickLocal);
    hardDisks_ = AddRuleButton("Festplatten", 190, 60, &DriveChoice::TickHardDisks);
    network_ = AddRuleButton("Netzwerk", 260, 60, &DriveChoice::TickNetwork);
    accept_ =
        new wxButton(this, wxID_ANY, ToWx("Übernehmen"), FromDIP(wxPoint(kWidth - 160, kButtonTop)),
                     FromDIP(wxSize(150, kButtonHeight)), wxBORDER_NONE);
    accept_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Finish(choice_.Accepted()); });
}

wxButton* DrivesWindow::AddRuleButton(const char* label, int left, int width,
                                      void (DriveChoice::*rule)()) {
    auto* button = new wxButton(this, wxID_ANY, ToWx(label), FromDIP(wxPoint(left, kButtonTop)),
                                FromDIP(wxSize(width, kButtonHeight)), wxBORDER_NONE);
    button->Bind(wxEVT_BUTTON, [this, rule](wxCommandEvent&) {
        (choice_.*rule)();
        ShowTicks();
    });
    return button;
}

void DrivesWindow::AddDrive(const MountEntry& drive) {
    choice_.Add(drive);
    const long row = static_cast<long>(choice_.Count() - 1);
    list_->InsertItem(row, wxString());
    list_->SetItem(row, 1, ToWx(drive.mountPoint));
    list_->SetItem(row, 2, ToWx(DriveTypeText(drive.driveType)));
    list_->SetItem(row, 3, ToWx(drive.label));
    list_->SetItem(row, 4, ToWx(drive.uuid));
    if (!choice_.Tickable(row)) {
        list_->SetItemTextColour(row, wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT));
    }
    list_->CheckItem(row, choice_.Ticked(row));
    SetTitle(ToWx(DriveListingTitle(choice_.Count())));
}

void DrivesWindow::ShowTicks() {
    for (std::size_t row = 0; row < choice_.Count(); ++row) {
        const long item = static_cast<long>(row);
        if (list_->IsItemChecked(item) != choice_.Ticked(row)) {
            list_->CheckItem(item, choice_.Ticked(row));
        }
    }
}

// The window's record decides; a tick it refuses is taken back at once.
void DrivesWindow::OnRowChecked(long row) {
    if (row < 0 || static_cast<std::size_t>(row) >= choice_.Count()) {
        return;
    }
    choice_.SetTicked(row, list_->IsItemChecked(row));
    ShowTicks();
}

void DrivesWindow::OnMouseOverList(wxMouseEvent& event) {
    event.Skip();
    auto* over = static_cast<wxWindow*>(event.GetEventObject());
    const wxPoint point = list_->ScreenToClient(over->ClientToScreen(event.GetPosition()));
    int flags = 0;
    const long row = list_->HitTest(point, flags);
    std::string reason;
    if (row >= 0 && static_cast<std::size_t>(row) < choice_.Count()) {
        reason = DriveUntickableReason(choice_.Drive(row).mountPoint);
    }
    if (reason.empty()) {
        over->UnsetToolTip();
    } else if (over->GetToolTipText() != ToWx(reason)) {
        over->SetToolTip(ToWx(reason));
    }
}

void DrivesWindow::Finish(const std::string& result) {
    result_ = result;
    done_ = true;
}

std::string ChooseProtectedDrives(WxEventPump& pump, const DriveLister& listDrives,
                                  const std::string& title, const std::string& incoming,
                                  const wxFont& font) {
    auto* window = new DrivesWindow(incoming, font);
    if (!window->Built()) {
        window->Destroy();
        return incoming;
    }
    {
        wxWindowDisabler others(window);
        window->Show();
        pump.FlushAll();
        listDrives([&](const MountEntry& drive) {
            window->AddDrive(drive);
            pump.FlushAll();
        });
        window->SetTitle(ToWx(title));
        while (!window->Done()) {
            pump.DispatchOne(kIdleWait);
        }
        window->Hide();
    }
    const std::string result = window->Result();
    window->Destroy();
    pump.FlushAll();
    return result;
}

}  // namespace quorvex
