// The real notification area, through Shell_NotifyIconW, with a plain hidden window of the
// test's own as the icon's owner.

#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/fake/FakeToolkit.h"
#include "tray/NotifyArea.h"
#include "tray/TrayIcon.h"
#include "tray/win32/Win32NotifyArea.h"

namespace keystead::tray::win32 {
namespace {

constexpr char kClassName[] = "KeysteadTrayTestWindow";

class HiddenWindow {
public:
    HiddenWindow() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kClassName;
        RegisterClassA(&windowClass);  // fails harmlessly when a previous test registered it
        handle_ = CreateWindowA(kClassName, "Keystead tray test", WS_OVERLAPPEDWINDOW, 0, 0, 100,
                                100, nullptr, nullptr, windowClass.hInstance, nullptr);
    }
    HiddenWindow(const HiddenWindow&) = delete;
    HiddenWindow& operator=(const HiddenWindow&) = delete;
    ~HiddenWindow() {
        if (handle_ != nullptr) {
            DestroyWindow(handle_);
        }
    }

    HWND Handle() const { return handle_; }

private:
    HWND handle_ = nullptr;
};

NotifyIconRecord RecordFor(HWND window, const char* tip) {
    NotifyIconRecord record;
    record.cbSize = kNotifyIconRecordSize;
    record.hWnd = reinterpret_cast<std::uintptr_t>(window);
    record.uID = 1;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = WM_MOUSEMOVE;
    record.hIcon = reinterpret_cast<std::uintptr_t>(LoadIcon(nullptr, IDI_APPLICATION));
    std::memset(record.szTip, ' ', sizeof(record.szTip));
    std::memcpy(record.szTip, tip, std::strlen(tip) + 1);
    return record;
}

TEST(Win32NotifyAreaTest, AddsModifiesAndDeletesAnIcon) {
    HiddenWindow window;
    ASSERT_NE(window.Handle(), nullptr);
    Win32NotifyArea area;
    NotifyIconRecord record = RecordFor(window.Handle(), "Tarvine Keystead");
    NotifyIconRecord changed = RecordFor(window.Handle(), "Tarvine Keystead\r\n(Suspended)");

    // Only an icon that is there can be modified: that tells whether the others worked.
    EXPECT_FALSE(area.NotifyIcon(kNimModify, changed)) << "no icon yet";
    EXPECT_TRUE(area.NotifyIcon(kNimAdd, record));
    EXPECT_TRUE(area.NotifyIcon(kNimModify, changed));
    EXPECT_TRUE(area.NotifyIcon(kNimDelete, changed));
    EXPECT_FALSE(area.NotifyIcon(kNimModify, changed)) << "the icon should be gone";
}

// Keeps the records a tray icon hands over, and passes them to the real shell.
class RecordingNotifyArea : public NotifyArea {
public:
    bool NotifyIcon(std::uint32_t operation, const NotifyIconRecord& record) override {
        records.push_back(record);
        answers.push_back(shell.NotifyIcon(operation, record));
        return answers.back();
    }
    Win32NotifyArea shell;
    std::vector<NotifyIconRecord> records;
    std::vector<bool> answers;
};

// A tray icon on the real shell, owned by a plain hidden window.
class TrayIconOnTheShell : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(window.Handle(), nullptr); }

    HiddenWindow window;
    const toolkit::FormDesign bareForm{"Main",   4000, 3000, {0, 0, 0}, {0, 0, 0},
                                       "Tahoma", 8.0f, 1,    {}};
    toolkit::fake::NoFormEvents events;
    toolkit::fake::FakeForm owner{bareForm, events,
                                  reinterpret_cast<std::uintptr_t>(window.Handle())};
    toolkit::fake::FakePicture application{
        reinterpret_cast<std::uintptr_t>(LoadIcon(nullptr, IDI_APPLICATION))};
    toolkit::fake::FakeScreen screen;
    RecordingNotifyArea area;
    TrayIcon icon{area, screen};
};

// The record that TrayIcon fills is one the shell accepts, for every operation.
TEST_F(TrayIconOnTheShell, TakesTheRecordsOfATrayIcon) {
    toolkit::fake::FakePicture warning(
        reinterpret_cast<std::uintptr_t>(LoadIcon(nullptr, IDI_WARNING)));
    icon.SetOwnerForm(&owner);
    icon.SetIcon(&application);
    icon.SetTooltip("Tarvine Keystead");

    icon.Add();
    icon.SetIcon(&warning);
    icon.SetTooltip("Tarvine Keystead\r\n(Suspended)");
    icon.Modify();
    icon.SetTooltip(std::string(200, 'x'));  // longer than the field: cut (see below)
    icon.Modify();
    icon.Remove();
    icon.Modify();  // nothing left to modify: the icon is added again
    icon.Remove();

    // Each add is followed by the version, which the shell takes too.
    EXPECT_EQ(area.answers,
              (std::vector<bool>{true, true, true, true, true, false, true, true, true}));
}

// Letters beyond the ANSI code page reach the shell as they are, in a short tooltip and in
// one that needs the second version's longer field; a longer text is cut where that field
// (128 UTF-16 units) keeps room for its NUL.
TEST_F(TrayIconOnTheShell, HandsTheShellTheTooltipInUtf16) {
    icon.SetOwnerForm(&owner);
    icon.SetIcon(&application);
    const struct {
        std::string utf8;
        std::wstring utf16;
        DWORD size;
    } kTips[] = {
        {"Tarvine Keystead\r\n(Приостановлено)", L"Tarvine Keystead\r\n(Приостановлено)",
         NOTIFYICONDATAW_V1_SIZE},
        {"Tarvine Keystead\r\nCaps Lock: オン\r\nNum Lock: オフ\r\nScroll Lock: オフ",
         L"Tarvine Keystead\r\nCaps Lock: オン\r\nNum Lock: オフ\r\nScroll Lock: オフ",
         NOTIFYICONDATAW_V2_SIZE},
        {std::string(200, 'x'), std::wstring(ARRAYSIZE(NOTIFYICONDATAW{}.szTip) - 1, L'x'),
         NOTIFYICONDATAW_V2_SIZE},
    };
    icon.SetTooltip(kTips[0].utf8);
    icon.Add();
    for (const auto& tip : kTips) {
        icon.SetTooltip(tip.utf8);
        icon.Modify();
        EXPECT_TRUE(area.answers.back()) << "the shell takes the wide record";
        const NOTIFYICONDATAW wide = WideRecord(kNimModify, area.records.back());
        EXPECT_EQ(wide.szTip, tip.utf16);
        EXPECT_EQ(wide.cbSize, tip.size);
    }
    icon.Remove();
}

}  // namespace
}  // namespace keystead::tray::win32
