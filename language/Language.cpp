#include "language/Language.h"

namespace keystead::language {

namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameTag(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) {
            return false;
        }
    }
    return true;
}

// Windows names Simplified Chinese by its script as well as by its regions; Traditional
// Chinese ("zh-TW", "zh-Hant") is another language that the program does not have.
constexpr const char* kSimplifiedChineseTags[] = {"zh",      "zh-CN",      "zh-SG",
                                                  "zh-Hans", "zh-Hans-CN", "zh-Hans-SG"};

}  // namespace

std::optional<Language> FindLanguage(std::string_view tag) {
    for (const char* chinese : kSimplifiedChineseTags) {
        if (SameTag(tag, chinese)) {
            return Language::ChineseSimplified;
        }
    }
    const std::string_view base = tag.substr(0, tag.find_first_of("-_"));
    for (std::size_t at = 0; at < kLanguageCount; ++at) {
        if (SameTag(tag, kLanguageTags[at])) {
            return static_cast<Language>(at);
        }
    }
    if (SameTag(base, "zh")) {
        return std::nullopt;  // a Chinese other than Simplified
    }
    for (std::size_t at = 0; at < kLanguageCount; ++at) {
        const std::string_view known = kLanguageTags[at];
        if (SameTag(base, known.substr(0, known.find('-')))) {
            return static_cast<Language>(at);
        }
    }
    return std::nullopt;
}

Language ChooseLanguage(std::string_view policyTag, std::string_view ownTag,
                        std::span<const std::string> preferred) {
    const std::string_view chosen = !policyTag.empty() ? policyTag : ownTag;
    if (!chosen.empty()) {
        return FindLanguage(chosen).value_or(Language::English);
    }
    for (const std::string& tag : preferred) {
        if (const auto found = FindLanguage(tag)) {
            return *found;
        }
    }
    return Language::English;
}

bool NeedsSystemFont(Language language) {
    // "MS Sans Serif" holds the Western code page only: Polish's ł and ś are missing too.
    return language == Language::Polish || language == Language::Russian ||
           language == Language::Japanese || language == Language::ChineseSimplified;
}

}  // namespace keystead::language
