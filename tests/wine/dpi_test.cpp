// The dialogs at the display scales players use. Wine takes the scale from LogPixels when a program
// starts, so the table runs this test again in a program of its own for each scale but 96, this program's
// own; at 144 that program also runs the tests of the dialogs (main dialog, display settings, About box),
// which must behave as at 96.
#include "harness.h"

#include <cmath>

#include "framework/application.h"
#include "ui/launcher_dialog.h"

using namespace harness;

namespace {

// The width of the image in the icon or cursor resource that the system picks for `size` pixels.
int ResourceImageFor(int id, bool icon, int size) {
    HINSTANCE instance = Application::Current().Instance();
    HRSRC group = FindResourceA(instance, MAKEINTRESOURCEA(id), icon ? RT_GROUP_ICON : RT_GROUP_CURSOR);
    const int image = LookupIconIdFromDirectoryEx(
        static_cast<BYTE*>(LockResource(LoadResource(instance, group))), icon, size, size, LR_DEFAULTCOLOR);
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(image), icon ? RT_ICON : RT_CURSOR);
    const BYTE* bits = static_cast<BYTE*>(LockResource(LoadResource(instance, found))) + (icon ? 0 : 4);
    return reinterpret_cast<const BITMAPINFOHEADER*>(bits)->biWidth;
}

// "WxH of WxH": a picture against its frame less the border.
std::string PictureInFrame(HWND dialog, HWND control, RECT frame) {
    BITMAP shown{};
    GetObjectA(reinterpret_cast<HGDIOBJ>(SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0)), sizeof shown,
               &shown);
    MapDialogRect(dialog, &frame);
    return std::to_string(shown.bmWidth) + "x" + std::to_string(shown.bmHeight) + " of " +
           std::to_string(frame.right - 2) + "x" + std::to_string(frame.bottom - 2);
}

// What the main dialog looks like in this program.
std::string Look() {
    std::string look;
    LauncherDialog main;
    RunModally(main, [&](HWND window) {
        RECT outer{}, banner{};
        GetWindowRect(window, &outer);
        GetWindowRect(GetWindow(window, GW_CHILD), &banner);
        LOGFONTA caption{}, text{};
        GetObjectA(reinterpret_cast<HGDIOBJ>(SendDlgItemMessageA(window, SKV_ID_GROUP_SKY, WM_GETFONT, 0, 0)),
                   sizeof caption, &caption);
        GetObjectA(reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof text, &text);
        const long width = outer.right - outer.left,
                   share = std::lround(100.0 * (banner.right - banner.left) / width);
        look = std::to_string(width) + "x" + std::to_string(outer.bottom - outer.top) + " | banner " +
               PictureInFrame(window, GetWindow(window, GW_CHILD), {0, 0, 313, 38}) + ", " +
               std::to_string(share) + "% | logo " +
               PictureInFrame(window, GetDlgItem(window, SKV_ID_LOGO), {0, 0, 55, 16}) + " | captions " +
               std::to_string(caption.lfWeight) + (caption.lfHeight == text.lfHeight ? ", text height" : "");
    });
    const int icon = GetSystemMetrics(SM_CXICON), cursor = GetSystemMetrics(SM_CXCURSOR);
    return look + " | icon " + std::to_string(icon) + "/" +
           std::to_string(ResourceImageFor(SKV_ICON_APP, true, icon)) + ", cursor " + std::to_string(cursor) +
           "/" + std::to_string(ResourceImageFor(SKV_CUR_LINK, false, cursor));
}

TEST(Dpi, EachScaleLooksLikeNinetySixScaled) {
    char scale[8] = {}, expected[512] = {};
    if (GetEnvironmentVariableA("SKV_DPI", scale, sizeof scale)) { // the program of one scale
        HDC screen = GetDC(nullptr);
        EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSX), std::stoi(scale));
        ReleaseDC(nullptr, screen);
        GetEnvironmentVariableA("SKV_LOOK", expected, sizeof expected);
        EXPECT_EQ(Look(), expected) << "at " << scale << " DPI";
        return;
    }
    // The window; the banner and the logo against their frames, and the banner's share of the window's
    // width; the captions' weight and height; the icon's and the cursor's sizes against the image the
    // program holds for them. Under Wine, MS Sans Serif has no larger size than at 144 DPI.
    const std::pair<DWORD, const char*> rows[] = {
        {120, "786x520 | banner 624x74 of 624x74, 79% | logo 108x30 of 108x30 | captions 700, text height | "
              "icon 40/40, cursor 32/32"},
        {144, "884x647 | banner 702x93 of 702x93, 79% | logo 122x38 of 122x38 | captions 700, text height | "
              "icon 48/48, cursor 48/48"},
        {192, "884x656 | banner 702x93 of 702x93, 79% | logo 122x38 of 122x38 | captions 700, text height | "
              "icon 64/64, cursor 64/64"},
        {96, "591x423 | banner 468x60 of 468x60, 79% | logo 81x24 of 81x24 | captions 700, text height | "
             "icon 32/32, cursor 32/32"},
    };
    const std::pair<HKEY, const char*> scaleKeys[] = {
        {HKEY_CURRENT_USER, "Control Panel\\Desktop"},
        {HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts"}};
    for (const auto& [dpi, look] : rows) {
        for (const auto& [root, key] : scaleKeys)
            SetValue(root, key, "LogPixels", REG_DWORD, Dword(dpi));
        if (dpi == 96) { // this program's own scale; the registry holds it again for the programs after
            EXPECT_EQ(Look(), look) << "at 96 DPI";
            continue;
        }
        EXPECT_EQ(RunAgain("SKV_DPI=" + std::to_string(dpi) + " SKV_LOOK='" + look + "'",
                           dpi == 144 ? "Dpi.*:MainDialog.*:DisplayDialog.*:Links.*" : "Dpi.*", 120),
                  0)
            << "the tests at " << dpi << " DPI";
    }

    // The launcher declares itself aware of the scale, and nothing else (Wine treats every program as aware).
    HMODULE launcher = LoadLibraryExA(LauncherExe, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC declared = FindResourceA(launcher, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_TRUE(declared);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(launcher, declared))),
                               SizeofResource(launcher, declared));
    FreeLibrary(launcher);
    EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos) << manifest;
    EXPECT_EQ(manifest.find("trustInfo"), std::string::npos) << "no execution level";
    EXPECT_EQ(manifest.find("dependency"), std::string::npos) << "no other common controls";
}

} // namespace
