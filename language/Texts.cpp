#include "language/Texts.h"

#include <cstdint>
#include <initializer_list>
#include <iterator>

namespace keystead::language {

namespace {

// Each row's eleven columns; a row with one missing or one too many does not compile.
struct Row {
    const char* text[kLanguageCount];
};
#define KEYSTEAD_TEXT(name, ...) Row{{__VA_ARGS__}},
constexpr Row kTable[kTextCount] = {
#include "language/TextTable.h"
};
#undef KEYSTEAD_TEXT

#define KEYSTEAD_TEXT(name, ...)                                                                \
    static_assert(std::size(std::initializer_list<const char*>{__VA_ARGS__}) == kLanguageCount, \
                  "the text " #name " needs a column for every language");
#include "language/TextTable.h"
#undef KEYSTEAD_TEXT

// The program keeps the texts packed, not as kTable: every distinct text once in one block
// of characters, found by a 16-bit offset. A pointer per text and language took four or eight
// bytes, and a relocation besides.
constexpr bool Same(const char* one, const char* other) {
    for (; *one == *other; ++one, ++other) {
        if (*one == '\0') {
            return true;
        }
    }
    return false;
}

// Lays the texts down in table order, each new one after the last, and returns the characters
// used; `chars` and `offsets` may be null to only count them.
constexpr std::size_t Pack(char* chars, std::uint16_t* offsets) {
    constexpr std::size_t kTexts = kTextCount * kLanguageCount;
    const char* first[kTexts] = {};  // the first of each distinct text
    std::size_t firstAt[kTexts] = {};
    std::size_t distinct = 0;
    std::size_t used = 0;
    for (std::size_t i = 0; i < kTexts; ++i) {
        const char* text = kTable[i / kLanguageCount].text[i % kLanguageCount];
        std::size_t known = 0;
        while (known < distinct && !Same(first[known], text)) {
            ++known;
        }
        if (known == distinct) {
            first[distinct] = text;
            firstAt[distinct++] = used;
            for (std::size_t c = 0;; ++c) {
                if (chars != nullptr) {
                    chars[used] = text[c];
                }
                ++used;
                if (text[c] == '\0') {
                    break;
                }
            }
        }
        if (offsets != nullptr) {
            offsets[i] = static_cast<std::uint16_t>(firstAt[known]);
        }
    }
    return used;
}

struct Packed {
    static constexpr std::size_t kChars = Pack(nullptr, nullptr);
    static_assert(kChars <= 0x10000, "the texts outgrow 16-bit offsets");
    char chars[kChars] = {};
    std::uint16_t offsets[kTextCount * kLanguageCount] = {};
};

constexpr Packed MakePacked() {
    Packed packed;
    Pack(packed.chars, packed.offsets);
    return packed;
}

constexpr Packed kPacked = MakePacked();

// Decodes one UTF-8 character at `at`, moving past it.
char32_t NextCharacter(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t code = extra == 0 ? lead : (lead & (0x3F >> extra));
    for (; extra > 0 && at < text.size(); --extra) {
        code = (code << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
    }
    return code;
}

}  // namespace

const char* Say(Text text, Language language) {
    const std::size_t at =
        static_cast<std::size_t>(text) * kLanguageCount + static_cast<std::size_t>(language);
    return kPacked.chars + kPacked.offsets[at];
}

std::string Fill(const char* pattern, std::string_view what) {
    std::string text = pattern;
    if (const std::size_t at = text.find("{}"); at != std::string::npos) {
        text.replace(at, 2, what);
    }
    return text;
}

std::string WithoutAccessKey(std::string_view caption) {
    std::string text(caption);
    const std::size_t at = text.find('&');
    if (at == std::string::npos) {
        return text;
    }
    // "(&A)" after a text without letters to mark, as East Asian Windows writes it.
    if (at > 0 && text[at - 1] == '(' && at + 2 < text.size() && text[at + 2] == ')') {
        text.erase(at - 1, 4);
    } else {
        text.erase(at, 1);
    }
    return text;
}

char32_t AccessKey(std::string_view caption) {
    const std::size_t at = caption.find('&');
    if (at == std::string_view::npos || at + 1 >= caption.size()) {
        return 0;
    }
    std::size_t next = at + 1;
    char32_t key = NextCharacter(caption, next);
    if (key >= U'a' && key <= U'z') {
        key -= U'a' - U'A';
    } else if (key >= 0x430 && key <= 0x44F) {  // Cyrillic а to я
        key -= 0x20;
    } else if (key >= 0xE0 && key <= 0xFE && key != 0xF7) {  // Latin-1 à to þ
        key -= 0x20;
    }
    return key;
}

}  // namespace keystead::language
