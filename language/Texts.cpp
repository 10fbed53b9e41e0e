#include "language/Texts.h"

#include <cstdint>
#include <initializer_list>
#include <iterator>

#include "language/TextCode.h"

namespace keystead::language {

namespace {

// Each row's eleven columns; a row with one missing or one too many does not compile.
#define KEYSTEAD_TEXT(name, ...)                                                                \
    static_assert(std::size(std::initializer_list<const char*>{__VA_ARGS__}) == kLanguageCount, \
                  "the text " #name " needs a column for every language");
#include "language/TextTable.h"
#undef KEYSTEAD_TEXT

// The distinct texts as one block of characters, each ended by a NUL, and the places whose
// text repeats an earlier one; the block coded as language/TextCode.h tells: kBlockSize,
// kRepeats, kSymbols, kLengths, kPairWidth, kPairs, kStream.
#include "language/PackedTexts.inc"

constexpr std::size_t kPlaces = kTextCount * kLanguageCount;

// The texts, decoded at the first text said with where each place's text starts: a few
// kilobytes the program keeps from then on.
struct Expanded {
    char block[kBlockSize];
    std::uint16_t starts[kPlaces];

    Expanded() {
        std::uint16_t sorted[kSymbols];
        code::Decode({kLengths, kSymbols, kPairs, kPairWidth, kStream}, sorted, block, kBlockSize);
        const std::uint16_t* repeat = kRepeats;
        std::uint16_t next = 0;
        for (std::size_t place = 0; place < kPlaces; ++place) {
            if (place == repeat[0]) {
                starts[place] = starts[repeat[1]];
                repeat += 2;
            } else {
                starts[place] = next;
                while (block[next++] != '\0') {
                }
            }
        }
    }
};

const Expanded& Texts() {
    static const Expanded expanded;
    return expanded;
}

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
    const Expanded& texts = Texts();
    return texts.block + texts.starts[at];
}

std::string Fill(const char* pattern, std::string_view what) {
    std::string text = pattern;
    if (const std::size_t at = text.find("{}"); at != std::string::npos) {
        text.replace(at, 2, what);
    }
    return text;
}

std::string WithoutAccessKey(std::string_view caption) {
    std::string text;
    for (std::size_t at = 0; at < caption.size(); ++at) {
        // "(&A)" after a text without letters to mark, as East Asian Windows writes it.
        if (caption[at] == '(' && at + 3 < caption.size() && caption[at + 1] == '&' &&
            caption[at + 3] == ')') {
            at += 3;
        } else if (caption[at] != '&') {
            text += caption[at];
        }
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
