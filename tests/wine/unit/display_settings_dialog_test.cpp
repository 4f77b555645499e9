// The display settings dialog run for real, modally, over the platform's DirectDraw: a timer started
// from its initialisation inspects the lists, changes them and presses its buttons. What the lists must
// hold is taken from DirectDraw directly, through the older interface, so the platform is the judge.
#include <windows.h>
#include <ddraw.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "child_run.h"
#include "framework/application.h"
#include "res/resource.h"
#include "resource_counts.h"
#include "ui/display_settings_dialog.h"
#include "test_support.h"

using namespace test_support;

namespace {

const std::string Title = "Skarnvale Launcher (BETA 2)";

// ---- What the platform reports ----

struct ReportedDevice {
    bool HasGuid = false;
    GUID Guid{};
    std::string Text; // "description (driver)"
};

BOOL WINAPI CollectDevice(GUID* guid, LPSTR description, LPSTR driver, LPVOID context) {
    ReportedDevice device;
    device.HasGuid = guid != nullptr;
    if (guid)
        device.Guid = *guid;
    device.Text = std::string(description) + " (" + driver + ")";
    static_cast<std::vector<ReportedDevice>*>(context)->push_back(device);
    return TRUE;
}

std::vector<ReportedDevice> ReportedDevices() {
    std::vector<ReportedDevice> devices;
    EXPECT_EQ(DirectDrawEnumerateA(&CollectDevice, &devices), DD_OK);
    return devices;
}

struct RawMode {
    DWORD Width, Height, Bits;
};

HRESULT WINAPI CollectMode(LPDDSURFACEDESC description, LPVOID context) {
    static_cast<std::vector<RawMode>*>(context)->push_back(
        {description->dwWidth, description->dwHeight, description->ddpfPixelFormat.dwRGBBitCount});
    return DDENUMRET_OK;
}

std::vector<RawMode> ReportedModes(const ReportedDevice& device) {
    std::vector<RawMode> modes;
    GUID guid = device.Guid;
    IDirectDraw* draw = nullptr;
    EXPECT_EQ(DirectDrawCreate(device.HasGuid ? &guid : nullptr, &draw, nullptr), DD_OK);
    if (!draw)
        return modes;
    draw->EnumDisplayModes(0, nullptr, &modes, &CollectMode);
    draw->Release();
    return modes;
}

// The modes the game can use, as the dialog must list them: in the reported order, duplicates kept.
std::vector<std::string> UsableModeTexts(const std::vector<RawMode>& modes) {
    std::vector<std::string> texts;
    for (const RawMode& mode : modes)
        if ((mode.Bits == 16 || mode.Bits == 32) && mode.Width >= 512 && mode.Height >= 384) {
            char text[64];
            std::snprintf(text, sizeof text, "%lu * %lu (%lu bpp)", static_cast<unsigned long>(mode.Width),
                          static_cast<unsigned long>(mode.Height), static_cast<unsigned long>(mode.Bits));
            texts.push_back(text);
        }
    return texts;
}

std::vector<RawMode> UsableModes(const std::vector<RawMode>& modes) {
    std::vector<RawMode> usable;
    for (const RawMode& mode : modes)
        if ((mode.Bits == 16 || mode.Bits == 32) && mode.Width >= 512 && mode.Height >= 384)
            usable.push_back(mode);
    return usable;
}

// ---- The dialog's state ----

std::vector<std::string> ListTexts(HWND list) {
    std::vector<std::string> texts;
    int count = static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        texts.push_back(text);
    }
    return texts;
}

int Selected(HWND list) {
    return static_cast<int>(SendMessageA(list, CB_GETCURSEL, 0, 0));
}

// The record as the game reads it: 16 identity bytes, then index, width, height, bits.
std::string Record(const ReportedDevice& device, int32_t index, const RawMode& mode) {
    std::string guid(16, '\0');
    if (device.HasGuid)
        guid.assign(reinterpret_cast<const char*>(&device.Guid), 16);
    return guid + LittleEndianWords({static_cast<uint32_t>(index), mode.Width, mode.Height, mode.Bits});
}

// ---- Running the dialog ----

// The real dialog, handing itself to `script` once it is open; ended with IDABORT if the script leaves it
// open.
class ScriptedDisplayDialog : public DisplaySettingsDialog {
  public:
    explicit ScriptedDisplayDialog(std::function<void(ScriptedDisplayDialog&)> script)
        : DisplaySettingsDialog(nullptr), script_(std::move(script)) {}

    bool ScriptRan = false;
    HWND Devices() const { return Item(SKV_ID_DEVICE_LIST); }
    HWND Modes() const { return Item(SKV_ID_MODE_LIST); }

    void ChooseDevice(int index) {
        SendMessageA(Devices(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageA(Handle(), WM_COMMAND, MAKEWPARAM(SKV_ID_DEVICE_LIST, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Devices()));
    }
    void ChooseMode(int index) {
        SendMessageA(Modes(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageA(Handle(), WM_COMMAND, MAKEWPARAM(SKV_ID_MODE_LIST, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Modes()));
    }
    void Press(int id) {
        ASSERT_TRUE(IsWindowEnabled(Item(id))) << "button " << id << " is disabled";
        SendMessageA(Item(id), BM_CLICK, 0, 0);
    }
    // EndDialog hides the window at once.
    bool IsOpen() const { return IsWindowVisible(Handle()) != FALSE; }

  protected:
    BOOL OnInitDialog() override {
        BOOL result = DisplaySettingsDialog::OnInitDialog();
        current_ = this;
        // Not a zero period: the modal loop shows the dialog only once its queue is empty, which a timer
        // that is always due would never let happen.
        SetTimer(Handle(), 1, 10, &ScriptedDisplayDialog::RunScript);
        return result;
    }

  private:
    static void CALLBACK RunScript(HWND window, UINT, UINT_PTR id, DWORD) {
        // A tick that comes before the dialog is on screen waits: the script ends the dialog only while it
        // shows, so running earlier would leave it open for good.
        if (!IsWindowVisible(window))
            return;
        KillTimer(window, id);
        ScriptedDisplayDialog* dialog = current_;
        current_ = nullptr;
        if (!dialog)
            return;
        dialog->ScriptRan = true;
        dialog->script_(*dialog);
        if (dialog->IsOpen())
            dialog->EndDialog(IDABORT);
    }

    std::function<void(ScriptedDisplayDialog&)> script_;
    static ScriptedDisplayDialog* current_;
};
ScriptedDisplayDialog* ScriptedDisplayDialog::current_ = nullptr;

// Runs the dialog over a scratch game folder and gives its result.
INT_PTR RunDialog(std::function<void(ScriptedDisplayDialog&)> script) {
    Watchdog watchdog(20000, "a run of the display settings dialog");
    ScriptedDisplayDialog dialog(std::move(script));
    INT_PTR result = dialog.DoModal();
    EXPECT_TRUE(dialog.ScriptRan) << "the dialog never opened";
    return result;
}

class DisplaySettingsDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        devices_ = ReportedDevices();
        ASSERT_FALSE(devices_.empty()) << "DirectDraw reports no device";
        modes_ = ReportedModes(devices_[0]);
        usable_ = UsableModes(modes_);
        ASSERT_FALSE(usable_.empty()) << "the first device reports no usable mode";
    }

    ScratchGameFolder folder_{"display"};
    std::vector<ReportedDevice> devices_;
    std::vector<RawMode> modes_, usable_;
};

TEST_F(DisplaySettingsDialogTest, WithoutFileListsTheReportedDevicesAndUsableModesAndSelectsTheFirst) {
    std::vector<std::string> deviceTexts;
    for (const ReportedDevice& device : devices_)
        deviceTexts.push_back(device.Text);
    std::printf("the first device reports %zu modes, %zu usable\n", modes_.size(), usable_.size());
    EXPECT_GT(modes_.size(), usable_.size()) << "no reported mode is filtered out: nothing checks the filter";
    INT_PTR result = RunDialog([&](ScriptedDisplayDialog& dialog) {
        EXPECT_EQ(ListTexts(dialog.Devices()), deviceTexts);
        EXPECT_EQ(ListTexts(dialog.Modes()), UsableModeTexts(modes_));
        EXPECT_EQ(Selected(dialog.Devices()), 0);
        EXPECT_EQ(Selected(dialog.Modes()), 0);
        EXPECT_TRUE(IsWindowEnabled(dialog.Modes()));
        EXPECT_TRUE(IsWindowEnabled(dialog.Item(IDOK)));
        EXPECT_EQ(Application::Current().WaitCursorCount(), 0);
        EXPECT_EQ(LiveDisplayListBlocks(), devices_.size() + usable_.size());
    });
    EXPECT_EQ(result, IDABORT);
    EXPECT_EQ(LiveDisplayListBlocks(), 0u);
    EXPECT_EQ(ReadBytes(folder_.VideoFile()), "<absent>");
}

TEST_F(DisplaySettingsDialogTest, OkWritesTheChosenDeviceAndMode) {
    const size_t chosen = usable_.size() - 1;
    INT_PTR result = RunDialog([&](ScriptedDisplayDialog& dialog) {
        dialog.ChooseMode(static_cast<int>(chosen));
        dialog.Press(IDOK);
        EXPECT_FALSE(dialog.IsOpen());
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(ReadBytes(folder_.VideoFile()), Record(devices_[0], 0, usable_[chosen]));
    EXPECT_EQ(FolderEntries(folder_.Path()), std::vector<std::string>{"Skv_Video.cfg"});
}

TEST_F(DisplaySettingsDialogTest, StoredModeIsPreselectedOnTheStoredOrFirstDevice) {
    const size_t stored = usable_.size() - 1;
    GUID unknown = {0x12345678, 0x1234, 0x5678, {1, 2, 3, 4, 5, 6, 7, 8}};
    ReportedDevice missing{true, unknown, ""};
    const RawMode offered = usable_[stored];
    struct Case {
        const char* Name;
        std::string File;
        int Mode;
    } cases[] = {
        {"stored device and mode", Record(devices_[0], 0, offered), static_cast<int>(stored)},
        {"device no longer reported", Record(missing, 5, offered), static_cast<int>(stored)},
        {"mode no longer offered", Record(devices_[0], 0, RawMode{1234, 567, 16}), 0},
        {"mode at 8 bpp", Record(devices_[0], 0, RawMode{offered.Width, offered.Height, 8}), 0},
        {"empty file", "", devices_[0].HasGuid ? 0 : 0},
    };
    for (const Case& c : cases) {
        WriteBytes(folder_.VideoFile(), c.File);
        RunDialog([&](ScriptedDisplayDialog& dialog) {
            EXPECT_EQ(Selected(dialog.Devices()), 0) << c.Name;
            EXPECT_EQ(Selected(dialog.Modes()), c.Mode) << c.Name;
        });
        EXPECT_EQ(ReadBytes(folder_.VideoFile()), c.File) << c.Name << ": the file was touched";
    }
}

TEST_F(DisplaySettingsDialogTest, ChoosingTheDeviceAgainKeepsTheChosenMode) {
    ASSERT_GE(usable_.size(), 2u) << "needs a device with two usable modes";
    RunDialog([&](ScriptedDisplayDialog& dialog) {
        const int chosen = static_cast<int>(usable_.size() - 1);
        dialog.ChooseMode(chosen);
        dialog.ChooseDevice(0);
        EXPECT_EQ(Selected(dialog.Modes()), chosen);
        EXPECT_EQ(ListTexts(dialog.Modes()), UsableModeTexts(modes_))
            << "the list was rebuilt once, not added to";
        EXPECT_EQ(LiveDisplayListBlocks(), devices_.size() + usable_.size());
        EXPECT_EQ(Application::Current().WaitCursorCount(), 0);
    });
}

TEST_F(DisplaySettingsDialogTest, CancelAfterChangingBothListsLeavesTheFileUntouched) {
    const std::string stored = Record(devices_[0], 0, usable_[0]) + "tail";
    WriteBytes(folder_.VideoFile(), stored);
    INT_PTR result = RunDialog([&](ScriptedDisplayDialog& dialog) {
        dialog.ChooseDevice(static_cast<int>(devices_.size() - 1));
        dialog.ChooseMode(static_cast<int>(SendMessageA(dialog.Modes(), CB_GETCOUNT, 0, 0) - 1));
        dialog.Press(IDCANCEL);
        EXPECT_FALSE(dialog.IsOpen());
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(ReadBytes(folder_.VideoFile()), stored);
}

TEST_F(DisplaySettingsDialogTest, OkWithoutAChoiceAsksForItAndStaysOpen) {
    MessageBoxAnswerer answerer;
    RunDialog([&](ScriptedDisplayDialog& dialog) {
        SendMessageA(dialog.Modes(), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        dialog.Press(IDOK);
        EXPECT_TRUE(dialog.IsOpen());
        EXPECT_EQ(GetFocus(), dialog.Modes());

        SendMessageA(dialog.Devices(), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        dialog.Press(IDOK);
        EXPECT_TRUE(dialog.IsOpen());
        EXPECT_EQ(GetFocus(), dialog.Devices());

        // An entry whose block is gone.
        SendMessageA(dialog.Devices(), CB_SETCURSEL, 0, 0);
        SendMessageA(dialog.Modes(), CB_SETCURSEL, 0, 0);
        LRESULT block = SendMessageA(dialog.Modes(), CB_GETITEMDATA, 0, 0);
        SendMessageA(dialog.Modes(), CB_SETITEMDATA, 0, 0);
        dialog.Press(IDOK);
        SendMessageA(dialog.Modes(), CB_SETITEMDATA, 0, block);
        EXPECT_TRUE(dialog.IsOpen());
        EXPECT_EQ(Application::Current().WaitCursorCount(), 0);
    });
    EXPECT_EQ(answerer.Boxes, (std::vector<ShownBox>{
                                  {Title, "Please select the Resolution!", "information"},
                                  {Title, "Please select a rendering Device!", "information"},
                                  {Title, "ERROR: Failed to get device GUID or Resolution!", "error"},
                              }));
    EXPECT_EQ(ReadBytes(folder_.VideoFile()), "<absent>");
    EXPECT_EQ(LiveDisplayListBlocks(), 0u);
}

// A file that can't be replaced: the message, the previous file whole, the dialog open with its choice.
void ExpectFailedOkKeepsEverything(const ScratchGameFolder& folder, const std::vector<RawMode>& usable,
                                   const std::string& previous) {
    MessageBoxAnswerer answerer;
    const int chosen = static_cast<int>(usable.size() - 1);
    RunDialog([&](ScriptedDisplayDialog& dialog) {
        dialog.ChooseMode(chosen);
        dialog.Press(IDOK);
        EXPECT_TRUE(dialog.IsOpen());
        EXPECT_EQ(Selected(dialog.Devices()), 0);
        EXPECT_EQ(Selected(dialog.Modes()), chosen);
    });
    EXPECT_EQ(
        answerer.Boxes,
        (std::vector<ShownBox>{{Title, "ERROR: Failed to open configuration file for writing!", "error"}}));
    EXPECT_EQ(ReadBytes(folder.VideoFile()), previous);
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"Skv_Video.cfg"});
}

TEST_F(DisplaySettingsDialogTest, FileHeldByAnotherProgramShowsItsMessageAndStaysOpen) {
    const std::string previous = Record(devices_[0], 0, usable_[0]);
    WriteBytes(folder_.VideoFile(), previous);
    HANDLE holder = CreateFileA(folder_.VideoFile().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    ExpectFailedOkKeepsEverything(folder_, usable_, previous);
    CloseHandle(holder);
}

TEST_F(DisplaySettingsDialogTest, ReadOnlyFileShowsItsMessageAndStaysOpen) {
    const std::string previous = Record(devices_[0], 0, usable_[0]);
    WriteBytes(folder_.VideoFile(), previous);
    MakeReadOnly(folder_.VideoFile());
    ExpectFailedOkKeepsEverything(folder_, usable_, previous);
}

// ---- Blocks left behind ----

HRESULT WINAPI CollectMode4(LPDDSURFACEDESC2 description, LPVOID context) {
    static_cast<std::vector<RawMode>*>(context)->push_back(
        {description->dwWidth, description->dwHeight, description->ddpfPixelFormat.dwRGBBitCount});
    return DDENUMRET_OK;
}

// Lists a device's modes the way the dialog does: the device is created from its 16 identity bytes (all
// zero when it has no GUID), then asked for its modes through IDirectDraw4.
std::vector<RawMode> ListModesLikeTheDialog(const ReportedDevice& device) {
    std::vector<RawMode> modes;
    GUID guid = device.Guid;
    IDirectDraw* draw = nullptr;
    if (DirectDrawCreate(&guid, &draw, nullptr) != DD_OK || !draw)
        return modes;
    IDirectDraw4* draw4 = nullptr;
    draw->QueryInterface(IID_IDirectDraw4, reinterpret_cast<void**>(&draw4));
    draw->Release();
    if (!draw4)
        return modes;
    draw4->EnumDisplayModes(0, nullptr, &modes, &CollectMode4);
    draw4->Release();
    return modes;
}

// One opening's worth of the platform's work without the launcher's code: the same template with its
// lists, the devices enumerated into the first, the first device opened twice for its modes, the texts
// put into the second; ended from a timer inside its own message loop, as the launcher's dialog is.
INT_PTR CALLBACK BareDisplayDialog(HWND window, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) {
        std::vector<ReportedDevice> devices;
        DirectDrawEnumerateA(&CollectDevice, &devices);
        for (const ReportedDevice& device : devices)
            SendDlgItemMessageA(window, SKV_ID_DEVICE_LIST, CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(device.Text.c_str()));
        for (int fill = 0; fill < 2 && !devices.empty(); ++fill) {
            SendDlgItemMessageA(window, SKV_ID_MODE_LIST, CB_RESETCONTENT, 0, 0);
            for (const std::string& text : UsableModeTexts(ListModesLikeTheDialog(devices[0])))
                SendDlgItemMessageA(window, SKV_ID_MODE_LIST, CB_ADDSTRING, 0,
                                    reinterpret_cast<LPARAM>(text.c_str()));
        }
        SetTimer(window, 1, 0, nullptr);
        return TRUE;
    }
    if (message == WM_TIMER) {
        KillTimer(window, 1);
        EndDialog(window, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

TEST_F(DisplaySettingsDialogTest, ManyOpeningsLeaveNoBlockBehind) {
    // Opening the device costs the platform about a third of a second here, twice per opening: few
    // openings keep the test short, and one leaked block per opening still shows.
    constexpr int Openings = 3;
    size_t mostAlive = 0;
    auto openDialog = [&](int i) {
        RunDialog([&](ScriptedDisplayDialog& dialog) {
            dialog.ChooseMode(static_cast<int>(usable_.size() - 1));
            dialog.ChooseDevice(0);
            mostAlive = std::max(mostAlive, LiveDisplayListBlocks());
            if (i % 2)
                dialog.Press(IDCANCEL);
        });
        ASSERT_EQ(LiveDisplayListBlocks(), 0u) << "opening " << i;
    };
    auto openBare = [] {
        Watchdog watchdog(20000, "a run of the bare display dialog");
        ASSERT_EQ(DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(SKV_DLG_DISPLAY), nullptr,
                                  &BareDisplayDialog, 0),
                  IDCANCEL);
    };
    // Each batch is run twice and only the second run is measured, so what the platform allocates once
    // (caches, classes, the first opening of the device) does not count: only what grows with every
    // opening does. The platform keeps a little of its own per opening (about one block per device
    // opening under Wine), which the bare dialog measures beside the launcher's.
    auto growthOfSecondRun = [](const std::function<void()>& batch) {
        batch();
        const size_t before = resource_counts::BusyHeapBlocks();
        batch();
        return static_cast<long>(resource_counts::BusyHeapBlocks()) - static_cast<long>(before);
    };
    const long platformGrowth = growthOfSecondRun([&] {
        for (int i = 0; i < Openings; ++i)
            openBare();
    });
    const long launcherGrowth = growthOfSecondRun([&] {
        for (int i = 0; i < Openings; ++i)
            openDialog(i);
    });
    std::printf("heap growth over %d openings: launcher %ld, platform alone %ld\n", Openings, launcherGrowth,
                platformGrowth);

    EXPECT_EQ(mostAlive, devices_.size() + usable_.size()) << "the counter saw no block while open";
    // The dialog keeps at least one block per entry alive while open, at least two per opening: leaking
    // any of them, or a DirectDraw object, grows the heap by at least one block per opening.
    EXPECT_LT(launcherGrowth - platformGrowth, Openings)
        << "the heap grew by " << launcherGrowth << " blocks over " << Openings << " openings, the platform "
        << "alone by " << platformGrowth;
}

// The list and selection tests again, in a child process on a virtual desktop of its own: there the platform
// reports a realistic list (several sizes from 320 x 200 up, at 8, 16 and 32 bpp) rather than the screen's
// one size.
TEST(DisplaySettingsOnVirtualDesktop, DialogTestsPassWithARealisticModeList) {
    constexpr const char* DesktopsKey = "Software\\Wine\\Explorer\\Desktops";
    constexpr const char* DesktopName = "skv-display-test";
    HKEY desktops = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, DesktopsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                              &desktops, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(desktops, DesktopName, 0, REG_SZ, reinterpret_cast<const BYTE*>("1280x1024"), 10);

    ScratchGameFolder scratch("display-desktop");
    const std::string outputPath = scratch.Path() + "output.txt";
    // The cases take a few seconds; a child that has not finished well after that is stuck.
    constexpr DWORD LimitMs = 30000;
    const child_run::Result child = child_run::RunThisProgram(
        "--gtest_filter=DisplaySettingsDialogTest.WithoutFile*:DisplaySettingsDialogTest.OkWrites*:"
        "DisplaySettingsDialogTest.StoredMode*:DisplaySettingsDialogTest.Choosing*:"
        "DisplaySettingsDialogTest.Cancel*",
        outputPath, LimitMs, DesktopName);
    RegDeleteValueA(desktops, DesktopName);
    RegCloseKey(desktops);
    ASSERT_TRUE(child.Started);

    const std::string& text = child.Output;
    ASSERT_TRUE(child.Finished) << "the cases on the virtual desktop did not finish within " << LimitMs / 1000
                                << " s; their output so far:\n"
                                << text;
    EXPECT_EQ(child.ExitCode, 0u) << text;
    unsigned reported = 0, usable = 0;
    const size_t at = text.find("the first device reports ");
    ASSERT_NE(at, std::string::npos) << text;
    ASSERT_EQ(
        std::sscanf(text.c_str() + at, "the first device reports %u modes, %u usable", &reported, &usable),
        2);
    EXPECT_GT(usable, 2u) << "the virtual desktop gave no realistic mode list";
    EXPECT_GT(reported, usable);
}

} // namespace
