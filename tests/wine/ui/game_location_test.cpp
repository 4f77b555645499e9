// Finding the game, seen from outside the real launcher: which registry entry or search finds it, what
// is written back to HKLM (the 32-bit view the launcher sees), the message and file dialog when nothing
// is found, and the "Location..." button. The folder the launcher holds is read from the question
// "Location..." asks, which shows it as held.
#include "driver/ui_driver.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>

using namespace uidriver;

namespace {

constexpr const char* NotFoundText = "ERROR: Cannot find Skarnvale on your computer.\nPlease locate the file "
                                     "'SKV.EXE' in the following Dialog.";
constexpr const char* LocationPrefix = "The Current Path is: ";
constexpr const char* LocationSuffix = "\nDo you want to change it?";

// Opens "Location...", checks its question and gives the folder it shows; answers `answer`.
std::string AskLocation(Launcher& launcher, const DialogWindow& dialog, int answer = IDNO) {
    if (!dialog.Click(SKV_ID_LOCATION))
        return "<no click>";
    MessageBoxInfo box = launcher.WaitForMessageBox();
    if (!box)
        return "<no question>";
    EXPECT_EQ(box.title, kAppTitle);
    EXPECT_EQ(box.icon, IconKind::Question);
    EXPECT_EQ(box.buttons.size(), 2u);
    std::string folder = box.text;
    const std::string prefix = LocationPrefix, suffix = LocationSuffix;
    if (folder.rfind(prefix, 0) == 0 && folder.size() >= prefix.size() + suffix.size() &&
        folder.compare(folder.size() - suffix.size(), suffix.size(), suffix) == 0)
        folder = folder.substr(prefix.size(), folder.size() - prefix.size() - suffix.size());
    else
        ADD_FAILURE() << "unexpected question: " << box.text;
    Answer(box.hwnd, answer);
    return folder;
}

void CancelFileDialog(Launcher& launcher) {
    DialogWindow open = launcher.WaitForDialog("Open");
    ASSERT_TRUE(open.IsOpen());
    ASSERT_TRUE(Answer(open, IDCANCEL));
}

// The installer's three values as the launcher writes them: folder without separator, exe path.
void ExpectEntriesWritten(const std::string& folder, const std::string& exePath) {
    InstallerEntries entries = ReadInstallerEntries();
    EXPECT_EQ(entries.gamePath.value_or("<absent>"), folder);
    EXPECT_EQ(entries.appPathsPath.value_or("<absent>"), folder);
    EXPECT_EQ(entries.appPathsExe.value_or("<absent>"), exePath);
    // REG_SZ with the terminating zero counted.
    for (const char* key : {kGameKey, kAppPathsKey}) {
        std::optional<RegistryValue> raw = GetRegistryRaw(HKEY_LOCAL_MACHINE, key, "Path");
        ASSERT_TRUE(raw) << key;
        EXPECT_EQ(raw->type, static_cast<DWORD>(REG_SZ)) << key;
        EXPECT_EQ(raw->bytes, folder + '\0') << key;
    }
    std::optional<RegistryValue> exe = GetRegistryRaw(HKEY_LOCAL_MACHINE, kAppPathsKey, nullptr);
    ASSERT_TRUE(exe);
    EXPECT_EQ(exe->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(exe->bytes, exePath + '\0');
}

void ExpectNoEntries() {
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kGameKey));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kAppPathsKey));
}

// A 32-bit program's HKLM\Software lies under Wow6432Node of the 64-bit registry.
std::optional<std::string> GamePathIn64BitView(const char* key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ | KEY_WOW64_64KEY, &opened) != ERROR_SUCCESS)
        return std::nullopt;
    char text[MAX_PATH] = {};
    DWORD size = sizeof text - 1;
    LONG status = RegQueryValueExA(opened, "Path", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(opened);
    return status == ERROR_SUCCESS ? std::optional<std::string>(text) : std::nullopt;
}

class GameLocation : public ::testing::Test {
  protected:
    CleanRegistry registry;
};

TEST_F(GameLocation, FirstEntryFindsTheGameWithOneTrailingSeparatorAndNothingIsWritten) {
    GameFolder game;
    const struct {
        std::string entry;
        std::string held;
    } cases[] = {
        {game.PathWithoutSeparator(), game.Path()},
        {game.Path(), game.Path()},
        {game.PathWithoutSeparator() + "/", game.PathWithoutSeparator() + "/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        ClearGameRegistry();
        SetGamePathEntry(c.entry);
        Launcher launcher;
        DialogWindow dialog = launcher.WaitForMainWindow();
        ASSERT_TRUE(dialog.IsOpen());
        EXPECT_EQ(launcher.Windows().size(), 1u) << "no message before the main dialog";
        EXPECT_EQ(AskLocation(launcher, dialog), c.held);
        EXPECT_EQ(ReadInstallerEntries().gamePath.value_or("<absent>"), c.entry);
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kAppPathsKey));
    }
}

TEST_F(GameLocation, GameFoundThroughTheRegistryIsStartedFromItsFolder) {
    GameFolder game;
    SetGamePathEntry(game.PathWithoutSeparator());
    Launcher launcher(LaunchOptions::ForGame(game));
    DialogWindow dialog = launcher.WaitForMainWindow();
    ASSERT_TRUE(dialog.IsOpen());
    ASSERT_TRUE(dialog.Click(IDOK));
    std::optional<StandinReport> report = WaitForReport(game.ReportPath());
    ASSERT_TRUE(report);
    EXPECT_EQ(report->exe, game.File("Skv.exe"));
    EXPECT_EQ(report->folder, game.PathWithoutSeparator());
    EXPECT_TRUE(launcher.WaitForExit());
}

TEST_F(GameLocation, SecondEntryFindsTheGameWhenTheFirstIsAbsent) {
    GameFolder game;
    SetRegistryString(HKEY_LOCAL_MACHINE, kAppPathsKey, "Path", game.PathWithoutSeparator());
    Launcher launcher;
    DialogWindow dialog = launcher.WaitForMainWindow();
    ASSERT_TRUE(dialog.IsOpen());
    EXPECT_EQ(AskLocation(launcher, dialog), game.Path());
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kGameKey)) << "the registry is not written";
    EXPECT_FALSE(GetRegistryString(HKEY_LOCAL_MACHINE, kAppPathsKey, nullptr));
}

TEST_F(GameLocation, FirstEntryWithoutTheGameFallsToThePathSearchNotToTheSecondEntry) {
    GameFolder empty("Location.FirstEntryEmpty", nullptr);
    GameFolder second("Location.SecondEntryGame");
    GameFolder beside("Location.BesideLauncher");
    SetGamePathEntry(empty.PathWithoutSeparator());
    SetAppPathsEntries(second.PathWithoutSeparator(), second.File("Skv.exe"));

    LaunchOptions options;
    options.copyInto = beside.Path();
    Launcher launcher(options);
    DialogWindow dialog = launcher.WaitForMainWindow();
    ASSERT_TRUE(dialog.IsOpen());
    EXPECT_EQ(AskLocation(launcher, dialog), beside.Path());
    ExpectEntriesWritten(beside.PathWithoutSeparator(), beside.File("Skv.exe"));
}

TEST_F(GameLocation, FirstEntryWithoutTheGameAndNothingBesideTheLauncherAsksTheUser) {
    GameFolder empty("Location.FirstEntryEmpty", nullptr);
    GameFolder second("Location.SecondEntryGame");
    SetGamePathEntry(empty.PathWithoutSeparator());
    SetRegistryString(HKEY_LOCAL_MACHINE, kAppPathsKey, "Path", second.PathWithoutSeparator());

    Launcher launcher;
    MessageBoxInfo box = launcher.WaitForMessageBox();
    ASSERT_TRUE(box) << "the second entry must not have been consulted";
    EXPECT_EQ(box.text, NotFoundText);
    Answer(box.hwnd, IDOK);
    CancelFileDialog(launcher);
    ASSERT_TRUE(launcher.WaitForExit());
}

TEST_F(GameLocation, SubFolderNamedLikeTheGameIsRefused) {
    GameFolder game("Location.SubFolder", nullptr);
    game.MakeFolder("Skv.exe");
    SetGamePathEntry(game.PathWithoutSeparator());
    Launcher launcher;
    MessageBoxInfo box = launcher.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box.text, NotFoundText);
    Answer(box.hwnd, IDOK);
    CancelFileDialog(launcher);
    ASSERT_TRUE(launcher.WaitForExit());
    EXPECT_EQ(ReadInstallerEntries().gamePath.value_or("<absent>"), game.PathWithoutSeparator());
}

TEST_F(GameLocation, NoEntriesAndTheGameBesideTheLauncherWritesTheThreeValues) {
    GameFolder game;
    LaunchOptions options;
    options.copyInto = game.Path();
    Launcher launcher(options);
    DialogWindow dialog = launcher.WaitForMainWindow();
    ASSERT_TRUE(dialog.IsOpen());
    EXPECT_EQ(launcher.Windows().size(), 1u) << "no message before the main dialog";
    ExpectEntriesWritten(game.PathWithoutSeparator(), game.File("Skv.exe"));
    // Written through the 32-bit view, as the game's own 32-bit installer does.
    EXPECT_EQ(GamePathIn64BitView("Software\\Wow6432Node\\Quillon\\Skarnvale").value_or("<absent>"),
              game.PathWithoutSeparator());
    EXPECT_FALSE(GamePathIn64BitView(kGameKey));
    EXPECT_EQ(AskLocation(launcher, dialog), game.Path());
}

TEST_F(GameLocation, NothingFoundShowsTheMessageThenTheFileDialogAndCancelEndsTheLauncher) {
    Launcher launcher;
    MessageBoxInfo box = WaitForOkBox(launcher, NotFoundText, IconKind::Information);
    ASSERT_TRUE(Answer(box.hwnd, IDOK));

    DialogWindow open = launcher.WaitForDialog("Open");
    ASSERT_TRUE(open.IsOpen());
    EXPECT_EQ(open.Text(FileNameField(open)), "Skv.exe");
    ASSERT_TRUE(Answer(open, IDCANCEL));

    ASSERT_TRUE(launcher.WaitForExit());
    for (HWND window : launcher.Windows())
        ADD_FAILURE() << "a window outlived the launcher: " << DialogWindow(window).Title();
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kProfileKey)) << "no setting is read or written";
    ExpectNoEntries();
}

TEST_F(GameLocation, NothingFoundAndAFileOfAnotherNameChosenIsAccepted) {
    GameFolder game("Location.OtherName", "Game.exe");
    Launcher launcher;
    MessageBoxInfo box = launcher.WaitForMessageBox();
    ASSERT_TRUE(box);
    Answer(box.hwnd, IDOK);
    ASSERT_TRUE(ChooseFile(launcher, game.File("Game.exe")));
    DialogWindow dialog = launcher.WaitForMainWindow();
    ASSERT_TRUE(dialog.IsOpen());
    ExpectEntriesWritten(game.PathWithoutSeparator(), game.File("Game.exe"));
    EXPECT_EQ(AskLocation(launcher, dialog), game.Path());
}

// ---- "Location..." ----

class LocationButton : public GameLocation {
  protected:
    GameFolder game;
    void SetUp() override { SetGamePathEntry(game.PathWithoutSeparator()); }
};

TEST_F(LocationButton, NoChangesNothingAndWritesNothing) {
    Launcher launcher;
    DialogWindow dialog = launcher.WaitForMainWindow();
    ASSERT_TRUE(dialog.IsOpen());
    EXPECT_EQ(AskLocation(launcher, dialog, IDNO), game.Path());
    EXPECT_EQ(launcher.Windows().size(), 1u) << "no file dialog after No";
    EXPECT_EQ(AskLocation(launcher, dialog, IDNO), game.Path());
    EXPECT_EQ(ReadInstallerEntries().gamePath.value_or("<absent>"), game.PathWithoutSeparator());
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kAppPathsKey));
}

TEST_F(LocationButton, CancelledFileDialogChangesNothingAndWritesNothing) {
    GameFolder other("Location.Other");
    Launcher launcher;
    DialogWindow dialog = launcher.WaitForMainWindow();
    ASSERT_TRUE(dialog.IsOpen());
    AskLocation(launcher, dialog, IDYES);
    CancelFileDialog(launcher);
    EXPECT_EQ(AskLocation(launcher, dialog, IDNO), game.Path());
    EXPECT_EQ(ReadInstallerEntries().gamePath.value_or("<absent>"), game.PathWithoutSeparator());
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kAppPathsKey));
}

TEST_F(LocationButton, SameFileChosenAgainRewritesTheThreeValues) {
    Launcher launcher;
    DialogWindow dialog = launcher.WaitForMainWindow();
    ASSERT_TRUE(dialog.IsOpen());
    ASSERT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kAppPathsKey));
    AskLocation(launcher, dialog, IDYES);
    ASSERT_TRUE(ChooseFile(launcher, game.File("Skv.exe")));
    // The next click is handled only once the handler has finished: then the writes are done.
    EXPECT_EQ(AskLocation(launcher, dialog, IDNO), game.Path());
    ExpectEntriesWritten(game.PathWithoutSeparator(), game.File("Skv.exe"));
}

TEST_F(LocationButton, FileOfAnotherNameInAnotherFolderIsAccepted) {
    GameFolder other("Location.Other", "Launch.exe");
    Launcher launcher;
    DialogWindow dialog = launcher.WaitForMainWindow();
    ASSERT_TRUE(dialog.IsOpen());
    AskLocation(launcher, dialog, IDYES);
    ASSERT_TRUE(ChooseFile(launcher, other.File("Launch.exe")));
    EXPECT_EQ(AskLocation(launcher, dialog, IDNO), other.Path());
    ExpectEntriesWritten(other.PathWithoutSeparator(), other.File("Launch.exe"));
}

} // namespace
