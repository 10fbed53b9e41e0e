#pragma once

#include <string>
#include <string_view>

namespace keystead::toolkit::win32 {

// The program keeps text in UTF-8; Windows takes UTF-16 in its wide functions, which reach
// every path, also those the ANSI code page cannot spell.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace keystead::toolkit::win32
