#include <wx/dialog.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "GuiTestSupport.h"

namespace quorvex::test {
namespace {

wxDialog* OpenDialog() {
    for (wxWindow* window : wxTopLevelWindows) {
        auto* dialog = dynamic_cast<wxDialog*>(window);
        if (dialog != nullptr && dialog->IsModal()) {
            return dialog;
        }
    }
    return nullptr;
}

wxTextCtrl* FieldOf(wxDialog* dialog) {
    for (wxWindow* child : dialog->GetChildren()) {
        if (auto* field = dynamic_cast<wxTextCtrl*>(child)) {
            return field;
        }
    }
    return nullptr;
}

class WxUserDialogsTest : public GuiTest {};

TEST_F(WxUserDialogsTest, BeforeTheWindowsTheFallbackAnswers) {
    recorded.textAnswers = {"geheim"};
    dialogs.ShowMessage("Hallo", "Quorvex", MessageIcon::Error);
    EXPECT_EQ(dialogs.AskText("Titel", "Frage", "Vorschlag"), "geheim");
    ASSERT_EQ(recorded.messages.size(), 1u);
    EXPECT_EQ(recorded.messages[0].icon, MessageIcon::Error);
}

TEST_F(WxUserDialogsTest, TheInputWindowTakesTheTypedTextOnEnterAndNothingOnEscape) {
    dialogs.UseWindows(nullptr);
    std::string title;
    wxSize size;
    Later typing(300, [&]() {
        wxDialog* dialog = OpenDialog();
        ASSERT_NE(dialog, nullptr);
        title = std::string(dialog->GetTitle().utf8_str());
        size = dialog->ToDIP(dialog->GetClientSize());
        wxTextCtrl* field = FieldOf(dialog);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(std::string(field->GetValue().utf8_str()), "Source_1");
        field->ChangeValue(wxString::FromUTF8("Größe"));
        wxCommandEvent enter(wxEVT_TEXT_ENTER, field->GetId());
        enter.SetEventObject(field);
        field->GetEventHandler()->ProcessEvent(enter);
    });
    EXPECT_EQ(dialogs.AskText("Neuen Ordner anlegen", "/daten/", "Source_1"), "Größe");
    EXPECT_EQ(title, "Neuen Ordner anlegen");
    EXPECT_EQ(size, wxSize(300, 130));

    // Keys go to the window under the pointer where no window manager hands out the focus.
    Later pointer(200, []() {
        wxUIActionSimulator().MouseMove(OpenDialog()->GetScreenRect().GetPosition() +
                                        wxPoint(150, 20));
    });
    Later escape(500, []() {
        FieldOf(OpenDialog())->ChangeValue("getippt");
        wxUIActionSimulator().Char(WXK_ESCAPE);
    });
    // Had ESC done nothing, "OK" would end the wait with the typed text.
    Later watchdog(3000, []() {
        if (wxDialog* dialog = OpenDialog()) {
            dialog->EndModal(wxID_OK);
        }
    });
    EXPECT_EQ(dialogs.AskText("Quorvex - Passwortabfrage", "Bitte geben Sie das Passwort ein", ""),
              "");
    dialogs.UseFallback();
}

}  // namespace
}  // namespace quorvex::test
