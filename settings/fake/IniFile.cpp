#include "settings/fake/IniFile.h"

#include <cstddef>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace keystead::settings::fake {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kNewLineEnd = "\r\n";

// GetPrivateProfileInt reads the value into a buffer of 30 characters, the terminating zero
// included.
constexpr std::size_t kReaderBufferSize = 30;

bool IsBlank(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 0x09 && u <= 0x0D) || u == 0x1A || u == 0x20;
}

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view Trim(std::string_view text) {
    return TrimRight(TrimLeft(text));
}

// Windows keeps names and values as zero-terminated strings, so a NUL byte ends them.
std::string_view UpToNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

char ToLowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (ToLowerAscii(a[i]) != ToLowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

// One line of the file, with its own line end ("" for a last line that has none).
struct Line {
    std::string text;
    std::string end;
};

struct Document {
    std::string bom;
    std::vector<Line> lines;
};

Document Split(std::string_view bytes) {
    Document document;
    if (bytes.starts_with(kUtf8Bom)) {
        document.bom = kUtf8Bom;
        bytes.remove_prefix(kUtf8Bom.size());
    }
    while (!bytes.empty()) {
        const std::size_t stop = bytes.find_first_of("\r\n");
        if (stop == std::string_view::npos) {
            document.lines.push_back({std::string(bytes), {}});
            break;
        }
        const std::size_t endLength =
            (bytes[stop] == '\r' && stop + 1 < bytes.size() && bytes[stop + 1] == '\n') ? 2 : 1;
        document.lines.push_back(
            {std::string(bytes.substr(0, stop)), std::string(bytes.substr(stop, endLength))});
        bytes.remove_prefix(stop + endLength);
    }
    return document;
}

enum class LineKind { Blank, Section, Entry };

// What a line means. The views point into the line's text.
struct LineMeaning {
    LineKind kind = LineKind::Blank;
    std::string_view name;
    std::optional<std::string_view> value;  // none for an entry without '='
};

LineMeaning Interpret(std::string_view text) {
    const std::string_view line = Trim(text);
    if (line.empty()) {
        return {};
    }
    if (line.front() == '[') {
        const std::size_t close = line.rfind(']');
        if (close != std::string_view::npos) {
            return {LineKind::Section, UpToNul(Trim(line.substr(1, close - 1))), std::nullopt};
        }
        // No ']': an ordinary line that happens to start with '['.
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return {LineKind::Entry, UpToNul(line), std::nullopt};
    }
    return {LineKind::Entry, UpToNul(TrimRight(line.substr(0, equals))),
            UpToNul(TrimLeft(line.substr(equals + 1)))};
}

// The lines [first, last) of the body of the first section called `name`. The lines before
// the first section header form a section whose name is empty.
struct SectionBody {
    std::size_t first;
    std::size_t last;
};

std::optional<SectionBody> FindSection(const std::vector<Line>& lines, std::string_view name) {
    bool inSection = name.empty();
    std::size_t first = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const LineMeaning meaning = Interpret(lines[i].text);
        if (meaning.kind != LineKind::Section) {
            continue;
        }
        if (inSection) {
            return SectionBody{first, i};
        }
        if (EqualsIgnoreCase(meaning.name, name)) {
            inSection = true;
            first = i + 1;
        }
    }
    if (inSection) {
        return SectionBody{first, lines.size()};
    }
    return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<Line>& lines, SectionBody body,
                                   std::string_view name) {
    for (std::size_t i = body.first; i < body.last; ++i) {
        const LineMeaning meaning = Interpret(lines[i].text);
        if (meaning.kind == LineKind::Entry && EqualsIgnoreCase(meaning.name, name)) {
            return i;
        }
    }
    return std::nullopt;
}

// What GetPrivateProfileInt hands to its number conversion: the value without matching
// quotes around it, cut to the reader's buffer. The closing quote is dropped by shortening
// the buffer by one whenever the value could have fitted, so a quoted value of exactly 29
// characters also loses its last one. Lengths count bytes; they could only differ from
// Windows' characters after a non-ASCII character, and such a character already ends the
// number.
std::string ReaderBuffer(std::string_view value) {
    constexpr std::size_t kCapacity = kReaderBufferSize - 1;
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    if (!quoted) {
        return std::string(value.substr(0, kCapacity));
    }
    const std::string_view inner = value.substr(1);
    std::string buffer(inner.substr(0, kCapacity));
    if (inner.size() <= kReaderBufferSize) {
        buffer.pop_back();
    }
    return buffer;
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'Z') {
        return c - 'A' + 10;
    }
    return -1;
}

// The number conversion of Windows' profile reader (the system's string-to-integer routine
// with base 0).
std::int32_t ToInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::uint32_t base = 10;
    if (text.size() - i >= 2 && text[i] == '0') {
        switch (text[i + 1]) {
            case 'b':
                base = 2;
                i += 2;
                break;
            case 'o':
                base = 8;
                i += 2;
                break;
            case 'x':
                base = 16;
                i += 2;
                break;
            default:
                break;
        }
    }
    std::uint32_t total = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i]);
        if (digit < 0 || static_cast<std::uint32_t>(digit) >= base) {
            break;
        }
        total = total * base + static_cast<std::uint32_t>(digit);  // wraps modulo 2^32
    }
    if (negative) {
        total = 0U - total;
    }
    return static_cast<std::int32_t>(total);
}

std::filesystem::path PathFromUtf8(const std::string& path) {
    return std::filesystem::path(
        std::u8string_view(reinterpret_cast<const char8_t*>(path.data()), path.size()));
}

// The file's bytes; none when it is missing or cannot be read.
std::optional<std::string> ReadBytes(const std::string& path) {
    try {
        std::ifstream in(PathFromUtf8(path), std::ios::binary);
        if (!in) {
            return std::nullopt;
        }
        std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (in.bad()) {
            return std::nullopt;
        }
        return bytes;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

bool WriteBytes(const std::string& path, const Document& document) {
    try {
        std::ofstream out(PathFromUtf8(path), std::ios::binary | std::ios::trunc);
        if (!out) {
            return false;
        }
        out << document.bom;
        for (const Line& line : document.lines) {
            out << line.text << line.end;
        }
        out.close();
        return !out.fail();
    } catch (const std::exception&) {
        return false;
    }
}

// The value of the key's first line; none when the file, the section or the key is missing,
// or the line has no '='.
std::optional<std::string> FindValue(const std::string& section, const std::string& key,
                                     const std::string& path) {
    const std::optional<std::string> bytes = ReadBytes(path);
    if (!bytes) {
        return std::nullopt;
    }
    const Document document = Split(*bytes);
    const std::optional<SectionBody> body = FindSection(document.lines, Trim(section));
    if (!body) {
        return std::nullopt;
    }
    const std::optional<std::size_t> index = FindKey(document.lines, *body, Trim(key));
    if (!index) {
        return std::nullopt;
    }
    const LineMeaning meaning = Interpret(document.lines[*index].text);
    if (!meaning.value) {
        return std::nullopt;
    }
    return std::string(*meaning.value);
}

}  // namespace

std::int32_t IniFile::GetInt(const std::string& section, const std::string& key,
                             std::int32_t defaultValue, const std::string& path) {
    const std::optional<std::string> value = FindValue(section, key, path);
    return value ? IntegerOf(*value, defaultValue) : defaultValue;
}

std::int32_t IniFile::IntegerOf(std::string_view value, std::int32_t defaultValue) {
    const std::string buffer = ReaderBuffer(value);
    if (buffer.empty()) {
        return defaultValue;
    }
    return ToInteger(buffer);
}

std::optional<std::string> IniFile::Value(const std::string& section, const std::string& key,
                                          const std::string& path) {
    return FindValue(section, key, path);
}

std::string IniFile::GetString(const std::string& section, const std::string& key,
                               const std::string& defaultValue, const std::string& path,
                               std::size_t maxLength) {
    std::string value = FindValue(section, key, path).value_or(defaultValue);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value.substr(0, maxLength);
}

bool IniFile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value, const std::string& path) {
    const std::string_view sectionName = Trim(section);
    const std::string_view keyName = Trim(key);
    const std::string_view newValue = TrimLeft(value);
    Line newEntry{std::string(keyName) + "=" + std::string(newValue), std::string(kNewLineEnd)};

    Document document = Split(ReadBytes(path).value_or(std::string()));
    std::vector<Line>& lines = document.lines;
    const std::optional<SectionBody> body = FindSection(lines, sectionName);
    if (!body) {
        if (!lines.empty() && lines.back().end.empty()) {
            lines.back().end = kNewLineEnd;
        }
        lines.push_back({"[" + std::string(sectionName) + "]", std::string(kNewLineEnd)});
        lines.push_back(std::move(newEntry));
    } else if (const std::optional<std::size_t> index = FindKey(lines, *body, keyName)) {
        Line& line = lines[*index];
        const LineMeaning meaning = Interpret(line.text);
        if (meaning.value && *meaning.value == newValue) {
            return true;
        }
        line.text = std::string(meaning.name) + "=" + std::string(newValue);
        if (line.end.empty()) {
            line.end = kNewLineEnd;
        }
    } else {
        std::size_t at = body->first;
        for (std::size_t i = body->first; i < body->last; ++i) {
            if (Interpret(lines[i].text).kind != LineKind::Blank) {
                at = i + 1;
            }
        }
        if (at > 0 && lines[at - 1].end.empty()) {
            lines[at - 1].end = kNewLineEnd;
        }
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(newEntry));
    }
    return WriteBytes(path, document);
}

std::vector<std::string> IniFile::GetSection(const std::string& section, const std::string& path) {
    std::vector<std::string> result;
    const Document document = Split(ReadBytes(path).value_or(std::string()));
    const std::optional<SectionBody> body = FindSection(document.lines, Trim(section));
    if (!body) {
        return result;
    }
    for (std::size_t i = body->first; i < body->last; ++i) {
        const LineMeaning meaning = Interpret(document.lines[i].text);
        if (meaning.kind != LineKind::Entry || meaning.name.starts_with(';')) {
            continue;
        }
        std::string line(meaning.name);
        if (meaning.value) {
            line += "=";
            line += TrimRight(*meaning.value);
        }
        result.push_back(std::move(line));
    }
    return result;
}

bool IniFile::WriteSection(const std::string& section, const std::vector<std::string>& lines,
                           const std::string& path) {
    Document document = Split(ReadBytes(path).value_or(std::string()));
    std::vector<Line>& fileLines = document.lines;
    const std::string_view sectionName = Trim(section);
    std::size_t at = fileLines.size();
    if (const std::optional<SectionBody> body = FindSection(fileLines, sectionName)) {
        at = body->first;
        std::size_t last = body->first;
        for (std::size_t i = body->first; i < body->last; ++i) {
            if (Interpret(fileLines[i].text).kind != LineKind::Blank) {
                last = i + 1;
            }
        }
        fileLines.erase(fileLines.begin() + static_cast<std::ptrdiff_t>(at),
                        fileLines.begin() + static_cast<std::ptrdiff_t>(last));
    } else {
        if (!fileLines.empty() && fileLines.back().end.empty()) {
            fileLines.back().end = kNewLineEnd;
        }
        fileLines.push_back({"[" + std::string(sectionName) + "]", std::string(kNewLineEnd)});
        at = fileLines.size();
    }
    if (at > 0 && fileLines[at - 1].end.empty()) {
        fileLines[at - 1].end = kNewLineEnd;
    }
    std::vector<Line> added;
    for (const std::string& line : lines) {
        added.push_back({line, std::string(kNewLineEnd)});
    }
    fileLines.insert(fileLines.begin() + static_cast<std::ptrdiff_t>(at), added.begin(),
                     added.end());
    return WriteBytes(path, document);
}

FileState IniFile::State(const std::string& path) {
    std::error_code error;
    const std::filesystem::path file = PathFromUtf8(path);
    if (!std::filesystem::is_regular_file(file, error)) {
        return FileState::Missing;
    }
    // Opened for writing without truncating it, and closed again.
    const std::fstream out(file, std::ios::binary | std::ios::in | std::ios::out);
    return out.is_open() ? FileState::Writable : FileState::ReadOnly;
}

std::int64_t IniFile::LastWriteTime(const std::string& path) {
    std::error_code error;
    const auto time = std::filesystem::last_write_time(PathFromUtf8(path), error);
    return error ? 0 : static_cast<std::int64_t>(time.time_since_epoch().count());
}

void IniFile::CreateFolder(const std::string& path) {
    std::error_code ignored;
    std::filesystem::create_directory(PathFromUtf8(path), ignored);
}

}  // namespace keystead::settings::fake
