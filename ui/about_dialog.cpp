#include "ui/about_dialog.h"

#include "framework/application.h"
#include "res/resource.h"

AboutDialog::AboutDialog(HWND parent) : Dialog(SKV_DLG_ABOUT, parent) {}

AboutDialog::~AboutDialog() = default;

void AboutDialog::DoDataExchange(DataExchange& exchange) {
    Dialog::DoDataExchange(exchange);
    exchange.Attach(SKV_ID_ABOUT_LINK, webSiteLink_);
}

BOOL AboutDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    webSiteLink_.HoverCursor = LoadCursorA(Application::Current().Instance(), MAKEINTRESOURCEA(SKV_CUR_LINK));
    webSiteLink_.Url = LoadResourceString(SKV_STR_WEB_SITE);
    return TRUE;
}

void ShowAboutBox(HWND parent) {
    AboutDialog about(parent);
    about.DoModal();
}
