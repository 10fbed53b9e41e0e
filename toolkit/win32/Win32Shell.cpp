#include "toolkit/win32/Win32Shell.h"

#include <windows.h>

#include <shellapi.h>

#include "toolkit/win32/Text.h"

namespace keystead::toolkit::win32 {

std::intptr_t Win32Shell::Execute(std::uintptr_t owner, const std::string& operation,
                                  const std::string& file, const std::string& parameters,
                                  const std::string& directory, int showCommand) {
    // Wide strings, so that a read-me in a folder the ANSI code page cannot spell opens too.
    HINSTANCE result =
        ShellExecuteW(reinterpret_cast<HWND>(owner), Widen(operation).c_str(), Widen(file).c_str(),
                      Widen(parameters).c_str(), Widen(directory).c_str(), showCommand);
    return reinterpret_cast<std::intptr_t>(result);
}

}  // namespace keystead::toolkit::win32
