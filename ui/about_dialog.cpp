#include "ui/about_dialog.h"

#include "framework/application.h"
#include "res/resource.h"
#include "ui/launcher_dialog.h"

AboutDialog::AboutDialog(HWND parent) : Dialog(SKV_DLG_ABOUT, parent) {}

AboutDialog::~AboutDialog() = default;

const MessageMap* AboutDialog::GetMessageMap() const {
    // Nothing of its own: OK, Cancel and the link's click take the base routing.
    static const MessageMap map{Dialog::GetMessageMap(), nullptr, 0};
    return &map;
}

void AboutDialog::DoDataExchange(DataExchange& exchange) {
    Dialog::DoDataExchange(exchange);
    exchange.Attach(SKV_ID_LOGO, WebSiteLink);
}

BOOL AboutDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    WebSiteLink.HoverCursor = LoadCursorA(Application::Current().Instance(), MAKEINTRESOURCEA(SKV_CUR_LINK));
    WebSiteLink.Url = LoadResourceString(SKV_STR_WEB_SITE);
    return TRUE;
}

// A fresh About box for every showing: a link clicked last time looks new again.
void LauncherDialog::ShowAboutBox() {
    AboutDialog about(Handle());
    about.DoModal();
}
