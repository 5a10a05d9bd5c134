#include "ui/wx/InfoPage.h"

#include "config/ProductInfo.h"
#include "ui/Licence.h"
#include "ui/wx/PageLayout.h"
#include "ui/wx/WxText.h"

namespace quorvex {

namespace {

constexpr int kButtonHeight = 24;
constexpr int kTextHeight = 212;

}  // namespace

void OpenWebSite(WindowContext& context) {
    context.program.log.Debug("Button: WebSite");
    context.services.openExternal(kWebAddress);
}

InfoPage::InfoPage(wxWindow* parent, WindowContext& context) : wxPanel(parent), context_(context) {
    text_ = new wxTextCtrl(this, wxID_ANY, ToWx(context.program.settings.HelpText),
                           FromDIP(wxPoint(kPageLeft, RowTop(0))),
                           FromDIP(wxSize(kPageWidth, kTextHeight)),
                           wxTE_MULTILINE | wxTE_READONLY | wxTE_DONTWRAP);
    text_->SetFont(context.fonts.small);
    text_->SetInsertionPoint(0);
    text_->ShowPosition(0);

    const int top = RowTop(0) + kTextHeight + 6;
    const int third = kPageWidth / 3;
    licence_ = MakeButton(this, "Lizenz", "Hier können Sie die Lizenz von Quorvex v2.5 nachlesen",
                          kPageLeft, top, third - 4, kButtonHeight);
    homepage_ = MakeButton(this, "Homepage", "Zur Homepage", kPageLeft + third, top, third - 4,
                           kButtonHeight);
    forum_ = MakeButton(this, "Forum", "Zum Forum", kPageLeft + 2 * third, top, third - 2,
                        kButtonHeight);

    HandlerGate& gate = context_.gate;
    gate.Bind(licence_, wxEVT_BUTTON, [this](wxCommandEvent&) { OnLicence(); });
    gate.Bind(homepage_, wxEVT_BUTTON, [this](wxCommandEvent&) { OpenWebSite(context_); });
    gate.Bind(forum_, wxEVT_BUTTON, [this](wxCommandEvent&) {
        context_.program.log.Debug("Button: Forum");
        context_.services.openExternal(kForumAddress);
    });
}

void InfoPage::OnLicence() {
    context_.program.log.Debug("Button: Licence");
    if (!WriteLicenceFile(kLicenceFileName, context_.program.clock->DateNow())) {
        context_.program.dialogs->ShowMessage(LicenceFailureMessage(), "Quorvex",
                                              MessageIcon::Error);
        return;
    }
    context_.services.openExternal(kLicenceFileName);
}

}  // namespace quorvex
