#include <windows.h>

#include <iterator>

#include "toolkit/IgnoreFailure.h"

namespace keystead::toolkit {

// The program has no console: a debugger, or a viewer of debug output, shows this line. It
// is made on the stack: the failure may be that memory ran out.
void ReportIgnoredFailure(const char* what) noexcept {
    static constexpr wchar_t kPrefix[] = L"Keystead: failure: ";
    constexpr int kPrefixLength = static_cast<int>(std::size(kPrefix)) - 1;
    wchar_t line[512];
    lstrcpyW(line, kPrefix);
    // Room is left for the line's end.
    const int room = static_cast<int>(std::size(line)) - kPrefixLength - 1;
    if (MultiByteToWideChar(CP_UTF8, 0, what, -1, line + kPrefixLength, room) <= 0) {
        OutputDebugStringA(what);  // too long for the line, or not UTF-8: the bytes as they are
        return;
    }
    lstrcatW(line, L"\n");
    OutputDebugStringW(line);
}

}  // namespace keystead::toolkit
