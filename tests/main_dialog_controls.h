// The main dialog's controls as the launcher's template holds them: numeric id, class (lower case,
// the predefined classes by name), text ("#<number>" for a picture), full style and rectangle in
// dialog units. Written out independently of the resource script; the check of the raw template
// and the check of the running dialog both read these rows.
#pragma once

#include <windows.h>
#include <commctrl.h>

inline constexpr unsigned long kChild = WS_CHILD | WS_VISIBLE;
inline constexpr unsigned long kPush = kChild | BS_PUSHBUTTON | WS_TABSTOP;
inline constexpr unsigned long kCheck = kChild | BS_AUTOCHECKBOX | WS_TABSTOP;
inline constexpr unsigned long kGroupBox = kChild | BS_GROUPBOX | WS_GROUP;
inline constexpr unsigned long kLabel = kChild | SS_LEFT | WS_GROUP;
inline constexpr unsigned long kEdit = kChild | ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
inline constexpr unsigned long kSpin =
    kChild | UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS;
inline constexpr unsigned long kSlider = kChild | TBS_HORZ | TBS_BOTH | TBS_NOTICKS | WS_TABSTOP;
inline constexpr unsigned long kDropList = kChild | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
inline constexpr unsigned kNoId = 0xFFFF;

struct DialogControl {
    unsigned id;
    const char* cls;
    const char* text;
    unsigned long style;
    short x, y, cx, cy;
};

// The main dialog's 58 controls in template order, which is also the tab order.
inline constexpr DialogControl MainDialogControls[] = {
    {kNoId, "static", "#129", kChild | SS_BITMAP | SS_NOTIFY | WS_BORDER | WS_GROUP, 7, 7, 313, 38},
    {IDOK, "button", "Start", kChild | BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 328, 7, 55, 16},
    {IDCANCEL, "button", "Close", kPush, 328, 26, 55, 16},
    {1031, "button", "Reset", kPush, 328, 45, 55, 16},
    {1045, "button", "<--  Level", kPush, 328, 64, 55, 16},
    {1046, "button", "Display...", kPush, 328, 83, 55, 16},
    {1049, "button", "Location...", kPush, 328, 102, 55, 16},
    {57664, "button", "About...", kPush, 328, 121, 55, 16},
    {1043, "button", "Bug report...", kPush, 328, 200, 55, 16},
    {1030, "static", "#130", kChild | SS_BITMAP | SS_NOTIFY | SS_RIGHTJUST | WS_BORDER | WS_GROUP, 327, 221,
     55, 16},
    {1036, "button", "Commandline", kGroupBox, 7, 50, 100, 128},
    {1000, "button", " Debug mode ", kCheck | WS_GROUP, 14, 62, 61, 10},
    {1001, "button", " Pre-load Bots: ", kCheck, 14, 76, 64, 10},
    {1002, "button", " Grax ", kCheck, 26, 90, 35, 10},
    {1004, "button", " Tolmen ", kCheck, 26, 102, 42, 10},
    {1003, "button", " Vastor ", kCheck, 26, 114, 41, 10},
    {1005, "button", " Hurok ", kCheck, 26, 126, 47, 10},
    {1006, "button", " Hurgrax ", kCheck, 26, 138, 49, 10},
    {1007, "button", " Kolvane ", kCheck, 26, 150, 52, 10},
    {1008, "button", " Zimmit ", kCheck, 26, 162, 51, 10},
    {1037, "button", "Rendering", kGroupBox, 114, 50, 100, 72},
    {1010, "button", " Show Frames/sec. ", kCheck | WS_GROUP, 121, 62, 79, 10},
    {1011, "button", " Show Polygon count ", kCheck, 121, 76, 85, 10},
    {kNoId, "static", "Texture drawing: ", kLabel, 121, 91, 56, 10},
    {1009, "combobox", "", kDropList, 121, 102, 86, 64},
    {1038, "button", "General", kGroupBox, 220, 50, 100, 72},
    {1015, "button", " Verbose text reports ", kCheck | WS_GROUP, 227, 62, 83, 10},
    {1016, "button", " Toggle crouch ", kCheck, 227, 76, 66, 10},
    {1018, "button", " Extrapolation ", kCheck, 227, 90, 61, 10},
    {1017, "button", " Dopplershift ", kCheck, 227, 104, 57, 10},
    {1039, "button", "Motiontracker", kGroupBox, 114, 126, 100, 52},
    {kNoId, "static", "Volume: ", kLabel, 121, 140, 32, 10},
    {1023, "edit", "", kEdit, 156, 138, 48, 14},
    {1024, "msctls_updown32", "Spin3", kSpin, 202, 138, 12, 14},
    {kNoId, "static", "Speed: ", kLabel, 121, 160, 32, 10},
    {1025, "edit", "", kEdit, 156, 158, 48, 14},
    {1026, "msctls_updown32", "Spin4", kSpin, 202, 158, 12, 14},
    {1040, "button", "Scaling", kGroupBox, 220, 126, 100, 52},
    {kNoId, "static", "Time: ", kLabel, 227, 140, 32, 10},
    {1019, "edit", "", kEdit, 262, 138, 48, 14},
    {1021, "msctls_updown32", "Spin1", kSpin, 308, 138, 12, 14},
    {kNoId, "static", "Lean: ", kLabel, 227, 160, 32, 10},
    {1020, "edit", "", kEdit, 262, 158, 48, 14},
    {1022, "msctls_updown32", "Spin2", kSpin, 308, 158, 12, 14},
    {1041, "button", "Cheating", kGroupBox, 7, 182, 100, 56},
    {1012, "button", " All weapons ", kCheck | WS_GROUP, 14, 194, 58, 10},
    {1013, "button", " God-mode ", kCheck, 14, 208, 53, 10},
    {1014, "button", " Add light ", kCheck, 14, 222, 47, 10},
    {1042, "button", "Sky coloring", kGroupBox, 114, 182, 206, 56},
    {kNoId, "static", "Red: ", kLabel, 121, 194, 32, 10},
    {1027, "msctls_trackbar32", "Slider1", kSlider, 156, 194, 120, 10},
    {1033, "static", "Static", kLabel, 282, 194, 32, 10},
    {kNoId, "static", "Green: ", kLabel, 121, 208, 32, 10},
    {1028, "msctls_trackbar32", "Slider2", kSlider, 156, 208, 120, 10},
    {1034, "static", "Static", kLabel, 282, 208, 32, 10},
    {kNoId, "static", "Blue: ", kLabel, 121, 222, 32, 10},
    {1029, "msctls_trackbar32", "Slider3", kSlider, 156, 222, 120, 10},
    {1035, "static", "Static", kLabel, 282, 222, 32, 10},
};
static_assert(sizeof MainDialogControls / sizeof MainDialogControls[0] == 58, "one row per control");
