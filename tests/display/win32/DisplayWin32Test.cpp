// The note window and the drawn icon on the real platform: a note never takes the focus,
// carries its text and the styles that keep it out of the way, and goes when its time is up;
// the icon handed to the notification area holds the pixels drawn.
#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <vector>

#include "display/win32/Win32IconPainter.h"
#include "display/win32/Win32NoteScreen.h"
#include "tests/support/win32/EditBox.h"
#include "tests/support/win32/Wait.h"
#include "toolkit/win32/Library.h"
#include "toolkit/win32/Pictures.h"

namespace keystead::display::win32 {
namespace {

using namespace std::chrono_literals;
using keystead::testing::HoldsFor;
using keystead::testing::WaitUntil;
using toolkit::win32::LibraryFunction;

// The screen-reader flag, set for one test and put back as it was.
class ScreenReaderFlag {
public:
    explicit ScreenReaderFlag(bool on) {
        SystemParametersInfoW(SPI_GETSCREENREADER, 0, &was_, 0);
        SystemParametersInfoW(SPI_SETSCREENREADER, on, nullptr, 0);
    }
    ScreenReaderFlag(const ScreenReaderFlag&) = delete;
    ScreenReaderFlag& operator=(const ScreenReaderFlag&) = delete;
    ~ScreenReaderFlag() { SystemParametersInfoW(SPI_SETSCREENREADER, was_, nullptr, 0); }

private:
    BOOL was_ = FALSE;
};

// COM from ole32 loaded by hand, as the note loads it: a test that linked ole32 would have it
// mapped from the start.
class Ole32 {
public:
    HRESULT Initialize() const {
        return Function<decltype(&CoInitializeEx)>("CoInitializeEx")(nullptr,
                                                                     COINIT_APARTMENTTHREADED);
    }
    void Uninitialize() const { Function<decltype(&CoUninitialize)>("CoUninitialize")(); }
    // Whether COM is off on this thread, as the note must leave it: it starts afresh.
    bool Off() const {
        const HRESULT started = Initialize();
        Uninitialize();
        return started == S_OK;
    }
    HRESULT Register(const CLSID& id, IUnknown* object, DWORD* cookie) const {
        return Function<decltype(&CoRegisterClassObject)>("CoRegisterClassObject")(
            id, object, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, cookie);
    }
    void Revoke(DWORD cookie) const {
        Function<decltype(&CoRevokeClassObject)>("CoRevokeClassObject")(cookie);
    }

private:
    template <typename F>
    F Function(const char* name) const {
        const F function = LibraryFunction<F>(library_.get(), name);
        EXPECT_NE(function, nullptr) << name;
        return function;
    }
    toolkit::win32::UniqueLibrary library_ = toolkit::win32::LoadSystemLibrary(L"ole32.dll");
};

// The annotation service of Active Accessibility, and UI Automation's live setting.
constexpr CLSID kAnnotationService = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID kAnnotationInterface = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr MSAAPROPID kLiveSetting = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};

// What the note asked of the annotation service about a window.
struct Annotation {
    HWND window;
    DWORD object;
    DWORD child;
    MSAAPROPID property;
    VARTYPE type;
    LONG value;
    bool windowAlive;
    bool operator==(const Annotation&) const = default;
    friend void PrintTo(const Annotation& a, std::ostream* out) {
        *out << "{window " << a.window << ", object " << static_cast<LONG>(a.object) << ", child "
             << a.child << ", live setting " << (a.property == kLiveSetting) << ", type " << a.type
             << ", value " << a.value << ", window alive " << a.windowAlive << "}";
    }
};

// Stands in for the annotation service, as the class of that name on this thread: Wine's own
// service takes no property (E_NOTIMPL), so only a stand-in shows what the note sets.
class AnnotationService final : public IClassFactory, public IAccPropServices {
public:
    std::vector<Annotation> set;
    std::vector<Annotation> cleared;

    HRESULT WINAPI QueryInterface(REFIID id, void** object) override {
        *object = nullptr;
        if (id == kAnnotationInterface) {
            *object = static_cast<IAccPropServices*>(this);
        } else if (id == __uuidof(IUnknown) || id == __uuidof(IClassFactory)) {
            *object = static_cast<IClassFactory*>(this);
        }
        return *object != nullptr ? S_OK : E_NOINTERFACE;
    }
    // Lives on the test's stack, beyond every reference COM holds.
    ULONG WINAPI AddRef() override { return 2; }
    ULONG WINAPI Release() override { return 1; }
    HRESULT WINAPI CreateInstance(IUnknown* outer, REFIID id, void** object) override {
        return outer != nullptr ? CLASS_E_NOAGGREGATION : QueryInterface(id, object);
    }
    HRESULT WINAPI LockServer(BOOL) override { return S_OK; }

    HRESULT WINAPI SetHwndProp(HWND window, DWORD object, DWORD child, MSAAPROPID property,
                               VARIANT value) override {
        set.push_back(
            {window, object, child, property, value.vt, value.lVal, IsWindow(window) != FALSE});
        return S_OK;
    }
    HRESULT WINAPI ClearHwndProps(HWND window, DWORD object, DWORD child,
                                  const MSAAPROPID* properties, int count) override {
        for (int i = 0; i < count; ++i) {
            cleared.push_back(
                {window, object, child, properties[i], VT_EMPTY, 0, IsWindow(window) != FALSE});
        }
        return S_OK;
    }

    // Nothing the note asks for.
    HRESULT WINAPI SetPropValue(const BYTE*, DWORD, MSAAPROPID, VARIANT) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetPropServer(const BYTE*, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                 AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearProps(const BYTE*, DWORD, const MSAAPROPID*, int) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetHwndPropStr(HWND, DWORD, DWORD, MSAAPROPID, LPCWSTR) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetHwndPropServer(HWND, DWORD, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                     AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE**, DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI DecomposeHwndIdentityString(const BYTE*, DWORD, HWND*, DWORD*, DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                      AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearHmenuProps(HMENU, DWORD, const MSAAPROPID*, int) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ComposeHmenuIdentityString(HMENU, DWORD, BYTE**, DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI DecomposeHmenuIdentityString(const BYTE*, DWORD, HMENU*, DWORD*) override {
        return E_NOTIMPL;
    }
};

const NoteLook kLook{{0, 0, 0}, {0, 153, 255}, "MS Sans Serif"};

// A note without a screen reader: how many of its checks fail, each named on stderr.
int FaultsOfANoteWithoutAScreenReader() {
    int faults = 0;
    const auto expect = [&faults](bool holds, const char* what) {
        if (!holds) {
            std::fprintf(stderr, "%s\n", what);
            ++faults;
        }
    };
    expect(GetModuleHandleW(L"ole32.dll") == nullptr, "ole32 loaded before the note");
    ScreenReaderFlag off(false);
    Win32NoteScreen screen(kLook);
    screen.ShowNote("Caps Lock is held off", 2, 500, true);
    expect(screen.NoteWindow() != nullptr, "no note");
    expect(screen.LiveSetting() == nullptr, "a live setting made");
    expect(GetModuleHandleW(L"ole32.dll") == nullptr, "ole32 loaded");
    expect(GetModuleHandleW(L"oleacc.dll") == nullptr, "oleacc loaded");
    return faults;
}

// In a process of its own, whatever ran before: ole32, once loaded, stays.
TEST(NoteWindow, BringsNoComInWithoutAScreenReader) {
    EXPECT_EXIT(std::exit(FaultsOfANoteWithoutAScreenReader()), ::testing::ExitedWithCode(0), "");
}

TEST(NoteWindow, ShowsWithoutTakingTheFocusAndGoesWhenItsTimeIsUp) {
    const keystead::testing::EditBox edit;
    ASSERT_TRUE(edit.Focus());
    const HWND front = GetForegroundWindow();

    Win32NoteScreen screen(kLook);
    EXPECT_EQ(screen.NoteWindow(), nullptr) << "created only when needed";
    screen.ShowNote("Caps Lock is held off", 2, 500, true);
    HWND note = screen.NoteWindow();
    ASSERT_NE(note, nullptr);
    wchar_t text[64] = {};
    GetWindowTextW(note, text, 64);
    EXPECT_STREQ(text, L"Caps Lock is held off");
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(note, GWL_EXSTYLE));
    const DWORD wanted =
        WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    EXPECT_EQ(exStyle & wanted, wanted);
    EXPECT_TRUE(IsWindowVisible(note));
    EXPECT_TRUE(HoldsFor(
        "the edit box in front with the focus",
        [&] { return GetForegroundWindow() == front && GetFocus() == edit.Handle(); }, 50ms));

    // In the work area's bottom centre.
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT place{};
    GetWindowRect(note, &place);
    EXPECT_GT(place.top, (work.top + work.bottom) / 2);
    EXPECT_LE(place.bottom, work.bottom);
    EXPECT_NEAR((place.left + place.right) / 2, (work.left + work.right) / 2, 2);

    // How soon it goes is the benchmark's to measure: here only that it goes.
    screen.ShowNote("Num Lock on", 2, 500, false);
    EXPECT_EQ(screen.NoteWindow(), note) << "a new note replaces the one shown";
    EXPECT_TRUE(WaitUntil("the note to go", [&] { return screen.NoteWindow() == nullptr; }));
    EXPECT_FALSE(IsWindow(note));
}

// The property set, and cleared while the window still stands, as the annotation service
// asks: shown through a stand-in for the service.
TEST(NoteWindow, IsAnAssertiveLiveRegionWhileAScreenReaderRuns) {
    ScreenReaderFlag on(true);
    const Ole32 com;
    AnnotationService service;
    HWND note = nullptr;
    {
        ASSERT_EQ(com.Initialize(), S_OK);
        DWORD cookie = 0;
        ASSERT_EQ(com.Register(kAnnotationService, static_cast<IClassFactory*>(&service), &cookie),
                  S_OK);
        Win32NoteScreen screen(kLook);
        screen.ShowNote("Caps Lock on", 2, 300, false);
        EXPECT_EQ(screen.LiveSetting(), nullptr) << "only a note of a key put back cuts in";
        screen.ShowNote("Caps Lock is held off", 2, 300, true);
        note = screen.NoteWindow();
        EXPECT_NE(note, nullptr);
        const AssertiveLiveSetting* live = screen.LiveSetting();
        EXPECT_NE(live, nullptr);
        EXPECT_EQ(live != nullptr ? live->Result() : E_FAIL, S_OK);
        EXPECT_TRUE(WaitUntil("the note to go", [&] { return screen.NoteWindow() == nullptr; }));
        EXPECT_EQ(screen.LiveSetting(), nullptr);
        com.Revoke(cookie);
        com.Uninitialize();
    }
    const auto client = static_cast<DWORD>(OBJID_CLIENT);
    EXPECT_EQ(service.set,
              (std::vector<Annotation>{{note, client, CHILDID_SELF, kLiveSetting, VT_I4, 2, true}}))
        << "assertive (2) on the note's client area";
    EXPECT_EQ(
        service.cleared,
        (std::vector<Annotation>{{note, client, CHILDID_SELF, kLiveSetting, VT_EMPTY, 0, true}}))
        << "cleared before the window goes";
    EXPECT_TRUE(com.Off()) << "COM left as it was found";
}

// The system's own service: Windows' takes the property, Wine's answers E_NOTIMPL, so under
// Wine this shows only that the service is made and the note shows, readable, whatever the
// answer; the stand-in above shows what is set.
TEST(NoteWindow, ShowsWhateverTheSystemsAnnotationServiceAnswers) {
    ScreenReaderFlag on(true);
    Win32NoteScreen screen(kLook);
    screen.ShowNote("Caps Lock is held off", 2, 300, true);
    HWND note = screen.NoteWindow();
    ASSERT_NE(note, nullptr);
    wchar_t text[64] = {};
    GetWindowTextW(note, text, 64);
    EXPECT_STREQ(text, L"Caps Lock is held off") << "what the screen reader reads out";
    const AssertiveLiveSetting* live = screen.LiveSetting();
    ASSERT_NE(live, nullptr);
    EXPECT_EQ(live->Window(), note);
    EXPECT_NE(GetModuleHandleW(L"oleacc.dll"), nullptr) << "no annotation service made";
    EXPECT_TRUE(live->Result() == S_OK || live->Result() == E_NOTIMPL) << live->Result();
    EXPECT_TRUE(IsWindowVisible(note));
    EXPECT_TRUE(WaitUntil("the note to go", [&] { return screen.NoteWindow() == nullptr; }));
    EXPECT_EQ(screen.LiveSetting(), nullptr);
    EXPECT_TRUE(Ole32().Off()) << "COM left as it was found";
}

TEST(NoteWindow, LastingNotesStandSideBySide) {
    Win32NoteScreen screen(kLook);
    screen.ShowLasting({"Caps Lock on", "Num Lock on"}, 8);
    HWND caps = FindWindowW(Win32NoteScreen::ClassName(), L"Caps Lock on");
    HWND num = FindWindowW(Win32NoteScreen::ClassName(), L"Num Lock on");
    ASSERT_NE(caps, nullptr);
    ASSERT_NE(num, nullptr);
    RECT left{};
    RECT right{};
    GetWindowRect(caps, &left);
    GetWindowRect(num, &right);
    EXPECT_LE(left.right, right.left);
    EXPECT_EQ(left.top, right.top);
    screen.ShowLasting({}, 8);
    EXPECT_FALSE(IsWindow(caps));
}

// The pixels as the shell reads them from the icon.
std::vector<std::uint32_t> IconBits(HICON icon, int size) {
    ICONINFO info{};
    GetIconInfo(icon, &info);
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = size;
    header.bmiHeader.biHeight = -size;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> bits(static_cast<std::size_t>(size * size));
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, info.hbmColor, 0, static_cast<UINT>(size), bits.data(), &header,
              DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bits;
}

TEST(DrawnIcon, TheIconHoldsThePixelsDrawnForEachState) {
    Win32IconPainter painter;
    const int size = painter.IconSize();
    ASSERT_GE(size, 16);
    IconLook look;
    look.on = {true, false, true};
    look.held = {true, true, false};
    for (bool suspended : {false, true}) {
        look.suspended = suspended;
        const IconPixels drawn = DrawKeyIcon(look, size);
        const auto picture = painter.MakePicture(drawn);
        ASSERT_NE(picture, nullptr);
        const auto* icon = static_cast<const toolkit::win32::Win32Picture*>(picture.get());
        EXPECT_EQ(IconBits(icon->Get(), size), drawn.argb) << suspended;
    }
}

}  // namespace
}  // namespace keystead::display::win32
