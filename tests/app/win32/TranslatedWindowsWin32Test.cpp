// Every translated window through the real toolkit under Wine, at 96 and 144 DPI: each text
// reads back as the table says it, and none is cut.
#include <windows.h>

#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/MainLayout.h"
#include "display/DisplayWindow.h"
#include "language/Texts.h"
#include "programs/ProgramsWindow.h"
#include "toolkit/fake/FakeToolkit.h"
#include "toolkit/win32/Layout.h"
#include "toolkit/win32/Text.h"
#include "toolkit/win32/Win32Form.h"

namespace keystead::app {
namespace {

using language::Language;
using toolkit::ControlKind;
using toolkit::win32::Widen;
using toolkit::win32::Win32Form;

// Every window built from the table of texts.
using DesignOf = const toolkit::FormDesign& (*)(Language);
const DesignOf kWindows[] = {&MainFormDesign, &display::DisplayFormDesign,
                             &programs::ProgramsFormDesign};
const UINT kDpis[] = {96, 144};

// The windows fitted to their texts in a language: in English the settings window keeps the
// fixed design it always had, while the others have none and are fitted as in any other.
std::vector<DesignOf> FittedWindows(Language language) {
    if (language == Language::English) {
        return {&display::DisplayFormDesign, &programs::ProgramsFormDesign};
    }
    return {std::begin(kWindows), std::end(kWindows)};
}

std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

// The part of a control that its parents leave visible: a text that runs past the frame or
// the window it stands in is cut as surely as one past its own edge.
SIZE VisibleSize(HWND control) {
    RECT visible;
    GetClientRect(control, &visible);
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&visible), 2);
    for (HWND parent = GetParent(control); parent != nullptr; parent = GetParent(parent)) {
        RECT client;
        GetClientRect(parent, &client);
        MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&client), 2);
        IntersectRect(&visible, &visible, &client);
        if ((GetWindowLongPtrW(parent, GWL_STYLE) & WS_CHILD) == 0) {
            break;
        }
    }
    return {visible.right - visible.left, visible.bottom - visible.top};
}

// The room the control's text takes in the control's own font, '&' aside, with what the
// control draws beside it: the round or square glyph and its gap, a button's edges.
SIZE NeededSize(HWND control, ControlKind kind, UINT dpi) {
    const std::wstring text = WindowText(control);
    HDC dc = GetDC(control);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    HGDIOBJ old = SelectObject(dc, font);
    RECT rect{};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    int beside = 0;
    if (kind == ControlKind::CheckBox || kind == ControlKind::OptionButton) {
        beside = 13 + 4;  // the glyph, 13 pixels at 96 DPI, and the gap after it
    } else if (kind == ControlKind::CommandButton) {
        beside = 2 * 3;  // the raised edge and the focus rectangle on either side
    }
    return {rect.right - rect.left + MulDiv(beside, static_cast<int>(dpi), 96),
            rect.bottom - rect.top};
}

void ExpectWhole(HWND window, const toolkit::ControlDesign& control, const char* caption, UINT dpi,
                 const std::string& where) {
    const SIZE needed = NeededSize(window, control.kind, dpi);
    const SIZE visible = VisibleSize(window);
    EXPECT_LE(needed.cx, visible.cx) << where << ": \"" << caption << "\" is cut (" << needed.cx
                                     << " pixels wanted, " << visible.cx << " shown)";
    EXPECT_LE(needed.cy, visible.cy) << where << ": \"" << caption << "\" is cut below";
}

class TranslatedWindows : public ::testing::TestWithParam<Language> {
protected:
    // The window in the language at the DPI, as Windows moves it to such a monitor.
    std::unique_ptr<Win32Form> Build(const toolkit::FormDesign& design, UINT dpi) {
        auto form = forms_.Create(design, events_);
        auto* win32 = dynamic_cast<Win32Form*>(form.get());
        EXPECT_NE(win32, nullptr);
        form.release();
        std::unique_ptr<Win32Form> built(win32);
        if (dpi != toolkit::win32::SystemDpi()) {
            RECT suggested;
            GetWindowRect(Window(*built), &suggested);
            SendMessageW(Window(*built), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                         reinterpret_cast<LPARAM>(&suggested));
        }
        built->Show();  // the controls are made when the window first shows
        return built;
    }
    static HWND Window(const Win32Form& form) { return reinterpret_cast<HWND>(form.hWnd()); }

    toolkit::win32::Win32Screen screen_;
    toolkit::win32::Win32FormFactory forms_{screen_};
    toolkit::fake::NoFormEvents events_;
};

TEST_P(TranslatedWindows, ShowEveryTextWholeAsTheTableSaysIt) {
    const Language language = GetParam();
    for (const DesignOf designOf : FittedWindows(language)) {
        const toolkit::FormDesign& design = designOf(language);
        for (const UINT dpi : kDpis) {
            const std::unique_ptr<Win32Form> form = Build(design, dpi);
            const std::string where = std::string(design.caption) + " at " + std::to_string(dpi);
            EXPECT_EQ(WindowText(Window(*form)), Widen(design.caption)) << where;
            for (const toolkit::MenuItemDesign& item : design.systemMenu) {
                wchar_t shown[256] = {};
                GetMenuStringW(GetSystemMenu(Window(*form), FALSE), static_cast<UINT>(item.command),
                               shown, 256, MF_BYCOMMAND);
                EXPECT_EQ(std::wstring(shown), Widen(item.caption)) << where;
            }
            for (const toolkit::ControlDesign& control : design.controls) {
                if (control.kind == ControlKind::TextBox ||
                    control.kind == ControlKind::PictureBox) {
                    continue;
                }
                HWND window = form->ControlWindow(control.id, control.index);
                if (control.caption[0] != '\0') {
                    EXPECT_EQ(WindowText(window), Widen(control.caption)) << where;
                    ExpectWhole(window, control, control.caption, dpi, where);
                }
                for (const char* alternate : control.alternateCaptions) {
                    SetWindowTextW(window, Widen(alternate).c_str());
                    ExpectWhole(window, control, alternate, dpi, where);
                }
            }
        }
    }
}

// The display window's columns stay straight however wide a language's words: each sound
// button under the note button of its mode, and every row's controls from one edge.
TEST_P(TranslatedWindows, KeepTheDisplayWindowsColumnsStraight) {
    const std::unique_ptr<Win32Form> form = Build(display::DisplayFormDesign(GetParam()), 96);
    const auto left = [&](int id, int index = toolkit::kNoIndex) {
        RECT rect;
        GetWindowRect(form->ControlWindow(id, index), &rect);
        return rect.left;
    };
    for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
        for (int mode = 0; mode < 3; ++mode) {
            EXPECT_EQ(left(display::kSoundGroups[key], mode), left(display::kNoteGroups[0], mode))
                << key << " " << mode;
            EXPECT_EQ(left(display::kNoteGroups[key], mode), left(display::kNoteGroups[0], mode))
                << key << " " << mode;
        }
    }
    const LONG column = left(display::kNoteGroups[0], 0);
    EXPECT_EQ(left(display::PositionSetting, 6), column);
    EXPECT_EQ(left(display::MonitorSetting, 0), column);
    EXPECT_EQ(left(display::MonitorSetting, 2), column);
    EXPECT_EQ(left(display::MonitorSetting, 1), left(display::MonitorSetting, 3));
    EXPECT_EQ(left(display::NoteTimeSetting), column);
}

std::string TagOf(const ::testing::TestParamInfo<Language>& info) {
    std::string tag = language::kLanguageTags[static_cast<std::size_t>(info.param)];
    for (char& c : tag) {
        c = c == '-' ? '_' : c;
    }
    return tag;
}

// Every language but English with all its windows; English with those fitted (FittedWindows).
INSTANTIATE_TEST_SUITE_P(AllButEnglish, TranslatedWindows,
                         ::testing::Values(Language::German, Language::French, Language::Spanish,
                                           Language::Italian, Language::PortugueseBrazil,
                                           Language::Dutch, Language::Polish, Language::Russian,
                                           Language::Japanese, Language::ChineseSimplified),
                         TagOf);
INSTANTIATE_TEST_SUITE_P(EnglishFitted, TranslatedWindows, ::testing::Values(Language::English),
                         TagOf);

}  // namespace
}  // namespace keystead::app
