// Prints what the translations add to the program: the texts of the ten columns after English,
// before the build packs them (UTF-8 with their NULs, each distinct text once, none that
// English already says), and their 16-bit offsets. Built and run by scripts/measure.sh.
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "product/Product.h"
#include "language/Language.h"

namespace {

struct Row {
    std::vector<std::string> columns;
};

const std::vector<Row> kRows = {
#define KEYSTEAD_TEXT(name, ...) Row{{__VA_ARGS__}},
#include "language/TextTable.h"
#undef KEYSTEAD_TEXT
};

}  // namespace

int main() {
    const std::size_t offsetBytes = 2;
    std::set<std::string> english;
    std::set<std::string> translated;
    for (const Row& row : kRows) {
        english.insert(row.columns[0]);
    }
    for (const Row& row : kRows) {
        for (std::size_t column = 1; column < row.columns.size(); ++column) {
            if (!english.contains(row.columns[column])) {
                translated.insert(row.columns[column]);
            }
        }
    }
    std::size_t textBytes = 0;
    for (const std::string& text : translated) {
        textBytes += text.size() + 1;
    }
    const std::size_t tableBytes =
        kRows.size() * (keystead::language::kLanguageCount - 1) * offsetBytes;
    std::printf(
        "%zu texts, %zu distinct translations: %zu bytes of text + %zu bytes of offsets = "
        "%zu bytes\n",
        kRows.size(), translated.size(), textBytes, tableBytes, textBytes + tableBytes);
}
