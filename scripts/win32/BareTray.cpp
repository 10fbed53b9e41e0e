// The yardstick for Keystead's memory: the least a tray program of its kind can be. One
// hidden window, a 1000 ms timer that reads the three lock keys, and one tray icon.
// scripts/measure.sh builds it the way the product is built and runs it beside Keystead.
#include <windows.h>

#include <shellapi.h>

namespace {

constexpr UINT kTimerId = 1;
volatile SHORT keyStates;  // read, so that the compiler keeps the reads

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            keyStates = static_cast<SHORT>(GetKeyState(VK_CAPITAL) ^ GetKeyState(VK_NUMLOCK) ^
                                           GetKeyState(VK_SCROLL));
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
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"BareTray";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, L"BareTray", L"BareTray", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                  nullptr, nullptr, instance, nullptr);
    SetTimer(window, kTimerId, 1000, nullptr);

    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = window;
    icon.uID = 1;
    icon.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
    icon.uCallbackMessage = WM_APP;
    icon.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    lstrcpynW(icon.szTip, L"BareTray", ARRAYSIZE(icon.szTip));
    Shell_NotifyIconW(NIM_ADD, &icon);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    Shell_NotifyIconW(NIM_DELETE, &icon);
    return 0;
}
