// The programs window as real windows under Wine, and the programs that show a window now as
// EnumWindows finds them.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "pause/ProgramList.h"
#include "programs/ProgramsWindow.h"
#include "programs/fake/FakeRunningPrograms.h"
#include "programs/win32/Win32RunningPrograms.h"
#include "tests/support/win32/Wait.h"
#include "toolkit/win32/Layout.h"
#include "toolkit/win32/Win32Form.h"

namespace keystead::programs {
namespace {

// With KEYSTEAD_PROGRAMS_SHOT naming a file, the window as the screen shows it, as a bitmap.
void SaveShot(HWND window) {
    const char* file = std::getenv("KEYSTEAD_PROGRAMS_SHOT");
    if (file == nullptr) {
        return;
    }
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT rect;
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const DWORD size = static_cast<DWORD>(((width * 3 + 3) & ~3) * height);
    constexpr DWORD kHeaders = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    const BITMAPFILEHEADER header{0x4D42, kHeaders + size, 0, 0, kHeaders};
    if (FILE* out = std::fopen(file, "wb")) {
        std::fwrite(&header, sizeof header, 1, out);
        std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
        std::fwrite(bits, size, 1, out);
        std::fclose(out);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

TEST(ProgramsWindowWin32, MakesItsControlsAndAddsAProgramTypedInTheComboBox) {
    toolkit::win32::Win32Screen screen;
    toolkit::win32::Win32FormFactory forms(screen);
    fake::FakeRunningPrograms running;
    running.names = {"notepad.exe", "excel.exe"};
    std::vector<ProgramsChoice> applied;
    ProgramsWindow window(forms, 0, running,
                          [&](const ProgramsChoice& own) { applied.push_back(own); });
    ProgramsChoice inForce;
    inForce.pause.Add("mstsc.exe");
    Modes capsOn{};
    capsOn[0] = lockkeys::kForceOn;
    inForce.modes.Add({"typer.exe", capsOn});
    window.Load(inForce, {});
    window.Form().Show();
    auto& form = dynamic_cast<toolkit::win32::Win32Form&>(window.Form());
    for (const toolkit::ControlDesign& control : ProgramsFormDesign().controls) {
        EXPECT_NE(form.ControlWindow(control.id, control.index), nullptr) << control.id;
    }
    const HWND list = form.ControlWindow(ProgramsList);
    const HWND combo = form.ControlWindow(ProgramFileSetting);
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);
    ASSERT_TRUE(testing::WaitUntil("the window to be shown", [&] {
        return IsWindowVisible(reinterpret_cast<HWND>(form.hWnd())) != FALSE;
    }));

    // Typed into the box's own text box, then Add and Apply pressed.
    const HWND text = FindWindowExW(combo, nullptr, L"Edit", nullptr);
    for (const char c : std::string("calc.exe")) {
        SendMessageW(text, WM_CHAR, static_cast<WPARAM>(c), 1);
    }
    SendMessageW(form.ControlWindow(AddProgramButton), BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 2);
    SendMessageW(form.ControlWindow(CapsLockModeSetting, 3), BM_CLICK, 0, 0);
    SaveShot(reinterpret_cast<HWND>(form.hWnd()));
    SendMessageW(form.ControlWindow(ProgramsApplyButton), BM_CLICK, 0, 0);
    ASSERT_EQ(applied.size(), 1u);
    ASSERT_EQ(applied[0].modes.Programs().size(), 2u);
    Modes capsFree{};
    capsFree[0] = lockkeys::kAllowToggling;
    EXPECT_EQ(applied[0].modes.Programs()[1], (ProgramModes{"calc.exe", capsFree}));
    EXPECT_EQ(applied[0].pause.Names(), std::vector<std::string>{"mstsc.exe"});
}

TEST(RunningProgramsWin32, FindsAProgramThatShowsAWindow) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    wchar_t command[] = L"notepad.exe";
    ASSERT_NE(CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process),
              FALSE);
    win32::Win32RunningPrograms running;
    EXPECT_TRUE(testing::WaitUntil("Notepad among the running programs", [&] {
        const std::vector<std::string> names = running.Names();
        return std::ranges::any_of(names, [](const std::string& name) {
            return pause::SameProgramName(name, "notepad.exe");
        });
    }));
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace
}  // namespace keystead::programs
