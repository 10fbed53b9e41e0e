// FocusedWindow.exe: a program of its own whose one window takes the focus, for the
// end-to-end tests that need another program in front. It ends when its window is closed,
// and after two minutes at the latest, so that a failed test leaves nothing behind.
#include <windows.h>

namespace {

constexpr wchar_t kClassName[] = L"KeysteadTestFocusedWindow";
constexpr UINT_PTR kLifeTimer = 1;
constexpr UINT kLifeMs = 120000;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);
    HWND window =
        CreateWindowExW(0, kClassName, L"Focused window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 420, 40,
                        320, 120, nullptr, nullptr, instance, nullptr);
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 8, 8, 280, 24,
                                window, nullptr, instance, nullptr);
    SetForegroundWindow(window);
    SetFocus(edit);
    SetTimer(window, kLifeTimer, kLifeMs, nullptr);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
