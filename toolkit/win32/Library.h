#pragma once

#include <windows.h>

#include <string>

#include "toolkit/win32/Handles.h"

namespace keystead::toolkit::win32 {

// Functions looked up at run time: those that older systems or Wine lack, and those of DLLs
// the program loads only while it needs them. The program imports only DLLs that Windows
// always takes from the system folder (and comctl32, which the manifest binds): any other,
// imported, would be searched for beside the program first, and a planted copy there would
// run inside Keystead before WinMain.

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

// A function of kernel32, which every process has loaded.
template <typename Fn>
Fn Kernel32Function(const char* name) {
    return LibraryFunction<Fn>(GetModuleHandleW(L"kernel32.dll"), name);
}

// Whether LoadLibraryExW takes the LOAD_LIBRARY_SEARCH_* flags: Windows 8 and later do, and
// Windows 7 with update KB2533623, which added AddDllDirectory with them.
inline bool SearchFlagsSupported() {
    static const bool supported = Kernel32Function<FARPROC>("AddDllDirectory") != nullptr;
    return supported;
}

// A DLL from the system folder, never one of the same name beside the program, and the DLLs
// it needs from there too.
inline UniqueLibrary LoadSystemLibrary(const wchar_t* name) {
    if (SearchFlagsSupported()) {
        return UniqueLibrary(LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    }
    // Without the flags: the full path, and the DLL's own folder searched first for what it
    // needs.
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    return UniqueLibrary(LoadLibraryExW((std::wstring(folder, length) + L"\\" + name).c_str(),
                                        nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

// A function of a system DLL that stays loaded for the rest of the program's life once it
// has been needed; null when the DLL or the function is missing. Callers keep the result.
template <typename Fn>
Fn SystemLibraryFunction(const wchar_t* library, const char* name) {
    return LibraryFunction<Fn>(LoadSystemLibrary(library).release(), name);
}

// From now on DLLs loaded by name (those the shell pulls in for an "open", say) come from the
// system folder only, never from the program's folder or the current one. Called first thing,
// before anything loads a DLL. Where SetDefaultDllDirectories is missing, at least the current
// folder leaves the search.
inline void LoadDllsOnlyFromSystemFolder() {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    static const auto setDefault =
        Kernel32Function<SetDefaultDllDirectoriesFn>("SetDefaultDllDirectories");
    if (setDefault == nullptr || !setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        SetDllDirectoryW(L"");
    }
}

}  // namespace keystead::toolkit::win32
