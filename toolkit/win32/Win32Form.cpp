#include "toolkit/win32/Win32Form.h"

#include <windowsx.h>

#include <commctrl.h>

#include <uxtheme.h>

#include <algorithm>
#include <cmath>
#include <exception>

#include "toolkit/ToolkitError.h"
#include "toolkit/win32/Text.h"
#include "toolkit/win32/Win32SystemNotices.h"

namespace keystead::toolkit::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"KeysteadForm";
constexpr wchar_t kFrameClass[] = L"KeysteadFrame";
constexpr UINT_PTR kTimerId = 1;
constexpr int kFirstCommandId = 100;
constexpr int kTwipsPerInch = 1440;

// Windows 8.1 and later know these; looked up at run time so that older systems and Wine
// still start.
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

template <typename Fn>
Fn User32Function(const char* name) {
    return reinterpret_cast<Fn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

UINT SystemDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

UINT WindowDpi(HWND hwnd) {
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow != nullptr && hwnd != nullptr) {
        if (UINT dpi = getDpiForWindow(hwnd); dpi != 0) {
            return dpi;
        }
    }
    return SystemDpi();
}

// An elevated program does not hear Explorer's TaskbarCreated broadcast unless it lets the
// message through the filter between privilege levels (Windows 7 and later).
void AllowTaskbarCreated(HWND hwnd) {
    using ChangeFilterFn = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    static const auto changeFilter = User32Function<ChangeFilterFn>("ChangeWindowMessageFilterEx");
    constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW
    if (changeFilter != nullptr) {
        changeFilter(hwnd, RegisterWindowMessageW(L"TaskbarCreated"), kAllow, nullptr);
    }
}

COLORREF ToColorRef(Rgb color) {
    return RGB(color.red, color.green, color.blue);
}

const UINT kTaskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");

int ShiftState() {
    int shift = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        shift |= kShiftMask;
    if (GetKeyState(VK_CONTROL) < 0)
        shift |= kCtrlMask;
    if (GetKeyState(VK_MENU) < 0)
        shift |= kAltMask;
    return shift;
}

void RegisterClasses() {
    static bool registered = false;
    if (registered) {
        return;
    }
    registered = true;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW form{};
    form.cbSize = sizeof form;
    form.lpfnWndProc = DefWindowProcW;  // replaced per window in the constructor
    form.hInstance = instance;
    form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    form.lpszClassName = kFormClass;
    RegisterClassExW(&form);

    WNDCLASSEXW frame = form;
    frame.lpszClassName = kFrameClass;
    RegisterClassExW(&frame);
}

// The icon resource at one size, or the system's application icon when the program
// carries none (test executables).
std::unique_ptr<Win32Picture> LoadPicture(int resource, int size) {
    if (resource != 0) {
        auto icon =
            static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource),
                                          IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
        if (icon != nullptr) {
            return std::make_unique<Win32Picture>(icon, true);
        }
    }
    return std::make_unique<Win32Picture>(LoadIconW(nullptr, IDI_APPLICATION), false);
}

Win32Form* FormOf(HWND hwnd) {
    return reinterpret_cast<Win32Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

// Counts the forms that are loaded: the loop ends when the last one goes.
int gOpenForms = 0;

}  // namespace

Win32Screen::Win32Screen() {
    HDC screen = GetDC(nullptr);
    int x = GetDeviceCaps(screen, LOGPIXELSX);
    int y = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    twipsPerPixelX_ = static_cast<float>(kTwipsPerInch) / static_cast<float>(x > 0 ? x : 96);
    twipsPerPixelY_ = static_cast<float>(kTwipsPerInch) / static_cast<float>(y > 0 ? y : 96);
}

Win32Form::Win32Form(const FormDesign& design, FormEvents& events, const Screen& screen)
    : design_(design), events_(events), screen_(screen) {
    RegisterClasses();
    // A fixed single border: a title bar with its system menu, no sizing, no maximising.
    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    hwnd_ = CreateWindowExW(WS_EX_CONTROLPARENT, kFormClass, Widen(design.caption).c_str(), kStyle,
                            CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    if (hwnd_ == nullptr) {
        throw ToolkitError("cannot create the window");
    }
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc));
    dpi_ = WindowDpi(hwnd_);
    AllowTaskbarCreated(hwnd_);

    bigIcon_ = LoadPicture(design.icon, GetSystemMetrics(SM_CXICON));
    smallIcon_ = LoadPicture(design.icon, GetSystemMetrics(SM_CXSMICON));
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_->Get()));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_->Get()));

    CreateFonts();
    CreateControls();
    ApplyLayout();
    notices_ = std::make_unique<Win32SystemNotices>(hwnd_, events_);  // system notices: start
    ++gOpenForms;
    loaded_ = true;
}

Win32Form::~Win32Form() {
    if (hwnd_ != nullptr) {
        unloading_ = true;
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        KillTimer(hwnd_, kTimerId);
        notices_.reset();  // system notices: stop
        DestroyWindow(hwnd_);
        --gOpenForms;
    }
}

int Win32Form::Scale(int twips) const {
    return MulDiv(twips, static_cast<int>(dpi_), kTwipsPerInch);
}

void Win32Form::CreateFonts() {
    // Points to pixels at this DPI; negative asks for the character height.
    LONG height =
        -static_cast<LONG>(std::lround(design_.fontPoints * static_cast<float>(dpi_) / 72.0f));
    LOGFONTW font{};
    font.lfHeight = height;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = ANSI_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(font.lfFaceName, Widen(design_.fontFace).c_str(), LF_FACESIZE);
    font_.reset(CreateFontIndirectW(&font));
    font.lfWeight = FW_BOLD;
    boldFont_.reset(CreateFontIndirectW(&font));
}

HWND Win32Form::ContainerWindow(int containerId) {
    if (containerId == kOnForm) {
        return hwnd_;
    }
    for (auto& [id, window] : containers_) {
        if (id == containerId) {
            return window;
        }
    }
    // A frame is created where its first control stands in the tab order, since a
    // container's place among its siblings decides when Tab reaches the controls inside.
    HWND frame = CreateWindowExW(WS_EX_CONTROLPARENT, kFrameClass, L"",
                                 WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, hwnd_,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(frame, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameProc));
    containers_.emplace_back(containerId, frame);
    return frame;
}

void Win32Form::CreateControls() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    int nextId = kFirstCommandId;
    int lastGroup = -1;
    for (const ControlDesign& control : design_.controls) {
        if (control.kind == ControlKind::Frame) {
            ContainerWindow(control.id);
            controls_.push_back({&control, ContainerWindow(control.id), 0});
            continue;
        }
        if (control.kind == ControlKind::PictureBox) {
            // Holds an image only; it is never shown, so it needs no window.
            pictures_.emplace_back(control.id,
                                   LoadPicture(control.picture, GetSystemMetrics(SM_CXSMICON)));
            controls_.push_back({&control, nullptr, 0});
            continue;
        }
        const wchar_t* className = L"BUTTON";
        DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
        DWORD exStyle = 0;
        switch (control.kind) {
            case ControlKind::Label:
                className = L"STATIC";
                style |= control.align == TextAlign::Right    ? SS_RIGHT
                         : control.align == TextAlign::Center ? SS_CENTER
                                                              : SS_LEFT;
                break;
            case ControlKind::OptionButton:
                style |= BS_AUTORADIOBUTTON;
                if (control.id != lastGroup) {
                    style |= WS_GROUP;  // the first button of a group starts it
                }
                break;
            case ControlKind::CheckBox:
                style |= BS_3STATE | WS_TABSTOP | WS_GROUP;  // 3-state: code may set grayed
                break;
            case ControlKind::TextBox:
                className = L"EDIT";
                style |= ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP;
                exStyle = WS_EX_CLIENTEDGE;
                break;
            case ControlKind::CommandButton:
                style |=
                    (control.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP | WS_GROUP;
                break;
            default:
                break;
        }
        if (control.kind != ControlKind::OptionButton) {
            lastGroup = -1;
        } else {
            lastGroup = control.id;
        }
        if (control.visible) {
            style |= WS_VISIBLE;
        }
        if (!control.enabled) {
            style |= WS_DISABLED;
        }
        // Enter and Esc reach the buttons through the dialog manager's IDOK and IDCANCEL.
        int commandId = control.isDefault ? IDOK : control.isCancel ? IDCANCEL : nextId++;
        HWND window = CreateWindowExW(exStyle, className, Widen(control.caption).c_str(), style, 0,
                                      0, 0, 0, ContainerWindow(control.container),
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(commandId)),
                                      instance, nullptr);
        if (control.kind == ControlKind::TextBox) {
            SendMessageW(window, EM_SETLIMITTEXT, 0, 0);  // no limit but the system's
            SetWindowSubclass(window, &TextBoxProc, 0, reinterpret_cast<DWORD_PTR>(this));
        }
        if (control.kind == ControlKind::OptionButton || control.kind == ControlKind::CheckBox) {
            // Themed buttons draw their text in the theme's colour, not the window's.
            SetWindowTheme(window, L"", L"");
            if (control.value) {
                SendMessageW(window, BM_SETCHECK, BST_CHECKED, 0);
            }
        }
        controls_.push_back({&control, window, commandId});
    }
    for (const auto& [id, frame] : containers_) {
        UpdateTabStop(id);
    }
}

void Win32Form::UpdateTabStop(int containerId) {
    // Tab enters an option group at its selected button (at the first one while none is
    // selected), so only that button carries the tab stop.
    const Control* first = nullptr;
    const Control* selected = nullptr;
    for (const Control& control : controls_) {
        if (control.design->kind != ControlKind::OptionButton ||
            control.design->container != containerId) {
            continue;
        }
        if (first == nullptr)
            first = &control;
        if (SendMessageW(control.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED)
            selected = &control;
    }
    const Control* stop = selected != nullptr ? selected : first;
    for (const Control& control : controls_) {
        if (control.design->kind == ControlKind::OptionButton &&
            control.design->container == containerId) {
            LONG_PTR style = GetWindowLongPtrW(control.hwnd, GWL_STYLE);
            style = &control == stop ? (style | WS_TABSTOP) : (style & ~LONG_PTR{WS_TABSTOP});
            SetWindowLongPtrW(control.hwnd, GWL_STYLE, style);
        }
    }
}

void Win32Form::MoveFocus(HWND target) {
    if (target == nullptr) {
        return;
    }
    // As in a dialog: a text box that gets the focus from the keyboard selects its text.
    if (SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
        SendMessageW(target, EM_SETSEL, 0, -1);
    }
    SetFocus(target);
}

RECT Win32Form::WindowRectForClient() const {
    RECT rect{0, 0, Scale(design_.clientWidth), Scale(design_.clientHeight)};
    DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
    DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE));
    static const auto adjustForDpi =
        User32Function<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    if (adjustForDpi != nullptr) {
        adjustForDpi(&rect, style, FALSE, exStyle, dpi_);
    } else {
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    }
    return rect;
}

void Win32Form::ApplyLayout() {
    RECT frame = WindowRectForClient();
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const Control& control : controls_) {
        if (control.hwnd == nullptr) {
            continue;
        }
        HFONT font = control.design->bold ? boldFont_.get() : font_.get();
        SendMessageW(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        const Twips& b = control.design->bounds;
        // Sizes from the scaled edges, so that neighbours meet exactly at every DPI.
        int left = Scale(b.left);
        int top = Scale(b.top);
        SetWindowPos(control.hwnd, nullptr, left, top, Scale(b.left + b.width) - left,
                     Scale(b.top + b.height) - top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Win32Form::OnDpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    // The controls still draw with the old fonts: free those only once all have the new.
    UniqueFont oldFont = std::move(font_);
    UniqueFont oldBoldFont = std::move(boldFont_);
    CreateFonts();
    ApplyLayout();
    // Where Windows suggests, at the size our own layout needs.
    RECT frame = WindowRectForClient();
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form::Load() {
    events_.Form_Load();
}

void Win32Form::Show() {
    if (!loaded_) {
        return;
    }
    ShowWindow(hwnd_, IsIconic(hwnd_) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(hwnd_);
}

void Win32Form::Hide() {
    if (loaded_) {
        ShowWindow(hwnd_, SW_HIDE);
    }
}

bool Win32Form::Visible() const {
    return loaded_ && IsWindowVisible(hwnd_) != FALSE;
}

void Win32Form::Unload() {
    if (!loaded_ || unloading_) {
        return;
    }
    bool cancel = false;
    events_.Form_Unload(cancel);
    if (cancel) {
        return;
    }
    unloading_ = true;
    KillTimer(hwnd_, kTimerId);
    ShowWindow(hwnd_, SW_HIDE);
    loaded_ = false;
    // The window itself goes when the message that asked for this has been handled: a
    // handler further up the stack may still be using it.
    PostMessageW(hwnd_, WM_CLOSE, 0, 0);
}

void Win32Form::Start(std::uint32_t milliseconds) {
    if (hwnd_ != nullptr) {
        SetTimer(hwnd_, kTimerId, milliseconds, nullptr);  // replaces a running one
    }
}

void Win32Form::Stop() {
    if (hwnd_ != nullptr) {
        KillTimer(hwnd_, kTimerId);
    }
}

const Win32Form::Control& Win32Form::At(int id, int index) const {
    for (const Control& control : controls_) {
        if (control.design->id == id && control.design->index == index) {
            return control;
        }
    }
    throw ToolkitError("no such control: " + std::to_string(id) + "(" + std::to_string(index) +
                       ")");
}

const Win32Form::Control* Win32Form::FindByWindow(HWND hwnd) const {
    for (const Control& control : controls_) {
        if (control.hwnd == hwnd && control.commandId != 0) {
            return &control;
        }
    }
    return nullptr;
}

const Win32Form::Control* Win32Form::FindByCommand(int commandId) const {
    for (const Control& control : controls_) {
        if (control.commandId == commandId) {
            return &control;
        }
    }
    return nullptr;
}

HWND Win32Form::ControlWindow(int id, int index) const {
    return At(id, index).hwnd;
}

const Picture& Win32Form::PictureOf(int id) const {
    for (const auto& [pictureId, picture] : pictures_) {
        if (pictureId == id) {
            return *picture;
        }
    }
    throw ToolkitError("no picture box: " + std::to_string(id));
}

bool Win32Form::OptionValue(int id, int index) const {
    return SendMessageW(At(id, index).hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Form::SetOptionValue(int id, int index, bool value) {
    const Control& chosen = At(id, index);
    bool wasSelected = OptionValue(id, index);
    if (value) {
        // BM_SETCHECK leaves the other buttons alone: clear those of the same container.
        for (const Control& control : controls_) {
            if (control.design->kind == ControlKind::OptionButton &&
                control.design->container == chosen.design->container && &control != &chosen) {
                SendMessageW(control.hwnd, BM_SETCHECK, BST_UNCHECKED, 0);
            }
        }
    }
    SendMessageW(chosen.hwnd, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
    UpdateTabStop(chosen.design->container);
    if (value && !wasSelected) {
        events_.Control_Click(id, index);
    }
}

int Win32Form::CheckValue(int id) const {
    auto state = SendMessageW(At(id, kNoIndex).hwnd, BM_GETCHECK, 0, 0);
    return state == BST_CHECKED ? kChecked : state == BST_INDETERMINATE ? kGrayed : kUnchecked;
}

void Win32Form::SetCheckValue(int id, int value) {
    if (value < kUnchecked || value > kGrayed) {
        throw ToolkitError("check box value out of range");
    }
    if (CheckValue(id) == value) {
        return;
    }
    WPARAM state = value == kChecked  ? BST_CHECKED
                   : value == kGrayed ? BST_INDETERMINATE
                                      : BST_UNCHECKED;
    SendMessageW(At(id, kNoIndex).hwnd, BM_SETCHECK, state, 0);
    events_.Control_Click(id, kNoIndex);
}

std::string Win32Form::Text(int id) const {
    HWND window = At(id, kNoIndex).hwnd;
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

void Win32Form::SetText(int id, const std::string& text) {
    if (Text(id) == text) {
        return;  // an unchanged text is no change
    }
    ++quietChanges_;  // the edit control's own EN_CHANGE is replaced by the one below
    SetWindowTextW(At(id, kNoIndex).hwnd, Widen(text).c_str());
    --quietChanges_;
    events_.Control_Change(id);
}

bool Win32Form::Enabled(int id) const {
    return IsWindowEnabled(At(id, kNoIndex).hwnd) != FALSE;
}

void Win32Form::SetEnabled(int id, bool enabled) {
    HWND window = At(id, kNoIndex).hwnd;
    if (!enabled && GetFocus() == window) {
        // A disabled control that keeps the focus leaves the keyboard nowhere to go.
        SendMessageW(hwnd_, WM_NEXTDLGCTL, 0, FALSE);
    }
    EnableWindow(window, enabled ? TRUE : FALSE);
}

std::string Win32Form::Caption(int id) const {
    return Text(id);
}

void Win32Form::SetCaption(int id, const std::string& caption) {
    SetWindowTextW(At(id, kNoIndex).hwnd, Widen(caption).c_str());
}

void Win32Form::OnCommand(int commandId, int code, HWND source) {
    const Control* control = source != nullptr ? FindByWindow(source) : FindByCommand(commandId);
    if (control == nullptr) {
        // IDOK and IDCANCEL from the dialog manager name the button by its id alone.
        control = FindByCommand(commandId);
    }
    if (control == nullptr) {
        return;
    }
    const ControlDesign& design = *control->design;
    switch (design.kind) {
        case ControlKind::CommandButton:
            if (code == BN_CLICKED && IsWindowEnabled(control->hwnd)) {
                events_.Control_Click(design.id, design.index);
            }
            break;
        case ControlKind::OptionButton:
            if (code == BN_CLICKED) {
                UpdateTabStop(design.container);
                events_.Control_Click(design.id, design.index);
            }
            break;
        case ControlKind::CheckBox:
            if (code == BN_CLICKED) {
                // A click ticks an unticked box and clears a ticked or grayed one.
                bool ticked = SendMessageW(control->hwnd, BM_GETCHECK, 0, 0) == BST_UNCHECKED;
                SendMessageW(control->hwnd, BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
                events_.Control_Click(design.id, design.index);
            }
            break;
        case ControlKind::TextBox:
            if (code == EN_CHANGE && quietChanges_ == 0) {
                events_.Control_Change(design.id);
            }
            break;
        default:
            break;
    }
}

LRESULT Win32Form::OnControlColor(HDC dc, HWND control) {
    const Control* found = FindByWindow(control);
    if (found != nullptr && found->design->kind == ControlKind::TextBox) {
        return DefWindowProcW(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(control));
    }
    SetTextColor(dc, ToColorRef(design_.foreground));
    SetBkColor(dc, ToColorRef(design_.background));
    SetDCBrushColor(dc, ToColorRef(design_.background));
    return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
}

void Win32Form::OnMouseMove(WPARAM wParam, LPARAM lParam) {
    // The shell reports mouse activity on our notification-area icon with this message,
    // the mouse message in the low word. Real pointer movement over the window carries the
    // pointer's own position: leave that out, or at 150 % scaling a move along the top row
    // at x = 513..518 would read as a tray command.
    DWORD position = GetMessagePos();
    POINT pointer{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    ScreenToClient(hwnd_, &pointer);
    if (pointer.x == GET_X_LPARAM(lParam) && pointer.y == GET_Y_LPARAM(lParam)) {
        return;
    }
    auto button = static_cast<std::int16_t>(wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON));
    auto shift = static_cast<std::int16_t>(ShiftState());
    float x = static_cast<float>(LOWORD(lParam)) * screen_.TwipsPerPixelX();
    float y = static_cast<float>(HIWORD(lParam)) * screen_.TwipsPerPixelY();
    mouseMove_.Raise(button, shift, x, y);
}

LRESULT Win32Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Between unloading and the window's end, input and the timer reach no handler.
    if (!loaded_ && (message == WM_COMMAND || message == WM_MOUSEMOVE || message == WM_TIMER ||
                     message == kTaskbarCreated)) {
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
    if (LRESULT result = 0;
        loaded_ && notices_ && notices_->Handle(message, wParam, lParam, result)) {
        return result;  // system notices: dispatch
    }
    switch (message) {
        case WM_ENDSESSION:
            // Windows is logging off or shutting down: the process ends without a WM_CLOSE,
            // so unload now, which saves the settings and the registration.
            if (wParam != FALSE) {
                Unload();
            }
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            if (message == WM_CTLCOLORBTN) {
                const Control* found = FindByWindow(reinterpret_cast<HWND>(lParam));
                if (found != nullptr && found->design->kind == ControlKind::CommandButton) {
                    break;  // buttons keep the system's colours
                }
            }
            return OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(hwnd_, &client);
            SetDCBrushColor(reinterpret_cast<HDC>(wParam), ToColorRef(design_.background));
            FillRect(reinterpret_cast<HDC>(wParam), &client,
                     static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
            return 1;
        }
        case WM_TIMER:
            if (wParam == kTimerId) {
                timer_.Fire();
            }
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(wParam, lParam);
            return 0;
        case WM_ACTIVATE:
            // Keep the focused control across deactivation, as a dialog does.
            if (LOWORD(wParam) == WA_INACTIVE) {
                lastFocus_ = GetFocus();
            } else if (HIWORD(wParam) == 0) {  // not while minimised
                HWND target = lastFocus_ != nullptr && IsChild(hwnd_, lastFocus_)
                                  ? lastFocus_
                                  : GetNextDlgTabItem(hwnd_, nullptr, FALSE);
                if (target != nullptr) {
                    SetFocus(target);
                }
            }
            return 0;
        case WM_NEXTDLGCTL:
            // The dialog manager moves the focus with this message, as for the access key of
            // a label; a plain window must carry it out itself.
            if (LOWORD(lParam) != 0) {
                MoveFocus(reinterpret_cast<HWND>(wParam));
            } else {
                MoveFocus(GetNextDlgTabItem(hwnd_, GetFocus(), wParam != 0 ? TRUE : FALSE));
            }
            return 0;
        case DM_GETDEFID:
            return MAKELRESULT(IDOK, DC_HASDEFID);
        case WM_CLOSE:
            if (loaded_) {
                Unload();  // the frame's close box: unload as the program's own exit does
            } else {
                DestroyWindow(hwnd_);
            }
            return 0;
        case WM_DESTROY:
            notices_.reset();  // system notices: stop
            SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
            hwnd_ = nullptr;
            loaded_ = false;
            if (--gOpenForms == 0) {
                PostQuitMessage(0);
            }
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        default:
            if (message == kTaskbarCreated && kTaskbarCreated != 0) {
                taskbarCreated_.Raise();
                return 0;
            }
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Win32Form::TextBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR /*id*/, DWORD_PTR data) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, &TextBoxProc, 0);
    }
    LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
    // A text box loses the focus to another control of the form only. Switching to another
    // program, or hiding the window, leaves the focus where it was for the form's purposes.
    auto* form = reinterpret_cast<Win32Form*>(data);
    auto next = reinterpret_cast<HWND>(wParam);
    if (message == WM_KILLFOCUS && form->loaded_ && next != nullptr && IsChild(form->hwnd_, next)) {
        if (const Control* box = form->FindByWindow(hwnd)) {
            try {
                form->events_.Control_LostFocus(box->design->id);
            } catch (const std::exception&) {
                // as in WindowProc: the handler ends, the program goes on
            }
        }
    }
    return result;
}

LRESULT CALLBACK Win32Form::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (Win32Form* form = FormOf(hwnd)) {
        // No exception may cross into the system's code that called us. A handler that
        // fails ends there, and the program goes on with the next message.
        try {
            return form->HandleMessage(message, wParam, lParam);
        } catch (const std::exception&) {
            return 0;
        }
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Win32Form::FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Win32Form* form = FormOf(hwnd);
    if (form != nullptr && form->hwnd_ != nullptr) {
        switch (message) {
            // A frame only holds its buttons: their notices and colours are the form's.
            case WM_COMMAND:
            case WM_CTLCOLORSTATIC:
            case WM_CTLCOLORBTN:
                return SendMessageW(form->hwnd_, message, wParam, lParam);
            case WM_ERASEBKGND: {
                RECT client;
                GetClientRect(hwnd, &client);
                SetDCBrushColor(reinterpret_cast<HDC>(wParam),
                                ToColorRef(form->design_.background));
                FillRect(reinterpret_cast<HDC>(wParam), &client,
                         static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
                return 1;
            }
            default:
                break;
        }
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool Win32Form::PreTranslate(MSG& message) {
    if (message.hwnd == nullptr) {
        return false;
    }
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    wchar_t className[32] = {};
    GetClassNameW(root, className, 32);
    if (lstrcmpW(className, kFormClass) != 0) {
        return false;
    }
    Win32Form* form = FormOf(root);
    if (form == nullptr || !form->loaded_) {
        return false;
    }
    // Key preview: the form hears every released key before the control with the focus.
    if (message.message == WM_KEYUP || message.message == WM_SYSKEYUP) {
        try {
            form->events_.Form_KeyUp(static_cast<int>(message.wParam), ShiftState());
        } catch (const std::exception&) {
            // as in WindowProc: the handler ends, the program goes on
        }
        if (!IsWindow(root)) {
            return true;
        }
    }
    return IsDialogMessageW(root, &message) != FALSE;
}

int RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!Win32Form::PreTranslate(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

void PumpMessages(std::chrono::milliseconds duration) {
    auto end = std::chrono::steady_clock::now() + duration;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                continue;  // a test's form ending: keep serving the others
            }
            if (!Win32Form::PreTranslate(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left.count()), QS_ALLINPUT);
    }
}

}  // namespace keystead::toolkit::win32
