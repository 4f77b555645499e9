// A link-style owner-drawn push button: underlined coloured text on the button face, a hand cursor and
// hover colour while the pointer is over the text, and a click that hands its address to the shell.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "framework/app_context.h"
#include "framework/control.h"

class HyperlinkButton : public Control {
  public:
    // A click shows the wait cursor and opens the address through the shell, both `context`'s.
    explicit HyperlinkButton(AppContext& context);
    ~HyperlinkButton() override;

    // What a click opens.
    std::string Url;
    // Shown over the text; while it is null the link ignores the mouse.
    HCURSOR HoverCursor = nullptr;

    bool OnReflectedDrawItem(const DRAWITEMSTRUCT& item) override;
    bool OnReflectedCommand(UINT notifyCode) override;

  protected:
    bool WantsOwnMessages() const override { return true; }
    std::optional<LRESULT> OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // Before and after a click alike: a visited link looks like a fresh one.
    static constexpr COLORREF NormalColor = RGB(0, 0, 192);
    static constexpr COLORREF PressedColor = RGB(255, 0, 0); // while the button is down
    static constexpr COLORREF HoverColor = RGB(192, 0, 192); // while the pointer is over the text
    const COLORREF BackgroundColor;                          // the button face, read once at construction
    AppContext& context_;

    int PressToggle = 0; // flips at every select redraw: press, then release
    int HasFocus = 0;
    int Hover = 0;

    // The text colour for an owner-draw action (ODA_*); 0 for a plain redraw.
    COLORREF PickColor(UINT action) const;
    // The rectangle the caption takes from the top-left corner of `area`: as high as its extent in `dc`'s
    // font, and 2 px wider.
    RECT TextRect(HDC dc, RECT area) const;
    // Fills behind the text (2 px wider than the text rectangle), draws the caption at the rectangle's
    // top-left corner and underlines it on the rectangle's last row, with the current colour and pen.
    void PaintLink(HDC dc, const RECT& textRect) const;
    // Paints the link in `color` outside a draw request, with the control's font.
    void RepaintLink(HDC dc, const RECT& textRect, COLORREF color) const;
    // True when `point` (client coordinates) lies on the text; `textRect` receives the text rectangle.
    bool HitTestText(POINT point, RECT& textRect) const;
    void TrackHover(POINT point);
};
