// The launcher's resources as built into SkvLauncher.exe: every string byte for byte, the level menu,
// the dialog templates control by control, the texture list's initialisation data, and the pictures'
// sizes and colour depths. The exe is loaded as a data file and its raw resources are parsed here.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/main_dialog_controls.h"

namespace {

// SkvLauncher.exe lies in the build folder, one level above the test programs.
std::string LauncherPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.erase(folder.find_last_of("\\/") + 1);
    return folder + "..\\SkvLauncher.exe";
}

class Resources : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        launcher = LoadLibraryExA(LauncherPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    static void TearDownTestSuite() {
        if (launcher)
            FreeLibrary(launcher);
        launcher = nullptr;
    }
    void SetUp() override { ASSERT_NE(launcher, nullptr) << "cannot load " << LauncherPath(); }

    // The bytes of one resource, or an empty vector when it is missing.
    static std::vector<unsigned char> Raw(LPCSTR type, int id) {
        HRSRC found = FindResourceA(launcher, MAKEINTRESOURCEA(id), type);
        if (!found)
            return {};
        HGLOBAL loaded = LoadResource(launcher, found);
        auto* bytes = static_cast<const unsigned char*>(LockResource(loaded));
        return std::vector<unsigned char>(bytes, bytes + SizeofResource(launcher, found));
    }

    static HMODULE launcher;
};
HMODULE Resources::launcher = nullptr;

// Little-endian reader over a resource, with the string and ordinal forms used by templates.
class Reader {
  public:
    explicit Reader(const std::vector<unsigned char>& bytes) : bytes_(bytes) {}
    size_t Offset() const { return at_; }
    size_t Left() const { return bytes_.size() - at_; }
    void AlignTo4() { at_ = (at_ + 3) & ~size_t(3); }
    unsigned Word() { return Take(2); }
    unsigned long Dword() { return Take(4); }
    short Short() { return static_cast<short>(Word()); }
    std::string Wide() {
        std::string text;
        for (unsigned c = Word(); c != 0; c = Word())
            text += c < 128 ? static_cast<char>(c) : '?';
        return text;
    }
    // A name or ordinal: ordinals come back as "#<number>".
    std::string NameOrOrdinal() {
        if (Peek() == 0xFFFF) {
            Word();
            return "#" + std::to_string(Word());
        }
        return Wide();
    }
    std::string Ansi() {
        std::string text;
        while (at_ < bytes_.size() && bytes_[at_] != 0)
            text += static_cast<char>(bytes_[at_++]);
        at_++;
        return text;
    }
    void Skip(size_t count) { at_ += count; }

  private:
    unsigned Peek() const { return at_ + 2 <= bytes_.size() ? bytes_[at_] | bytes_[at_ + 1] << 8 : 0; }
    unsigned long Take(int size) {
        unsigned long value = 0;
        for (int i = 0; i < size; ++i)
            value |= static_cast<unsigned long>(at_ + i < bytes_.size() ? bytes_[at_ + i] : 0) << (8 * i);
        at_ += size;
        if (at_ > bytes_.size())
            ADD_FAILURE() << "read past the end of the resource";
        return value;
    }
    const std::vector<unsigned char>& bytes_;
    size_t at_ = 0;
};

struct DialogItem {
    unsigned id;
    std::string cls;  // lower case; the predefined classes' ordinals are given as names
    std::string text; // "#<number>" for an image resource ordinal
    unsigned long style;
    unsigned long exStyle;
    short x, y, cx, cy;
};

struct DialogTemplate {
    unsigned long style = 0, exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::string menu, windowClass, caption, font;
    unsigned pointSize = 0;
    std::vector<DialogItem> items;
};

std::string ClassName(std::string name) {
    static const char* const predefined[] = {"button", "edit", "static", "listbox", "scrollbar", "combobox"};
    if (name.size() > 1 && name[0] == '#') {
        unsigned ordinal = std::stoul(name.substr(1));
        if (ordinal >= 0x80 && ordinal <= 0x85)
            return predefined[ordinal - 0x80];
    }
    for (char& c : name)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return name;
}

// Parses a dialog template in either the classic or the extended layout.
DialogTemplate ParseDialog(const std::vector<unsigned char>& bytes) {
    DialogTemplate dialog;
    Reader in(bytes);
    const bool extended =
        bytes.size() >= 4 && bytes[0] == 1 && bytes[1] == 0 && bytes[2] == 0xFF && bytes[3] == 0xFF;
    unsigned count;
    if (extended) {
        in.Skip(8); // version, signature, help id
        dialog.exStyle = in.Dword();
        dialog.style = in.Dword();
    } else {
        dialog.style = in.Dword();
        dialog.exStyle = in.Dword();
    }
    count = in.Word();
    dialog.x = in.Short(), dialog.y = in.Short(), dialog.cx = in.Short(), dialog.cy = in.Short();
    dialog.menu = in.NameOrOrdinal();
    dialog.windowClass = in.NameOrOrdinal();
    dialog.caption = in.Wide();
    if (dialog.style & (DS_SETFONT | DS_FIXEDSYS)) {
        dialog.pointSize = in.Word();
        if (extended)
            in.Skip(4); // weight, italic, character set
        dialog.font = in.Wide();
    }
    for (unsigned i = 0; i < count && in.Left() > 0; ++i) {
        in.AlignTo4();
        DialogItem item{};
        if (extended) {
            in.Skip(4); // help id
            item.exStyle = in.Dword();
            item.style = in.Dword();
        } else {
            item.style = in.Dword();
            item.exStyle = in.Dword();
        }
        item.x = in.Short(), item.y = in.Short(), item.cx = in.Short(), item.cy = in.Short();
        item.id = extended ? in.Dword() : in.Word();
        item.cls = ClassName(in.NameOrOrdinal());
        item.text = in.NameOrOrdinal();
        in.Skip(in.Word()); // creation data
        dialog.items.push_back(item);
    }
    return dialog;
}

const DialogControl kDisplayItems[] = {
    {IDOK, "button", "OK", kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, 177, 7, 50, 14},
    {IDCANCEL, "button", "Cancel", kPush, 177, 24, 50, 14},
    {kNoId, "static", "DirectDraw Device:", kChild | SS_LEFT, 7, 7, 80, 10},
    {1047, "combobox", "", kDropList, 7, 18, 160, 80},
    {kNoId, "static", "Resolution:", kChild | SS_LEFT, 7, 39, 80, 10},
    {1048, "combobox", "", kDropList, 7, 50, 160, 80},
};

const DialogControl kAboutItems[] = {
    {IDOK, "button", "OK", kChild | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 187, 7, 32, 14},
    {kNoId, "static", "#128", kChild | SS_ICON, 7, 7, 20, 20},
    {kNoId, "static",
     "Skarnvale Launcher (BETA 2)\nCopyright (C) 2026 Harbeck Interactive\nHarbeck Interactive",
     kChild | SS_LEFT | SS_NOPREFIX, 40, 7, 140, 27},
    {kNoId, "static", "Visit us on the Internet:", kChild | SS_LEFT, 40, 40, 140, 10},
    {1030, "button", "http://www.harbeck-games.example/", kChild | BS_OWNERDRAW | WS_TABSTOP, 40, 52, 140,
     12},
};

struct ExpectedDialog {
    int resource;
    const char* caption;
    unsigned long style, exStyle;
    short cx, cy;
    const DialogControl* items;
    size_t count;
};

const ExpectedDialog kDialogs[] = {
    {SKV_DLG_MAIN, "Skarnvale Launcher (BETA 2)",
     WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK | DS_SETFONT |
         DS_SETFOREGROUND | DS_CONTEXTHELP,
     WS_EX_APPWINDOW | WS_EX_CONTEXTHELP, 390, 245, MainDialogControls, std::size(MainDialogControls)},
    {SKV_DLG_DISPLAY, "Display settings", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0,
     234, 70, kDisplayItems, std::size(kDisplayItems)},
    {SKV_DLG_ABOUT, "Program information", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0,
     226, 71, kAboutItems, std::size(kAboutItems)},
};

TEST_F(Resources, DialogTemplatesHoldExactlyTheirControls) {
    for (const ExpectedDialog& expected : kDialogs) {
        SCOPED_TRACE("dialog " + std::to_string(expected.resource));
        std::vector<unsigned char> bytes = Raw(RT_DIALOG, expected.resource);
        ASSERT_FALSE(bytes.empty());
        DialogTemplate dialog = ParseDialog(bytes);
        EXPECT_EQ(dialog.style, expected.style);
        EXPECT_EQ(dialog.exStyle, expected.exStyle);
        EXPECT_EQ(dialog.x, 0);
        EXPECT_EQ(dialog.y, 0);
        EXPECT_EQ(dialog.cx, expected.cx);
        EXPECT_EQ(dialog.cy, expected.cy);
        EXPECT_EQ(dialog.menu, "");
        EXPECT_EQ(dialog.windowClass, "");
        EXPECT_EQ(dialog.caption, expected.caption);
        EXPECT_EQ(dialog.pointSize, 8u);
        EXPECT_EQ(dialog.font, "MS Sans Serif");
        ASSERT_EQ(dialog.items.size(), expected.count);
        for (size_t i = 0; i < expected.count; ++i) {
            const DialogControl& want = expected.items[i];
            const DialogItem& got = dialog.items[i];
            SCOPED_TRACE("control #" + std::to_string(i + 1) + " \"" + want.text + "\"");
            EXPECT_EQ(got.id, want.id);
            EXPECT_EQ(got.cls, want.cls);
            EXPECT_EQ(got.text, want.text);
            EXPECT_EQ(got.style, want.style)
                << std::hex << "got 0x" << got.style << ", want 0x" << want.style;
            EXPECT_EQ(got.exStyle, 0ul);
            EXPECT_EQ(got.x, want.x);
            EXPECT_EQ(got.y, want.y);
            EXPECT_EQ(got.cx, want.cx);
            EXPECT_EQ(got.cy, want.cy);
        }
    }
}

// Each up-down takes the control created just before it as its buddy: that must be its edit box.
TEST_F(Resources, EveryUpDownFollowsItsEditBox) {
    const struct {
        unsigned spin, edit;
    } pairs[] = {{SKV_ID_VOLUME_SPIN, SKV_ID_VOLUME_EDIT},
                 {SKV_ID_SPEED_SPIN, SKV_ID_SPEED_EDIT},
                 {SKV_ID_TIME_SPIN, SKV_ID_TIME_EDIT},
                 {SKV_ID_LEAN_SPIN, SKV_ID_LEAN_EDIT}};
    DialogTemplate dialog = ParseDialog(Raw(RT_DIALOG, SKV_DLG_MAIN));
    for (const auto& pair : pairs) {
        SCOPED_TRACE("up-down " + std::to_string(pair.spin));
        size_t at = 0;
        while (at < dialog.items.size() && dialog.items[at].id != pair.spin)
            ++at;
        ASSERT_LT(at, dialog.items.size());
        ASSERT_GT(at, 0u);
        EXPECT_EQ(dialog.items[at - 1].id, pair.edit);
        EXPECT_EQ(dialog.items[at - 1].cls, "edit");
    }
}

TEST_F(Resources, TextureListItemsTravelAsDialogInitData) {
    std::vector<unsigned char> bytes = Raw(MAKEINTRESOURCEA(240), SKV_DLG_MAIN);
    ASSERT_FALSE(bytes.empty());
    const char* const items[] = {"Full textures", "Only objects", "Only environment", "No textures"};
    Reader in(bytes);
    for (const char* item : items) {
        SCOPED_TRACE(item);
        EXPECT_EQ(in.Word(), unsigned(SKV_ID_WIREFRAME));
        EXPECT_EQ(in.Word(), 0x0403u); // add a string to a combo box
        unsigned long length = in.Dword();
        EXPECT_EQ(length, std::strlen(item) + 1);
        size_t start = in.Offset();
        EXPECT_EQ(in.Ansi(), item);
        EXPECT_EQ(in.Offset() - start, length);
    }
    EXPECT_EQ(in.Word(), 0u) << "the list ends with a zero word";
    while (in.Left() > 0 && in.Left() < 4)
        EXPECT_EQ(in.Word() & 0xFF, 0u);
    EXPECT_EQ(in.Left(), 0u);
    EXPECT_TRUE(Raw(MAKEINTRESOURCEA(240), SKV_DLG_DISPLAY).empty());
    EXPECT_TRUE(Raw(MAKEINTRESOURCEA(240), SKV_DLG_ABOUT).empty());
}

TEST_F(Resources, StringTableHoldsEveryTextExactly) {
    const struct {
        unsigned id;
        const char* text;
    } strings[] = {
        {100, "Harbeck\\Skv Launcher"},
        {101, "&About..."},
        {102,
         "ERROR: Cannot find Skarnvale on your computer.\nPlease locate the file 'SKV.EXE' in the following "
         "Dialog."},
        {103, "Executable Files|*.exe|All Files|*.*||||"},
        {104, "http://www.harbeck-games.example/"},
        {57344, "Skarnvale Launcher (BETA 2)"},
        {61446, "an unnamed file"},
        {61856, "No error occurred."},
        {61857, "An unknown error occurred while accessing %1."},
        {61858, "%1 was not found."},
        {61859, "%1 contains an invalid path."},
        {61860, "%1 could not be opened because there are too many open files."},
        {61861, "Access to %1 was denied."},
        {61862, "An invalid file handle was associated with %1."},
        {61863, "%1 could not be removed because it is the current directory."},
        {61864, "%1 could not be created because the directory is full."},
        {61865, "Seek failed on %1"},
        {61866, "A hardware I/O error was reported while accessing %1."},
        {61867, "A sharing violation occurred while accessing %1."},
        {61868, "A locking violation occurred while accessing %1."},
        {61869, "Disk full while accessing %1."},
        {61870, "An attempt was made to access %1 past its end."},
    };
    for (const auto& entry : strings) {
        SCOPED_TRACE(entry.id);
        char buffer[512];
        int length = LoadStringA(launcher, entry.id, buffer, sizeof buffer);
        EXPECT_EQ(std::string(buffer, length > 0 ? length : 0), entry.text);
    }
    // Neighbours that must stay empty: nothing beyond the fifteen file-error messages and the five texts.
    for (unsigned id : {99u, 105u, 61855u, 61871u}) {
        char buffer[16];
        EXPECT_EQ(LoadStringA(launcher, id, buffer, sizeof buffer), 0) << id;
    }
}

// The level menu flattened to one line per item: indent by depth, then "-" for a separator,
// "[label]" for a popup or "label #id" for a command.
void Flatten(HMENU menu, int depth, std::vector<std::string>& lines) {
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char label[128] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = label;
        info.cch = sizeof label;
        ASSERT_TRUE(GetMenuItemInfoA(menu, i, TRUE, &info));
        std::string line(2 * depth, ' ');
        if (info.fType & MFT_SEPARATOR) {
            EXPECT_EQ(info.fType, unsigned(MFT_SEPARATOR));
            lines.push_back(line + "-");
        } else if (info.hSubMenu) {
            EXPECT_EQ(info.fType, unsigned(MFT_STRING)) << label;
            EXPECT_EQ(info.fState, 0u) << label << ": enabled, unchecked, not default";
            lines.push_back(line + "[" + label + "]");
            Flatten(info.hSubMenu, depth + 1, lines);
        } else {
            EXPECT_EQ(info.fType, unsigned(MFT_STRING)) << label;
            EXPECT_EQ(info.fState, 0u) << label << ": enabled, unchecked, not default";
            lines.push_back(line + label + " #" + std::to_string(info.wID));
        }
    }
}

TEST_F(Resources, LevelMenuHasOnePopupWithTheCampaignsAndNoLevel) {
    const char* const campaigns[][12] = {
        {"Level 1 - Ossary", "Level 2 - Runnel", "Level 3 - Velmaro", "Level 4 - Portsend",
         "Level 5 - Loamward", nullptr, "Bonus 1 - Tavvix", "Bonus 2 - Hulkmoor", "Bonus 3 - Quessara",
         "Bonus 4 - Grottel", "Bonus 5 - Pyrewall 288"},
        {"Level 1 - Hulkmoor", "Level 2 - Settlem", "Level 3 - Tavvix", "Level 4 - Highring",
         "Level 5 - Quessara", "Level 6 - Baydock", nullptr, "Bonus 1 - Ossary", "Bonus 2 - Cofferd",
         "Bonus 3 - Velmaro", "Bonus 4 - Portsend", "Bonus 5 - Spillway"},
        {"Level 1 - Spillway", "Level 2 - Zone 71", "Level 3 - Cofferd", "Level 4 - Pyrewall 288",
         "Level 5 - Grottel", "Level 6 - Skirmel", nullptr, "Bonus 1 - Tavvix", "Bonus 2 - Runnel",
         "Bonus 3 - Ossary", "Bonus 4 - Loamward", "Bonus 5 - Quessara"},
    };
    const char* const campaignNames[] = {"Grax", "Vastor", "Hurok"};
    const char* const deathmatch[] = {"Culvara", "Carnath", "Effigon", "Rydex", "Nestra"};
    const char* const coop[] = {"Culvara", "Rydex", "Castoff", "Nestra", "Snarewood"};

    std::vector<std::string> expected = {"[POPUP]"};
    unsigned command = SKV_CMD_LEVEL_FIRST;
    for (int c = 0; c < 3; ++c) {
        expected.push_back(std::string("  [") + campaignNames[c] + "]");
        size_t items = c == 0 ? 11 : 12;
        for (size_t i = 0; i < items; ++i)
            expected.push_back(campaigns[c][i]
                                   ? "    " + std::string(campaigns[c][i]) + " #" + std::to_string(command++)
                                   : "    -");
    }
    expected.push_back("  -");
    expected.push_back("  [Deathmatch]");
    for (const char* label : deathmatch)
        expected.push_back("    " + std::string(label) + " #" + std::to_string(command++));
    expected.push_back("  [Coop]");
    for (const char* label : coop)
        expected.push_back("    " + std::string(label) + " #" + std::to_string(command++));
    expected.push_back("  -");
    expected.push_back("  No Level #" + std::to_string(command++));
    ASSERT_EQ(command, SKV_CMD_NO_LEVEL + 1u) << "the table covers commands 32771 to 32813";

    // The template itself: every item's flags say only "popup" or "last item", no state.
    std::vector<unsigned char> bytes = Raw(RT_MENU, SKV_MENU_LEVELS);
    Reader in(bytes);
    EXPECT_EQ(in.Dword(), 0ul) << "a plain menu template";
    size_t items = 0;
    while (in.Left() > 0) {
        unsigned flags = in.Word();
        unsigned id = flags & MF_POPUP ? 0 : in.Word();
        std::string label = in.Wide();
        EXPECT_EQ(flags & ~unsigned(MF_POPUP | MF_END), 0u) << label << " #" << id;
        ++items;
    }
    EXPECT_EQ(items, expected.size());

    HMENU menu = LoadMenuA(launcher, MAKEINTRESOURCEA(SKV_MENU_LEVELS));
    ASSERT_NE(menu, nullptr);
    std::vector<std::string> lines;
    Flatten(menu, 0, lines);
    DestroyMenu(menu);
    EXPECT_EQ(lines, expected);
}

struct BitmapHeader {
    long width = 0, height = 0;
    unsigned planes = 0, bits = 0;
    unsigned long compression = ~0ul, colours = 0;
};

BitmapHeader ReadBitmapHeader(Reader& in) {
    BitmapHeader header;
    EXPECT_EQ(in.Dword(), 40ul) << "a plain BITMAPINFOHEADER";
    header.width = static_cast<long>(in.Dword());
    header.height = static_cast<long>(in.Dword());
    header.planes = in.Word();
    header.bits = in.Word();
    header.compression = in.Dword();
    in.Skip(12); // image size, resolution
    header.colours = in.Dword();
    in.Skip(4);
    return header;
}

TEST_F(Resources, BitmapsAre256ColourPicturesOfTheirSize) {
    const struct {
        int id;
        long width, height;
    } bitmaps[] = {{SKV_BMP_BANNER, 468, 60}, {SKV_BMP_LOGO, 81, 24}};
    for (const auto& bitmap : bitmaps) {
        SCOPED_TRACE("bitmap " + std::to_string(bitmap.id));
        std::vector<unsigned char> bytes = Raw(RT_BITMAP, bitmap.id);
        ASSERT_GE(bytes.size(), 40u);
        Reader in(bytes);
        BitmapHeader header = ReadBitmapHeader(in);
        EXPECT_EQ(header.width, bitmap.width);
        EXPECT_EQ(header.height, bitmap.height) << "bottom-up rows";
        EXPECT_EQ(header.planes, 1u);
        EXPECT_EQ(header.bits, 8u);
        EXPECT_EQ(header.compression, static_cast<unsigned long>(BI_RGB));
        unsigned long colours = header.colours ? header.colours : 256;
        EXPECT_LE(colours, 256ul);
        size_t stride = (bitmap.width + 3) & ~3;
        EXPECT_EQ(bytes.size(), 40 + 4 * colours + stride * bitmap.height);

        HANDLE image = LoadImageA(launcher, MAKEINTRESOURCEA(bitmap.id), IMAGE_BITMAP, 0, 0, 0);
        ASSERT_NE(image, nullptr);
        BITMAP loaded{};
        ASSERT_TRUE(GetObjectA(image, sizeof loaded, &loaded));
        EXPECT_EQ(loaded.bmWidth, bitmap.width);
        EXPECT_EQ(loaded.bmHeight, bitmap.height);
        DeleteObject(image);
    }
}

TEST_F(Resources, IconIsOne32By32ImageOf256Colours) {
    std::vector<unsigned char> group = Raw(RT_GROUP_ICON, SKV_ICON_APP);
    ASSERT_EQ(group.size(), 6u + 14u) << "a directory of exactly one image";
    Reader in(group);
    EXPECT_EQ(in.Word(), 0u);
    EXPECT_EQ(in.Word(), 1u) << "icon";
    EXPECT_EQ(in.Word(), 1u);
    EXPECT_EQ(group[6], 32);
    EXPECT_EQ(group[7], 32);
    EXPECT_EQ(group[8], 0) << "256 colours are written as 0";
    in.Skip(4);
    EXPECT_EQ(in.Word(), 1u) << "planes";
    EXPECT_EQ(in.Word(), 8u) << "bits per pixel";
    in.Skip(4);
    unsigned imageId = in.Word();

    std::vector<unsigned char> image = Raw(RT_ICON, imageId);
    ASSERT_GE(image.size(), 40u);
    Reader pixels(image);
    BitmapHeader header = ReadBitmapHeader(pixels);
    EXPECT_EQ(header.width, 32);
    EXPECT_EQ(header.height, 64) << "colour image and mask";
    EXPECT_EQ(header.bits, 8u);
    EXPECT_EQ(image.size(), 40u + 4 * 256 + 32 * 32 + 32 * 4);

    HICON icon =
        static_cast<HICON>(LoadImageA(launcher, MAKEINTRESOURCEA(SKV_ICON_APP), IMAGE_ICON, 32, 32, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_TRUE(info.fIcon);
    BITMAP colour{};
    ASSERT_TRUE(GetObjectA(info.hbmColor, sizeof colour, &colour));
    EXPECT_EQ(colour.bmWidth, 32);
    EXPECT_EQ(colour.bmHeight, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
}

TEST_F(Resources, LinkCursorIsAMonochromeHandPointingAtItsHotSpot) {
    std::vector<unsigned char> group = Raw(RT_GROUP_CURSOR, SKV_CUR_LINK);
    ASSERT_EQ(group.size(), 6u + 14u) << "a directory of exactly one image";
    Reader in(group);
    EXPECT_EQ(in.Word(), 0u);
    EXPECT_EQ(in.Word(), 2u) << "cursor";
    EXPECT_EQ(in.Word(), 1u);
    EXPECT_EQ(in.Word(), 32u) << "width";
    EXPECT_EQ(in.Word(), 64u) << "height of image and mask";
    EXPECT_EQ(in.Word(), 1u) << "planes";
    EXPECT_EQ(in.Word(), 1u) << "bits per pixel";
    in.Skip(4);
    unsigned imageId = in.Word();

    std::vector<unsigned char> image = Raw(RT_CURSOR, imageId);
    ASSERT_EQ(image.size(), 4u + 40u + 8u + 128u + 128u);
    Reader data(image);
    EXPECT_EQ(data.Word(), 5u) << "hot spot x";
    EXPECT_EQ(data.Word(), 0u) << "hot spot y";
    BitmapHeader header = ReadBitmapHeader(data);
    EXPECT_EQ(header.width, 32);
    EXPECT_EQ(header.height, 64);
    EXPECT_EQ(header.bits, 1u);
    const unsigned char* palette = &image[4 + 40];
    EXPECT_EQ(std::vector<unsigned char>(palette, palette + 8),
              (std::vector<unsigned char>{0, 0, 0, 0, 255, 255, 255, 0}));

    // Rows are stored bottom-up: colour bits first, then the mask (set = transparent).
    auto bit = [&](size_t plane, int x, int y) {
        const unsigned char* row = &image[4 + 40 + 8 + plane * 128 + (31 - y) * 4];
        return (row[x / 8] >> (7 - x % 8)) & 1;
    };
    int black = 0, white = 0, inverted = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            bool opaque = !bit(1, x, y);
            black += opaque && !bit(0, x, y);
            white += opaque && bit(0, x, y);
            inverted += !opaque && bit(0, x, y);
        }
    EXPECT_TRUE(!bit(1, 5, 0) && !bit(0, 5, 0)) << "the finger tip at the hot spot is black outline";
    EXPECT_TRUE(bit(1, 0, 0)) << "the corner beside the finger is transparent";
    EXPECT_TRUE(bit(1, 31, 31)) << "the far corner is transparent";
    EXPECT_GT(black, 40) << "black outline";
    EXPECT_GT(white, 100) << "white hand";
    EXPECT_EQ(inverted, 0) << "no screen-inverting pixels";

    HCURSOR cursor =
        static_cast<HCURSOR>(LoadImageA(launcher, MAKEINTRESOURCEA(SKV_CUR_LINK), IMAGE_CURSOR, 0, 0, 0));
    ASSERT_NE(cursor, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 5u);
    EXPECT_EQ(info.yHotspot, 0u);
    EXPECT_EQ(info.hbmColor, nullptr) << "monochrome: mask bitmap only";
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyCursor(cursor);
}

} // namespace
