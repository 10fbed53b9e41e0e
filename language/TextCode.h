#pragma once

// How the texts' block is coded, for the program that reads it and the build tool that
// writes it (language/pack/pack_texts.cpp), which reads its own output back. Symbols below 256
// are bytes; each symbol from 256 on stands for a pair of symbols, either of which may stand
// for a pair in turn. The symbols are then written in a canonical Huffman code, most
// significant bit first: the lengths of the codes say it all, the shortest codes first and,
// within a length, the lowest symbols first.
//
// Standard library only, so that a cross build can compile it with the host compiler.

#include <cstddef>
#include <cstdint>

namespace keystead::language::code {

inline constexpr int kMaxCodeLength = 15;  // a length fits in four bits
inline constexpr unsigned kFirstPair = 256;

// `width` bits at bit `at` of `bytes`, the most significant first.
inline unsigned Bits(const std::uint8_t* bytes, std::size_t at, int width) {
    unsigned value = 0;
    for (int bit = 0; bit < width; ++bit, ++at) {
        value = value << 1 | ((bytes[at >> 3] >> (7 - (at & 7))) & 1u);
    }
    return value;
}

struct Coded {
    const std::uint8_t* lengths;  // each symbol's code length in four bits, the first high
    std::size_t symbols;
    const std::uint8_t* pairs;  // each pair's two symbols, `pairWidth` bits each
    int pairWidth;
    const std::uint8_t* stream;
};

// Writes the symbol's bytes at `out`, moving it past them.
inline void Expand(const Coded& coded, unsigned symbol, char*& out) {
    if (symbol < kFirstPair) {
        *out++ = static_cast<char>(symbol);
        return;
    }
    const std::size_t at = static_cast<std::size_t>(symbol - kFirstPair) * 2 * coded.pairWidth;
    Expand(coded, Bits(coded.pairs, at, coded.pairWidth), out);
    Expand(coded, Bits(coded.pairs, at + coded.pairWidth, coded.pairWidth), out);
}

// Decodes `size` bytes into `out`. `sorted`: room for every symbol.
inline void Decode(const Coded& coded, std::uint16_t* sorted, char* out, std::size_t size) {
    std::uint16_t counts[kMaxCodeLength + 1] = {};
    for (std::size_t symbol = 0; symbol < coded.symbols; ++symbol) {
        ++counts[Bits(coded.lengths, symbol * 4, 4)];
    }
    std::uint16_t offsets[kMaxCodeLength + 1] = {};
    for (int length = 1; length < kMaxCodeLength; ++length) {
        offsets[length + 1] = static_cast<std::uint16_t>(offsets[length] + counts[length]);
    }
    for (std::size_t symbol = 0; symbol < coded.symbols; ++symbol) {
        if (const unsigned length = Bits(coded.lengths, symbol * 4, 4); length != 0) {
            sorted[offsets[length]++] = static_cast<std::uint16_t>(symbol);
        }
    }
    const char* const end = out + size;
    for (std::size_t at = 0; out < end;) {
        // The codes of one length are consecutive numbers, after those of the shorter ones.
        int code = 0;
        int first = 0;
        int index = 0;
        for (int length = 1; length <= kMaxCodeLength; ++length) {
            code |= static_cast<int>(Bits(coded.stream, at++, 1));
            if (code - first < counts[length]) {
                Expand(coded, sorted[index + code - first], out);
                break;
            }
            index += counts[length];
            first = (first + counts[length]) << 1;
            code <<= 1;
        }
    }
}

}  // namespace keystead::language::code
