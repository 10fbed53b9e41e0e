#include <windows.h>

#include <string>

#include "toolkit/IgnoreFailure.h"

namespace keystead::toolkit {

// The program has no console: a debugger, or a viewer of debug output, shows this line.
void ReportIgnoredFailure(const char* what) noexcept {
    try {
        std::string line = std::string("Keystead: ignored failure: ") + what + "\n";
        int length = MultiByteToWideChar(CP_UTF8, 0, line.c_str(), -1, nullptr, 0);
        if (length <= 0) {
            OutputDebugStringA(line.c_str());
            return;
        }
        std::wstring wide(static_cast<std::size_t>(length), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, line.c_str(), -1, wide.data(), length);
        OutputDebugStringW(wide.c_str());
    } catch (...) {
        // out of memory while reporting: there is nothing left to tell
    }
}

}  // namespace keystead::toolkit
