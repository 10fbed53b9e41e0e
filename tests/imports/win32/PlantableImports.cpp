// A program that imports DLLs Windows would search for beside it: the import check must
// refuse it and name them.
#include <windows.h>

#include <uxtheme.h>
#include <wtsapi32.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    SetWindowTheme(nullptr, L"", L"");
    WTSUnRegisterSessionNotification(nullptr);
    return 0;
}
