// Packs the program's texts at build time; run on the build machine.
//
//   pack_texts OUTFILE
//
// writes OUTFILE, a C++ fragment that language/Texts.cpp includes: every distinct text of
// language/TextTable.h once, each ended by a NUL, in table order; the places of the table
// whose text an earlier place already says, with that place (kRepeats: each other text starts
// where the one before it ended, so the program finds the starts itself); and the block coded
// as language/TextCode.h tells, in pairs of symbols and a Huffman code. That takes nearly half
// off the texts of eleven languages, which are most of the program's data, and the program
// decodes them once, at the first text it says. No pair holds a NUL. Ties go to the lowest
// pair and the older node, so the output depends on the table alone; the tool reads its output
// back before it writes it.
//
// Standard library only, so that a cross build can compile it with the host compiler.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <iterator>
#include <queue>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "language/Language.h"
#include "language/TextCode.h"
#include "product/Product.h"

namespace {

namespace code = keystead::language::code;
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
    std::vector<std::array<unsigned, 2>> pairs;  // what symbol kFirstPair + n stands for
    std::vector<unsigned> symbols;               // the block in symbols
    std::vector<int> lengths;                    // each symbol's code length, 0 for unused
};

// Replaces the commonest pair of symbols by a new symbol, again and again, while a pair is
// used often enough to pay for its entry. Ties go to the lowest pair.
void PairUp(Packed& packed) {
    std::vector<unsigned>& symbols = packed.symbols;
    for (;;) {
        std::unordered_map<std::uint64_t, std::size_t> counts;
        for (std::size_t i = 0; i + 1 < symbols.size(); ++i) {
            if (symbols[i] != 0 && symbols[i + 1] != 0) {
                ++counts[std::uint64_t{symbols[i]} << 32 | symbols[i + 1]];
            }
        }
        std::uint64_t best = 0;
        std::size_t bestCount = 0;
        for (const auto& [pair, count] : counts) {
            if (count > bestCount || (count == bestCount && pair < best)) {
                best = pair;
                bestCount = count;
            }
        }
        if (bestCount < kMinimumUses) {
            return;
        }
        const auto first = static_cast<unsigned>(best >> 32);
        const auto second = static_cast<unsigned>(best & 0xFFFFFFFF);
        const auto symbol = static_cast<unsigned>(code::kFirstPair + packed.pairs.size());
        packed.pairs.push_back({first, second});
        std::size_t out = 0;
        for (std::size_t i = 0; i < symbols.size(); ++i) {
            if (i + 1 < symbols.size() && symbols[i] == first && symbols[i + 1] == second) {
                symbols[out++] = symbol;
                ++i;
            } else {
                symbols[out++] = symbols[i];
            }
        }
        symbols.resize(out);
    }
}

// Huffman's code lengths for the symbols' counts, no longer than kMaxCodeLength: where one
// would be, the counts are flattened and the code made again.
std::vector<int> CodeLengths(std::vector<std::size_t> counts) {
    for (;;) {
        // Nodes: the symbols, then each join; ties go to the older node.
        std::vector<std::size_t> parent(counts.size(), 0);
        using Node = std::pair<std::size_t, std::size_t>;  // count, index
        std::priority_queue<Node, std::vector<Node>, std::greater<>> queue;
        for (std::size_t symbol = 0; symbol < counts.size(); ++symbol) {
            if (counts[symbol] != 0) {
                queue.push({counts[symbol], symbol});
            }
        }
        while (queue.size() > 1) {
            const Node a = queue.top();
            queue.pop();
            const Node b = queue.top();
            queue.pop();
            parent.push_back(0);
            parent[a.second] = parent[b.second] = parent.size() - 1;
            queue.push({a.first + b.first, parent.size() - 1});
        }
        std::vector<int> lengths(counts.size(), 0);
        bool fits = true;
        for (std::size_t symbol = 0; symbol < counts.size(); ++symbol) {
            if (counts[symbol] == 0) {
                continue;
            }
            for (std::size_t node = symbol; node != parent.size() - 1; node = parent[node]) {
                ++lengths[symbol];
            }
            lengths[symbol] = std::max(lengths[symbol], 1);
            fits = fits && lengths[symbol] <= code::kMaxCodeLength;
        }
        if (fits) {
            return lengths;
        }
        for (std::size_t& count : counts) {
            count = count == 0 ? 0 : count / 2 + 1;
        }
    }
}

Packed Pack(const std::string& block) {
    Packed packed;
    for (const char c : block) {
        packed.symbols.push_back(static_cast<unsigned char>(c));
    }
    PairUp(packed);
    std::vector<std::size_t> counts(code::kFirstPair + packed.pairs.size());
    for (const unsigned symbol : packed.symbols) {
        ++counts[symbol];
    }
    packed.lengths = CodeLengths(counts);
    return packed;
}

// Bits written most significant first, as code::Bits reads them.
struct BitWriter {
    std::vector<std::uint8_t> bytes;
    std::size_t bits = 0;

    void Write(unsigned value, int width) {
        for (int bit = width - 1; bit >= 0; --bit, ++bits) {
            if (bits % 8 == 0) {
                bytes.push_back(0);
            }
            bytes.back() =
                static_cast<std::uint8_t>(bytes.back() | ((value >> bit) & 1u) << (7 - bits % 8));
        }
    }
};

int Width(std::size_t values) {
    int width = 1;
    while ((std::size_t{1} << width) < values) {
        ++width;
    }
    return width;
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
    const std::size_t symbols = packed.lengths.size();

    // The canonical code: by length, then by symbol, each code one more than the last,
    // shifted left where the length grows.
    std::vector<unsigned> order;
    for (unsigned symbol = 0; symbol < symbols; ++symbol) {
        if (packed.lengths[symbol] != 0) {
            order.push_back(symbol);
        }
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](unsigned a, unsigned b) { return packed.lengths[a] < packed.lengths[b]; });
    std::vector<unsigned> codes(symbols);
    unsigned next = 0;
    int length = 0;
    for (const unsigned symbol : order) {
        next <<= packed.lengths[symbol] - length;
        length = packed.lengths[symbol];
        codes[symbol] = next++;
    }
    BitWriter stream;
    for (const unsigned symbol : packed.symbols) {
        stream.Write(codes[symbol], packed.lengths[symbol]);
    }
    BitWriter lengths;
    for (const int symbolLength : packed.lengths) {
        lengths.Write(static_cast<unsigned>(symbolLength), 4);
    }
    const int pairWidth = Width(symbols);
    BitWriter pairs;
    for (const auto& pair : packed.pairs) {
        pairs.Write(pair[0], pairWidth);
        pairs.Write(pair[1], pairWidth);
    }

    // Read back as the program will.
    std::string decoded(block.size(), '\0');
    std::vector<std::uint16_t> sorted(symbols);
    code::Decode(
        {lengths.bytes.data(), symbols, pairs.bytes.data(), pairWidth, stream.bytes.data()},
        sorted.data(), decoded.data(), decoded.size());
    if (decoded != block) {
        std::fprintf(stderr, "pack_texts: the coded texts do not read back\n");
        return 1;
    }

    std::FILE* out = std::fopen(argv[1], "w");
    if (out == nullptr) {
        std::fprintf(stderr, "pack_texts: cannot write %s\n", argv[1]);
        return 1;
    }
    std::fprintf(out, "// Made by language/pack/pack_texts.cpp from language/TextTable.h.\n");
    std::fprintf(out, "constexpr std::size_t kBlockSize = %zu;\n", block.size());
    std::fprintf(out, "constexpr std::size_t kSymbols = %zu;\n", symbols);
    std::fprintf(out, "constexpr int kPairWidth = %d;\n", pairWidth);
    // An empty list would not compile: the place no text has ends it.
    repeats.push_back(std::size(kTable) * kLanguageCount);
    WriteArray(out, "constexpr std::uint16_t kRepeats[]", repeats);
    WriteArray(out, "constexpr std::uint8_t kLengths[]", lengths.bytes);
    WriteArray(out, "constexpr std::uint8_t kPairs[]", pairs.bytes);
    WriteArray(out, "constexpr std::uint8_t kStream[]", stream.bytes);
    const bool written = std::ferror(out) == 0;
    if (std::fclose(out) != 0 || !written) {
        std::fprintf(stderr, "pack_texts: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf(
        "%zu bytes of texts coded in %zu, with %zu bytes of repeats, %zu of pairs and %zu "
        "of code lengths\n",
        block.size(), stream.bytes.size(), sizeof(std::uint16_t) * repeats.size(),
        pairs.bytes.size(), lengths.bytes.size());
    return 0;
}
