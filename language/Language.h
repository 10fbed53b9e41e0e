#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace keystead::language {

// The languages the program speaks, English first: every text has a translation in each.
enum class Language : std::uint8_t {
    English,
    German,
    French,
    Spanish,
    Italian,
    PortugueseBrazil,
    Dutch,
    Polish,
    Russian,
    Japanese,
    ChineseSimplified,
};
inline constexpr std::size_t kLanguageCount = 11;

// Each language's tag, as `Language` in the settings file and the policy name it.
inline constexpr const char* kLanguageTags[kLanguageCount] = {
    "en", "de", "fr", "es", "it", "pt-BR", "nl", "pl", "ru", "ja", "zh-CN"};

// The language a tag names (case aside): the exact tag, else the language without its region
// ("de-AT" is German, "pt-PT" the Portuguese there is); none when the program lacks it.
std::optional<Language> FindLanguage(std::string_view tag);

// The language to speak: the administrator's tag over the user's, and where neither names
// one, the first of Windows' preferred display languages that the program has. A tag that
// names no language of the program, and a Windows that prefers none of them, give English.
Language ChooseLanguage(std::string_view policyTag, std::string_view ownTag,
                        std::span<const std::string> preferred);

// Whether the language needs letters that "MS Sans Serif" lacks, so that its texts are
// drawn with the system's message font.
bool NeedsSystemFont(Language language);

// One T per language, made from the language when first asked for: a program speaks one
// language, its tests all of them.
template <class T>
const T& MadeFor(Language language) {
    static std::unique_ptr<T> made[kLanguageCount];
    auto& one = made[static_cast<std::size_t>(language)];
    if (!one) {
        one = std::make_unique<T>(language);
    }
    return *one;
}

}  // namespace keystead::language
