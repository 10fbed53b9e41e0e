#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace keystead::toolkit::win32 {

// The program keeps text in UTF-8; Windows takes UTF-16 in its wide functions, which reach
// every path, also those the ANSI code page cannot spell.
// Embedded NULs are kept. Invalid UTF-8 becomes U+FFFD in Widen, and nothing at all in
// WidenStrict, for callers that must refuse it; an unpaired surrogate becomes U+FFFD.
std::wstring Widen(std::string_view utf8);
std::optional<std::wstring> WidenStrict(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace keystead::toolkit::win32
