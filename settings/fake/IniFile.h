#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/Profile.h"

namespace keystead::settings::fake {

// A private-profile file kept in plain C++, for the tests on platforms without Windows'
// profile functions. It reads and writes files the way those functions do, as far as this program
// can tell:
//
// - Lines end in CR LF, LF or CR alone. Blanks (tab, LF, VT, FF, CR, space and Ctrl-Z) around
//   a line, a section name, a key name and before a value do not count.
// - A line that starts with '[' and holds a ']' opens a section; its name runs to the last
//   ']'. Lines before the first section belong to a section without a name.
// - Section and key names match without regard to the case of ASCII letters. Only the first
//   section of a name is looked at, and in it only the first line of the key, even one with
//   no '='.
// - A UTF-8 byte-order mark is skipped and kept. Other text is taken as bytes; a UTF-16
//   file, which Windows would also read, is not understood.
//
// Reading an integer follows GetPrivateProfileInt: a value in matching single or double
// quotes loses them, only its first 29 characters count, and an empty value gives the
// default. Then blanks and control characters are skipped, one '+' or '-' is taken, "0x",
// "0o" or "0b" switch to base 16, 8 or 2, digits are taken up to the first character that is
// not one, and the number wraps around modulo 2^32: "12abc" is 12, "abc" is 0, "0x10" is 16,
// "010" is 10, "4294967295" is -1.
//
// Writing a value changes only the lines it must:
// - a key that is there gets its value in place, written as "name=value" with the name
//   spelt as in the file; when the value is already the same the file is not touched;
// - a missing key goes after the last line of its section that is not blank;
// - a missing section goes at the end of the file, a missing file is created;
// - every other line keeps its bytes, blank lines and their line ends included.
// Added lines end in CR LF; a replaced line keeps its line end, or gets CR LF if it had none.
// Here IniFile keeps more than Wine's profile functions, which rewrite the whole file on every
// change: they drop blank lines, write every line as "name=value" and end every line in CR LF.
// The value loses its leading blanks.
//
// Reading a section gives each line of it that is not blank or a comment (';'), as
// "name=value" without blanks around the name and the value; a line without '=' gives its
// name alone. Writing a section replaces its lines up to the last one that is not blank
// (blank lines before the next section stay) with the new lines, each ending in CR LF; a
// missing section goes at the end of the file.
//
// A write that fails (a folder that does not exist, no
// permission) returns false; one that changes nothing returns true.
//
// Paths are UTF-8.
class IniFile final : public Profile {
public:
    std::int32_t GetInt(const std::string& section, const std::string& key,
                        std::int32_t defaultValue, const std::string& path) override;
    // Reads text as GetPrivateProfileString does: matching quotes around the value are
    // dropped; the length counts bytes.
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& defaultValue, const std::string& path,
                          std::size_t maxLength) override;
    bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                     const std::string& path) override;
    std::vector<std::string> GetSection(const std::string& section,
                                        const std::string& path) override;
    bool WriteSection(const std::string& section, const std::vector<std::string>& lines,
                      const std::string& path) override;
    FileState State(const std::string& path) override;
    std::int64_t LastWriteTime(const std::string& path) override;
    void CreateFolder(const std::string& path) override;

    // What GetInt makes of a value as a file holds it (the default for an empty one): for
    // other fakes that keep values without a file.
    static std::int32_t IntegerOf(std::string_view value, std::int32_t defaultValue);
    // The value of the key's first line as the file holds it; none when it is not there.
    static std::optional<std::string> Value(const std::string& section, const std::string& key,
                                            const std::string& path);
};

}  // namespace keystead::settings::fake
