#include "toolkit/win32/Win32Form.h"

#include <utility>

#include "toolkit/IgnoreFailure.h"
#include "toolkit/ToolkitError.h"
#include "toolkit/win32/Colours.h"
#include "toolkit/win32/CommonControls.h"
#include "toolkit/win32/Requests.h"
#include "toolkit/win32/ShellNotices.h"
#include "toolkit/win32/Text.h"
#include "toolkit/win32/Win32SystemNotices.h"

namespace keystead::toolkit::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"KeysteadForm";

// Counts the forms that are loaded: the loop ends when the last one goes.
int gOpenForms = 0;

Win32Form* FormOf(HWND hwnd) {
    return reinterpret_cast<Win32Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

// Undoes a half-done step when a failure leaves the scope before Done.
template <typename Undo>
class UndoUnlessDone {
public:
    explicit UndoUnlessDone(Undo undo) : undo_(std::move(undo)) {}
    UndoUnlessDone(const UndoUnlessDone&) = delete;
    UndoUnlessDone& operator=(const UndoUnlessDone&) = delete;
    ~UndoUnlessDone() {
        if (!done_) {
            undo_();
        }
    }
    void Done() { done_ = true; }

private:
    Undo undo_;
    bool done_ = false;
};

}  // namespace

Win32Form::Win32Form(const FormDesign& design, FormEvents& events, const Screen& screen)
    : state_{design, events}, screen_(screen) {
    static const bool registered = [] {
        WNDCLASSEXW form{};
        form.cbSize = sizeof form;
        form.lpfnWndProc = &WindowProc;
        // The system's dialog manager keeps the focus across activation, carries out
        // WM_NEXTDLGCTL and names the default button: it needs its extra bytes.
        form.cbWndExtra = DLGWINDOWEXTRA;
        form.hInstance = GetModuleHandleW(nullptr);
        form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        form.lpszClassName = kFormClass;
        return RegisterClassExW(&form) != 0;
    }();
    (void)registered;
    // A fixed single border: a title bar with its system menu, no sizing, no maximising.
    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    // The window procedure finds this object at WM_NCCREATE and records the window.
    if (CreateWindowExW(WS_EX_CONTROLPARENT, kFormClass, Widen(design.caption).c_str(), kStyle,
                        CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr,
                        GetModuleHandleW(nullptr), this) == nullptr) {
        Fail("cannot create the window");
    }
    // A step below that fails leaves no half-made window behind.
    UndoUnlessDone unmake([this] {
        notices_.reset();
        SetWindowLongPtrW(Window(), GWLP_USERDATA, 0);
        DestroyWindow(Window());
    });
    timerDriver_.Attach(Window());
    retryTimerDriver_.Attach(Window());
    recheckDriver_.Attach(Window());
    dpi_ = WindowDpi(Window());
    if (!design.secondary) {
        AllowTaskbarCreated(Window());
        AllowRequests(Window());
    }
    AddSystemMenuItems();

    bigIcon_ = LoadPicture(design.icon, GetSystemMetrics(SM_CXICON));
    smallIcon_ = LoadPicture(design.icon, GetSystemMetrics(SM_CXSMICON));
    SendMessageW(Window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_->Get()));
    SendMessageW(Window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_->Get()));

    // The controls' windows, their fonts and pictures wait for the first Show: most days
    // the window is never opened.
    controls_ = std::make_unique<ControlSet>(state_);
    SizeForClient(Window(), design, dpi_);
    unmake.Done();
    ++gOpenForms;
    state_.loaded = true;
}

Win32Form::~Win32Form() {
    if (Window() != nullptr) {
        unloading_ = true;
        SetWindowLongPtrW(Window(), GWLP_USERDATA, 0);
        timerDriver_.Stop();
        retryTimerDriver_.Stop();
        recheckDriver_.Stop();
        notices_.reset();  // before the window it listens with goes
        DestroyWindow(Window());
        --gOpenForms;
    }
}

void Win32Form::MakeControls() {
    if (controls_->Made()) {
        return;
    }
    InitCommonControlsOnce();
    fonts_ = CreateFormFonts(state_.design, dpi_);
    // What a control tells while its window is made is no change of the program's.
    making_ = true;
    {
        // Never done: making ends with Make, whether it succeeds or fails.
        UndoUnlessDone stopMaking([this] { making_ = false; });
        controls_->Make();
    }
    ApplyLayout();
}

void Win32Form::ApplyLayout() {
    if (!controls_->Made()) {
        return;
    }
    std::vector<ControlPlace> places;
    for (const auto& control : controls_->All()) {
        if (control->Window() != nullptr) {
            const ControlDesign& design = control->Design();
            // The font first: the texts are measured with it.
            SendMessageW(
                control->Window(), WM_SETFONT,
                reinterpret_cast<WPARAM>(design.bold ? fonts_.bold.get() : fonts_.normal.get()),
                FALSE);
            places.push_back({&design, control->Window(), DesignedRect(design.bounds, dpi_)});
        }
    }
    extraWidth_ = state_.design.fitText
                      ? FitTexts(places, fonts_, dpi_, Scale(state_.design.clientWidth, dpi_))
                      : 0;
    SizeForClient(Window(), state_.design, dpi_, extraWidth_);
    for (const ControlPlace& place : places) {
        SetWindowPos(place.window, nullptr, place.rect.left, place.rect.top,
                     place.rect.right - place.rect.left, place.rect.bottom - place.rect.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(place.window, nullptr, TRUE);
    }
}

void Win32Form::AddSystemMenuItems() {
    if (state_.design.systemMenu.empty()) {
        return;
    }
    HMENU menu = GetSystemMenu(Window(), FALSE);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    for (const MenuItemDesign& item : state_.design.systemMenu) {
        AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(item.command),
                    Widen(item.caption).c_str());
    }
}

// Raw keyboard input goes to one window of the process: the main one's. It starts to listen
// once someone hears.
void Win32Form::SetSystemEvents(SystemEvents& listener) {
    if (state_.design.secondary || state_.system != nullptr) {
        return;
    }
    state_.system = &listener;
    notices_ = std::make_unique<Win32SystemNotices>(Window(), listener);
}

void Win32Form::Load() {
    state_.events.Form_Load();
}

void Win32Form::Show() {
    if (!state_.loaded) {
        return;
    }
    MakeControls();
    ShowWindow(Window(), IsIconic(Window()) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(Window());
}

void Win32Form::Hide() {
    if (state_.loaded) {
        ShowWindow(Window(), SW_HIDE);
    }
}

bool Win32Form::Visible() const {
    return state_.loaded && IsWindowVisible(Window()) != FALSE;
}

void Win32Form::Unload() {
    if (!state_.loaded || unloading_) {
        return;
    }
    bool cancel = false;
    state_.events.Form_Unload(cancel);
    if (cancel) {
        return;
    }
    unloading_ = true;
    timerDriver_.Stop();
    retryTimerDriver_.Stop();
    recheckDriver_.Stop();
    ShowWindow(Window(), SW_HIDE);
    state_.loaded = false;
    // The window itself goes when the message that asked for this has been handled: a
    // handler further up the stack may still be using it.
    PostMessageW(Window(), WM_CLOSE, 0, 0);
}

// --- Properties of the controls ------------------------------------------------------------

HWND Win32Form::ControlWindow(int id, int index) const {
    return controls_->At(id, index).Window();
}

const Picture& Win32Form::PictureOf(int id) const {
    return controls_->As<PictureBox>(id, kNoIndex).Picture();
}

bool Win32Form::OptionValue(int id, int index) const {
    return controls_->As<OptionButton>(id, index).Value();
}

void Win32Form::SetOptionValue(int id, int index, bool value) {
    controls_->As<OptionButton>(id, index).SetValue(value);
}

int Win32Form::CheckValue(int id) const {
    return controls_->As<CheckBox>(id, kNoIndex).Value();
}

void Win32Form::SetCheckValue(int id, int value) {
    controls_->As<CheckBox>(id, kNoIndex).SetValue(value);
}

std::string Win32Form::Text(int id) const {
    return controls_->At(id, kNoIndex).Caption();
}

void Win32Form::SetText(int id, const std::string& text) {
    if (controls_->At(id, kNoIndex).Design().kind == ControlKind::ComboBox) {
        controls_->ListAt(id).SetText(text);
    } else {
        controls_->As<TextBox>(id, kNoIndex).SetText(text);
    }
}

bool Win32Form::Enabled(int id) const {
    return controls_->At(id, kNoIndex).Enabled();
}

void Win32Form::SetEnabled(int id, bool enabled) {
    controls_->At(id, kNoIndex).SetEnabled(enabled);
}

std::string Win32Form::Caption(int id) const {
    return controls_->At(id, kNoIndex).Caption();
}

void Win32Form::SetCaption(int id, const std::string& caption) {
    controls_->At(id, kNoIndex).SetCaption(caption);
    if (state_.design.fitText) {
        ApplyLayout();  // a longer text must not be cut either
    }
}

bool Win32Form::ItemEnabled(int id, int index) const {
    return controls_->At(id, index).Enabled();
}

void Win32Form::SetItemEnabled(int id, int index, bool enabled) {
    controls_->At(id, index).SetEnabled(enabled);
}

// --- The window procedure ------------------------------------------------------------------

LRESULT CALLBACK Win32Form::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* form = static_cast<Win32Form*>(create->lpCreateParams);
        form->state_.window = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    if (Win32Form* form = FormOf(hwnd)) {
        // No exception may cross into the system's code that called us. A handler that
        // fails ends there, and the program goes on with the next message.
        LRESULT result = 0;
        IgnoreFailure([&] { result = form->HandleMessage(message, wParam, lParam); });
        return result;
    }
    return DefDlgProcW(hwnd, message, wParam, lParam);
}

// Each message the form answers, and the one call it becomes. A system notice that the
// form is to hear gets its case here and a handler of its own.
LRESULT Win32Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const UINT taskbarCreated = TaskbarCreatedMessage();
    // Between unloading and the window's end, input and the timer reach no handler.
    if (!state_.loaded && (message == WM_COMMAND || message == WM_MOUSEMOVE ||
                           message == WM_TIMER || message == taskbarCreated)) {
        return DefDlgProcW(Window(), message, wParam, lParam);
    }
    if (LRESULT result = 0;
        state_.loaded && notices_ && notices_->Handle(message, wParam, lParam, result)) {
        return result;
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
            return OnControlColor(message, reinterpret_cast<HDC>(wParam),
                                  reinterpret_cast<HWND>(lParam));
        case WM_ERASEBKGND:
            FillBackground(Window(), reinterpret_cast<HDC>(wParam), state_.design);
            return 1;
        case WM_TIMER:
            if (timerDriver_.Owns(wParam)) {
                timer_.Fire();
            } else if (retryTimerDriver_.Owns(wParam)) {
                retryTimer_.Fire();
            } else if (recheckDriver_.Owns(wParam)) {
                recheckTimer_.Fire();
            }
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(wParam, lParam);
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_DESTROY:
            notices_.reset();
            OnDestroy();
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_COPYDATA:
            return state_.loaded && state_.system != nullptr
                       ? ReceiveRequest(lParam, *state_.system)
                       : FALSE;
        case WM_SYSCOMMAND:
            if (OnSystemMenu(static_cast<int>(wParam & 0xFFF0))) {
                return 0;
            }
            break;
        case WM_SETTINGCHANGE:
            if (wParam == SPI_SETHIGHCONTRAST) {
                OnColoursChange();
            }
            OnSettingChange(wParam, lParam);
            break;  // and on to the default handling, as before
        case WM_SYSCOLORCHANGE:
            OnColoursChange();
            if (state_.loaded && state_.system != nullptr) {
                state_.system->Form_ThemeChange();
            }
            break;
        default:
            break;
    }
    if (message == taskbarCreated && taskbarCreated != 0) {
        taskbarCreated_.Raise();
        return 0;
    }
    // The keyboard's dialog jobs (focus kept across activation, WM_NEXTDLGCTL, the
    // default button) are the dialog manager's.
    return DefDlgProcW(Window(), message, wParam, lParam);
}

void Win32Form::OnCommand(int commandId, int code, HWND source) {
    if (!controls_ || making_) {
        return;
    }
    Control* control =
        source != nullptr ? controls_->FindByWindow(source) : controls_->FindByCommand(commandId);
    if (control == nullptr) {
        // IDOK and IDCANCEL from the dialog manager name the button by its id alone.
        control = controls_->FindByCommand(commandId);
    }
    if (control != nullptr) {
        control->OnCommand(code);
    }
}

LRESULT Win32Form::OnControlColor(UINT message, HDC dc, HWND control) {
    const Control* found = controls_ ? controls_->FindByWindow(control) : nullptr;
    if (found == nullptr && controls_) {
        found = controls_->FindByWindow(GetParent(control));  // a combo box's own text box
    }
    if (found != nullptr && !found->InFormColours()) {
        return DefWindowProcW(Window(), message, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(control));
    }
    return FormColours(dc, state_.design, IsWindowEnabled(control) != FALSE);
}

void Win32Form::OnMouseMove(WPARAM wParam, LPARAM lParam) {
    if (auto notice = DecodeShellMouseMove(Window(), wParam, lParam, screen_)) {
        notifyAnchor_ = notice->anchor;
        mouseMove_.Raise(notice->button, notice->shift, notice->x, notice->y);
    }
}

bool Win32Form::OnSystemMenu(int command) {
    for (const MenuItemDesign& item : state_.design.systemMenu) {
        if (item.command == command) {
            if (state_.loaded) {
                state_.events.Form_SystemMenu(command);
            }
            return true;
        }
    }
    return false;
}

void Win32Form::OnClose() {
    if (state_.loaded) {
        Unload();  // the frame's close box: unload as the program's own exit does
    } else {
        DestroyWindow(Window());
    }
}

void Win32Form::OnDestroy() {
    SetWindowLongPtrW(Window(), GWLP_USERDATA, 0);
    timerDriver_.Attach(nullptr);
    retryTimerDriver_.Attach(nullptr);
    recheckDriver_.Attach(nullptr);
    state_.window = nullptr;
    state_.loaded = false;
    if (--gOpenForms == 0) {
        PostQuitMessage(0);
    }
}

void Win32Form::OnDpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    // The controls still draw with the old fonts: free those only once all have the new.
    FormFonts oldFonts = std::move(fonts_);
    if (controls_->Made()) {
        fonts_ = CreateFormFonts(state_.design, dpi_);
        ApplyLayout();
    }
    // Where Windows suggests, at the size our own layout needs.
    SizeForClientAt(Window(), state_.design, dpi_, suggested, extraWidth_);
}

// High contrast switched on or off, or the system's colours changed: every control takes
// the new look at once, as it stands, so that edits not yet applied stay.
void Win32Form::OnColoursChange() {
    if (!controls_) {
        return;
    }
    for (const auto& control : controls_->All()) {
        if (control->Window() != nullptr) {
            control->OnColoursChange();
        }
    }
    RedrawWindow(Window(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

const wchar_t* Win32Form::ClassName() {
    return kFormClass;
}

// Group Policy broadcasts "Policy" once it has written the machine's or the user's rules;
// Windows says "ImmersiveColorSet" when the taskbar turns light or dark.
void Win32Form::OnSettingChange(WPARAM action, LPARAM area) {
    if (!state_.loaded || state_.system == nullptr) {
        return;
    }
    const auto* name = reinterpret_cast<const wchar_t*>(area);
    if (name != nullptr && lstrcmpiW(name, L"Policy") == 0) {
        state_.system->Form_PolicyChange();
    } else if ((name != nullptr && lstrcmpiW(name, L"ImmersiveColorSet") == 0) ||
               action == SPI_SETHIGHCONTRAST) {
        state_.system->Form_ThemeChange();
    }
}

// --- The message loop's look at each message -----------------------------------------------

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
    if (form == nullptr || !form->state_.loaded) {
        return false;
    }
    // Key preview: the form hears every released key before the control with the focus.
    if (message.message == WM_KEYUP || message.message == WM_SYSKEYUP) {
        // as in WindowProc: a handler that fails ends, the program goes on
        IgnoreFailure([&] {
            form->state_.events.Form_KeyUp(static_cast<int>(message.wParam), ShiftState());
        });
        if (!IsWindow(root)) {
            return true;
        }
    }
    return IsDialogMessageW(root, &message) != FALSE;
}

}  // namespace keystead::toolkit::win32
