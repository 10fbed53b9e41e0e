#include "toolkit/ToolkitError.h"
#include "toolkit/win32/Colours.h"
#include "toolkit/win32/Controls.h"

namespace keystead::toolkit::win32 {

namespace {

constexpr wchar_t kFrameClass[] = L"KeysteadFrame";

void RegisterFrameClass(WNDPROC procedure) {
    static const bool registered = [procedure] {
        WNDCLASSEXW frame{};
        frame.cbSize = sizeof frame;
        frame.lpfnWndProc = procedure;
        frame.hInstance = GetModuleHandleW(nullptr);
        frame.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        frame.lpszClassName = kFrameClass;
        return RegisterClassExW(&frame) != 0;
    }();
    (void)registered;
}

}  // namespace

void Frame::Make(HWND parent) {
    RegisterFrameClass(&FrameProc);
    HWND window = CreateWindowExW(WS_EX_CONTROLPARENT, kFrameClass, L"",
                                  WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
                                  nullptr, GetModuleHandleW(nullptr), this);
    if (window == nullptr) {
        Fail("cannot create a frame");
    }
    Adopt(window);
}

LRESULT CALLBACK Frame::FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* frame = reinterpret_cast<Frame*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (frame != nullptr && frame->form_.window != nullptr) {
        switch (message) {
            // A frame only holds its buttons: their notices and colours are the form's.
            case WM_COMMAND:
            case WM_CTLCOLORSTATIC:
            case WM_CTLCOLORBTN:
                return SendMessageW(frame->form_.window, message, wParam, lParam);
            case WM_ERASEBKGND:
                FillBackground(hwnd, reinterpret_cast<HDC>(wParam), frame->form_.design);
                return 1;
            case WM_NCDESTROY:
                SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
                break;
            default:
                break;
        }
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace keystead::toolkit::win32
