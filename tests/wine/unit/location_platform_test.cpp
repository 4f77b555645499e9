// The Windows side of finding the game on real folders: which folder texts from the installer's entries
// the search for "Skv.exe" can use (spaces, characters of the ANSI code page, a text that fills the read
// buffer but still names a folder) and which it refuses (a folder deeper than a Windows path, a text that
// names nothing), and that code-page bytes come back from the registry exactly as the installer stored them.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/registry_strings.h"
#include "app/windows_location_platform.h"
#include "test_support.h"

namespace {

using namespace test_support;

// "Spiele Ä ö" in the ANSI code page (1252 under this bench's Wine); "" when the code page cannot hold it.
std::string NonAsciiName() {
    char bytes[64] = {};
    BOOL lossy = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, L"Spiele \u00C4 \u00F6", -1, bytes,
                                           sizeof bytes, nullptr, &lossy);
    return length > 0 && !lossy ? std::string(bytes) : std::string();
}

std::string WithoutSeparator(const std::string& folder) {
    return folder.substr(0, folder.size() - 1);
}

TEST(WindowsLocationPlatform, SearchUsesEveryFolderTextAPathCanHoldAndRefusesTheOthers) {
    const std::string accentedName = NonAsciiName();
    ASSERT_FALSE(accentedName.empty()) << "code page " << GetACP();
    ScratchFolder spaces("game with spaces");
    ScratchFolder accented(accentedName);
    ScratchFolder deepRoot("deep-game");
    std::string deep = WithoutSeparator(deepRoot.Path());
    for (char part = 'a'; deep.size() <= 300; ++part)
        deep += "\\" + std::string(60, part);
    for (const ScratchFolder* folder : {&spaces, &accented})
        WriteBytes(folder->File("Skv.exe"), "MZ");
    // Folders whose "\\Skv.exe" path is 259 characters (fits the 260-character buffer with its zero) and 260.
    const std::string root = WithoutSeparator(deepRoot.Path()) + "\\";
    const std::string fits = root + std::string(259 - 8 - root.size(), 'f');
    const std::string tooLong = root + std::string(260 - 8 - root.size(), 't');
    for (const std::string& folder : {deep, fits, tooLong})
        ASSERT_EQ(
            RunUnix("mkdir -p '" + UnixPath(folder) + "' && printf MZ > '" + UnixPath(folder) + "/Skv.exe'"),
            0);
    // The folder again, through "\." steps up to 4095 characters: the most the read buffer holds.
    std::string padded = WithoutSeparator(spaces.Path());
    while (padded.size() + 2 <= 4095)
        padded += "\\.";

    const struct {
        const char* what;
        std::string folder;
        std::optional<std::string> found;
    } cases[] = {
        {"spaces", WithoutSeparator(spaces.Path()), spaces.File("Skv.exe")},
        {"trailing separator", spaces.Path(), spaces.File("Skv.exe")},
        {"code-page characters", WithoutSeparator(accented.Path()), accented.File("Skv.exe")},
        {"4095 characters naming the folder: the found path is the plain one", padded,
         spaces.File("Skv.exe")},
        {"found path of 259 characters", fits, fits + "\\Skv.exe"},
        // Windows reports the size such a result needs, which the launcher refuses; Wine refuses it itself
        // (error 206). Either way no cut-off path is taken for the game.
        {"found path of 260 characters: no room for its zero", tooLong, std::nullopt},
        {"deeper than 260 characters", deep, std::nullopt},
        {"4095 characters naming nothing", "Z:\\" + std::string(4092, 'x'), std::nullopt},
        {"the bytes of a number", "\x01", std::nullopt},
    };
    WindowsLocationPlatform platform;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(platform.SearchGame(c.folder.c_str()), c.found);
    }
    EXPECT_TRUE(platform.IsUsableFile(accented.File("Skv.exe")));
    EXPECT_FALSE(platform.IsUsableFile(deep + "\\Skv.exe")) << "a path no Windows program can open";
}

TEST(WindowsLocationPlatform, CodePageFolderTextReadsBackAsStored) {
    const char* key = "Software\\Harbeck\\Skv Launcher Location Platform Test";
    const std::string folder = "C:\\" + NonAsciiName() + "\\Skarnvale";
    ASSERT_TRUE(WriteRegistryString(HKEY_CURRENT_USER, key, "Path", folder.c_str()));
    EXPECT_EQ(std::string(ReadRegistryString(HKEY_CURRENT_USER, key, "Path", "")), folder);
    RegDeleteKeyA(HKEY_CURRENT_USER, key);
}

} // namespace
