#pragma once

#include <windows.h>

#include <string>

#include "toolkit/win32/Handles.h"

namespace keystead::toolkit::win32 {

// Functions looked up at run time: those that older systems or Wine lack, and those of DLLs
// the program loads only while it needs them.

// The named function of a loaded module, typed; null when the module or the function is
// missing.
template <typename Fn>
Fn LibraryFunction(HMODULE module, const char* name) {
    return module == nullptr
               ? nullptr
               : reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// A function of user32, which every program with a window has loaded.
template <typename Fn>
Fn User32Function(const char* name) {
    return LibraryFunction<Fn>(GetModuleHandleW(L"user32.dll"), name);
}

// A DLL from the system folder, never one of the same name beside the program.
inline UniqueLibrary LoadSystemLibrary(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    return UniqueLibrary(LoadLibraryW((std::wstring(folder, length) + L"\\" + name).c_str()));
}

}  // namespace keystead::toolkit::win32
