#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "product/Product.h"
#include "language/Language.h"

namespace keystead::language {

// The name of each text of TextTable.h, in its order.
enum class Text : std::size_t {
#define KEYSTEAD_TEXT(name, ...) name,
#include "language/TextTable.h"
#undef KEYSTEAD_TEXT
};

// The names of the three lock keys, in the order of the program's table of them (Caps Lock,
// Num Lock, Scroll Lock).
inline constexpr Text kKeyNames[3] = {Text::CapsLock, Text::NumLock, Text::ScrollLock};

inline constexpr std::size_t kTextCount = 0
#define KEYSTEAD_TEXT(name, ...) +1
#include "language/TextTable.h"
#undef KEYSTEAD_TEXT
    ;

// The text in a language (UTF-8).
const char* Say(Text text, Language language);

// The text in English: the table's first column, where each English text is said.
constexpr const char* English(Text text);

// The text with "{}" replaced by `what`.
std::string Fill(const char* pattern, std::string_view what);

// A caption without its access key: "R&esume" gives "Resume", "適用(&A)" gives "適用".
std::string WithoutAccessKey(std::string_view caption);
// The access key of a caption, upper-case where it has a case; 0 when it has none.
char32_t AccessKey(std::string_view caption);

namespace detail {
inline constexpr const char* kEnglish[kTextCount] = {
#define KEYSTEAD_TEXT(name, english, ...) english,
#include "language/TextTable.h"
#undef KEYSTEAD_TEXT
};
}  // namespace detail

constexpr const char* English(Text text) {
    return detail::kEnglish[static_cast<std::size_t>(text)];
}

}  // namespace keystead::language
