// The About box: the launcher's title and maker, and a link to the maker's web site.
#pragma once

#include <windows.h>

#include "framework/dialog.h"
#include "ui/hyperlink_button.h"

class AboutDialog : public Dialog {
  public:
    explicit AboutDialog(AppContext& context, HWND parent = nullptr);
    ~AboutDialog() override;

  protected:
    void DoDataExchange(DataExchange& exchange) override;
    BOOL OnInitDialog() override;

  private:
    // The web-site link (control 1030); its address and cursor are set when the dialog initialises.
    HyperlinkButton webSiteLink_;
};

// Runs a fresh About box over `parent`: a link clicked last time looks new again.
void ShowAboutBox(AppContext& context, HWND parent);
