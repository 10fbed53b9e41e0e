// Packs the program's texts at build time; run on the build machine.
//
//   pack_texts OUTFILE
//
// writes OUTFILE, a C++ fragment that language/Texts.cpp includes: every distinct text of
// language/TextTable.h once, each ended by a NUL, in table order; the places of the table
// whose text an earlier place already says, with that place (kRepeats: each other text starts
// where the one before it ended, so the program finds the starts itself); and the block
// compressed by byte-pair encoding (kPacked, kTokens, kPairs). A byte that no text uses stands
// for a pair of bytes, either of which may stand for a pair in turn; the texts are UTF-8, so
// more than a hundred byte values are free. It takes a third off the texts of eleven
// languages, which are most of the program's data, and the program expands them once, at the
// first text it says. No pair holds a NUL, so each text still starts on a byte of its own.
// Ties go to the lowest pair, so the output depends on the table alone.
//
// Standard library only, so that a cross build can compile it with the host compiler.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "language/Language.h"
#include "product/Product.h"

namespace {

using keystead::language::kLanguageCount;

struct Row {
    const char* text[kLanguageCount];
};
const Row kTable[] = {
#define KEYSTEAD_TEXT(name, ...) Row{{__VA_ARGS__}},
#include "language/TextTable.h"
#undef KEYSTEAD_TEXT
};

constexpr std::size_t kMinimumUses = 4;  // a pair used less often saves less than its entry

// The distinct texts laid down in table order; each place (text and language) that repeats an
// earlier one, followed by that place.
std::string Block(std::vector<std::size_t>& repeats) {
    std::string block;
    std::vector<std::string> seen;
    std::vector<std::size_t> seenAt;  // the first place of each distinct text
    std::size_t place = 0;
    for (const Row& row : kTable) {
        for (const char* text : row.text) {
            std::size_t known = 0;
            while (known < seen.size() && seen[known] != text) {
                ++known;
            }
            if (known == seen.size()) {
                seen.emplace_back(text);
                seenAt.push_back(place);
                block += text;
                block += '\0';
            } else {
                repeats.push_back(place);
                repeats.push_back(seenAt[known]);
            }
            ++place;
        }
    }
    return block;
}

struct Packed {
    std::vector<std::uint8_t> bytes;
    std::uint8_t pairs[256][2] = {};  // {0, 0} for a byte that stands for itself
};

Packed Pack(const std::string& block) {
    Packed packed;
    packed.bytes.assign(block.begin(), block.end());
    bool used[256] = {};
    for (std::uint8_t byte : packed.bytes) {
        used[byte] = true;
    }
    std::vector<std::size_t> counts(65536);
    for (unsigned token = 1; token < 256; ++token) {
        if (used[token]) {
            continue;
        }
        std::vector<std::uint8_t>& bytes = packed.bytes;
        std::fill(counts.begin(), counts.end(), 0);
        for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
            if (bytes[i] != 0 && bytes[i + 1] != 0) {
                ++counts[static_cast<std::size_t>(bytes[i] << 8 | bytes[i + 1])];
            }
        }
        std::size_t best = 0;
        for (std::size_t pair = 1; pair < counts.size(); ++pair) {
            if (counts[pair] > counts[best]) {
                best = pair;
            }
        }
        if (counts[best] < kMinimumUses) {
            break;
        }
        const auto first = static_cast<std::uint8_t>(best >> 8);
        const auto second = static_cast<std::uint8_t>(best & 0xFF);
        std::size_t out = 0;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (i + 1 < bytes.size() && bytes[i] == first && bytes[i + 1] == second) {
                bytes[out++] = static_cast<std::uint8_t>(token);
                ++i;
            } else {
                bytes[out++] = bytes[i];
            }
        }
        bytes.resize(out);
        packed.pairs[token][0] = first;
        packed.pairs[token][1] = second;
        used[token] = true;
    }
    return packed;
}

template <typename Values>
void WriteArray(std::FILE* out, const char* declaration, const Values& values) {
    std::fprintf(out, "%s = {", declaration);
    std::size_t column = 0;
    for (const auto value : values) {
        std::fprintf(out, "%s%u,", column++ % 16 == 0 ? "\n    " : " ",
                     static_cast<unsigned>(value));
    }
    std::fprintf(out, "\n};\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: pack_texts OUTFILE\n");
        return 2;
    }
    std::vector<std::size_t> repeats;
    const std::string block = Block(repeats);
    if (block.size() > 0xFFFF) {
        std::fprintf(stderr, "pack_texts: the texts outgrow 16-bit starts\n");
        return 1;
    }
    const Packed packed = Pack(block);

    std::FILE* out = std::fopen(argv[1], "w");
    if (out == nullptr) {
        std::fprintf(stderr, "pack_texts: cannot write %s\n", argv[1]);
        return 1;
    }
    std::fprintf(out, "// Made by language/pack/pack_texts.cpp from language/TextTable.h.\n");
    std::fprintf(out, "constexpr std::size_t kBlockSize = %zu;\n", block.size());
    // An empty list would not compile: the place no text has ends it.
    repeats.push_back(std::size(kTable) * kLanguageCount);
    WriteArray(out, "constexpr std::uint16_t kRepeats[]", repeats);
    WriteArray(out, "constexpr std::uint8_t kPacked[]", packed.bytes);
    std::vector<std::uint8_t> tokens;
    std::vector<std::uint8_t> pairs;
    for (unsigned token = 0; token < 256; ++token) {
        if (packed.pairs[token][0] != 0) {
            tokens.push_back(static_cast<std::uint8_t>(token));
            pairs.push_back(packed.pairs[token][0]);
            pairs.push_back(packed.pairs[token][1]);
        }
    }
    WriteArray(out, "constexpr std::uint8_t kTokens[]", tokens);
    WriteArray(out, "constexpr std::uint8_t kPairs[][2]", pairs);
    const bool written = std::ferror(out) == 0;
    if (std::fclose(out) != 0 || !written) {
        std::fprintf(stderr, "pack_texts: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%zu bytes of texts packed into %zu, with %zu bytes of repeats and %zu of pairs\n",
                block.size(), packed.bytes.size(), sizeof(std::uint16_t) * repeats.size(),
                tokens.size() + pairs.size());
    return 0;
}
