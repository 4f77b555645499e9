#include "ui/about_dialog.h"

#include "res/resource.h"

AboutDialog::AboutDialog(AppContext& context, HWND parent)
    : Dialog(context, SKV_DLG_ABOUT, parent), webSiteLink_(context) {}

AboutDialog::~AboutDialog() = default;

void AboutDialog::DoDataExchange(DataExchange& exchange) {
    Dialog::DoDataExchange(exchange);
    exchange.Attach(SKV_ID_ABOUT_LINK, webSiteLink_);
}

BOOL AboutDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    webSiteLink_.HoverCursor = LoadCursorA(Context().Instance(), MAKEINTRESOURCEA(SKV_CUR_LINK));
    webSiteLink_.Url = Context().ResourceString(SKV_STR_WEB_SITE);
    return TRUE;
}

void ShowAboutBox(AppContext& context, HWND parent) {
    AboutDialog about(context, parent);
    about.DoModal();
}
