#include "ui/hyperlink_button.h"

#include <windowsx.h>

#include "framework/handles.h"
#include "framework/window_text.h"

HyperlinkButton::HyperlinkButton(AppContext& context)
    : BackgroundColor(GetSysColor(COLOR_BTNFACE)), context_(context) {}

HyperlinkButton::~HyperlinkButton() = default;

COLORREF HyperlinkButton::PickColor(UINT action) const {
    if (action == ODA_SELECT)
        return PressToggle ? NormalColor : PressedColor;
    return Hover ? HoverColor : NormalColor;
}

RECT HyperlinkButton::TextRect(HDC dc, RECT area) const {
    const std::string caption = WindowText(Handle());
    SIZE extent{};
    GetTextExtentPointA(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    area.right = area.left + extent.cx + 2;
    area.bottom = area.top + extent.cy;
    return area;
}

void HyperlinkButton::PaintLink(HDC dc, const RECT& textRect) const {
    const std::string caption = WindowText(Handle());
    SetBkMode(dc, TRANSPARENT);
    RECT fill{textRect.left, textRect.top, textRect.right + 2, textRect.bottom};
    // A solid fill the way the old drawing contexts did it: an opaque empty text output.
    COLORREF previousBack = SetBkColor(dc, BackgroundColor);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &fill, nullptr, 0, nullptr);
    SetBkColor(dc, previousBack);
    TextOutA(dc, textRect.left, textRect.top, caption.c_str(), static_cast<int>(caption.size()));
    MoveToEx(dc, textRect.left, textRect.bottom - 1, nullptr);
    LineTo(dc, textRect.right, textRect.bottom - 1);
}

void HyperlinkButton::RepaintLink(HDC dc, const RECT& textRect, COLORREF color) const {
    {
        COLORREF previousText = SetTextColor(dc, color);
        PenHandle pen(CreatePen(PS_SOLID, 1, color));
        GdiSelection penSelection(dc, pen.Get());
        GdiSelection fontSelection(dc, reinterpret_cast<HGDIOBJ>(Send(WM_GETFONT)));
        PaintLink(dc, textRect);
        SetTextColor(dc, previousText);
    }
    if (HasFocus)
        DrawFocusRect(dc, &textRect);
}

bool HyperlinkButton::HitTestText(POINT point, RECT& textRect) const {
    RECT client{};
    GetClientRect(Handle(), &client);
    {
        WindowDC dc(Handle());
        GdiSelection fontSelection(dc.Get(), reinterpret_cast<HGDIOBJ>(Send(WM_GETFONT)));
        textRect = TextRect(dc.Get(), client);
    }
    return PtInRect(&textRect, point) != FALSE;
}

bool HyperlinkButton::OnReflectedDrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    COLORREF color = PickColor(item.itemAction);
    PenHandle pen(CreatePen(PS_SOLID, 1, color));
    const RECT textRect = TextRect(dc, item.rcItem);
    {
        GdiSelection penSelection(dc, pen.Get());
        COLORREF previousText = SetTextColor(dc, color);
        bool focused = (item.itemState & ODS_FOCUS) != 0;
        switch (item.itemAction) {
        case ODA_DRAWENTIRE:
            PaintLink(dc, textRect);
            if (focused)
                DrawFocusRect(dc, &textRect);
            break;
        case ODA_SELECT:
            PaintLink(dc, textRect);
            PressToggle = !PressToggle;
            if (focused)
                DrawFocusRect(dc, &textRect);
            break;
        case ODA_FOCUS:
            // DrawFocusRect inverts: the same call draws the rectangle and takes it away again.
            HasFocus = focused ? 1 : 0;
            DrawFocusRect(dc, &textRect);
            break;
        default:
            break;
        }
        SetTextColor(dc, previousText);
    }
    return true;
}

bool HyperlinkButton::OnReflectedCommand(UINT notifyCode) {
    if (notifyCode != BN_CLICKED)
        return false;
    WaitCursor wait(context_);
    // The shell's default action; whether it could open the address is not the link's concern.
    context_.OpenWithShell(Handle(), Url.c_str());
    return true;
}

void HyperlinkButton::TrackHover(POINT point) {
    WindowDC dc(Handle());
    RECT textRect{};
    if (HitTestText(point, textRect)) {
        // Holding the capture lets the link see the pointer leave the text.
        if (GetCapture() != Handle())
            SetCapture(Handle());
        SetCursor(HoverCursor);
        if (!Hover) {
            Hover = 1;
            RepaintLink(dc.Get(), textRect, HoverColor);
        }
    } else {
        ReleaseCapture();
        if (Hover) {
            Hover = 0;
            RepaintLink(dc.Get(), textRect, PickColor(0));
        }
    }
}

std::optional<LRESULT> HyperlinkButton::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE:
        if (HoverCursor)
            TrackHover(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return std::nullopt;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: // a fast second press is a press too
    case WM_LBUTTONUP:
        // Only a press on the text counts; anywhere else the button neither presses nor clicks.
        if (Hover)
            return std::nullopt;
        return 0;
    case WM_DESTROY: {
        LRESULT result = CallOriginal(message, wParam, lParam);
        ReleaseCapture();
        return result;
    }
    default:
        return std::nullopt;
    }
}
