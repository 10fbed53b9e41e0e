#include "pause/ProgramList.h"

#include <algorithm>

namespace keystead::pause {

namespace {

char ToLowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Paths, drives and streams, wildcards, and what Windows refuses in any file name.
bool IsForbidden(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F ||
           std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsProgramFileName(std::string_view name) {
    // Windows drops a trailing dot from a name, so no program's file name has one; this also
    // leaves out "." and "..".
    return !name.empty() && name.size() <= ProgramList::kMaxNameLength && name.back() != '.' &&
           std::none_of(name.begin(), name.end(), IsForbidden);
}

bool SameProgramName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return ToLowerAscii(x) == ToLowerAscii(y); });
}

void ProgramList::Add(std::string_view listText) {
    // One byte past the limit tells whether the name at the limit ends there.
    const std::string_view text = listText.substr(0, kMaxListLength + 1);
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(';', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        if (end > kMaxListLength) {
            break;
        }
        const std::string_view name = TrimBlanks(text.substr(start, end - start));
        if (IsProgramFileName(name) && !Contains(name)) {
            names_.emplace_back(name);
        }
        start = end + 1;
    }
}

bool ProgramList::Contains(std::string_view fileName) const {
    return std::any_of(names_.begin(), names_.end(),
                       [&](const std::string& name) { return SameProgramName(name, fileName); });
}

ProgramList BuildProgramList(std::string_view iniText, const std::vector<std::string>& extraTexts) {
    ProgramList list;
    list.Add(iniText);
    for (const std::string& text : extraTexts) {
        list.Add(text);
    }
    return list;
}

}  // namespace keystead::pause
