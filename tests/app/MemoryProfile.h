#pragma once

#include <cctype>
#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "settings/Profile.h"

namespace keystead::app::testing {

// A settings file kept in memory: one map of (section, key) to text for whatever path is
// asked for. Reads and writes are noted in order; writes also change the map, so that a
// second program start on the same object reads what the first one saved.
class MemoryProfile : public settings::Profile {
public:
    struct Write {
        std::string section, key, value, path;
        bool operator==(const Write&) const = default;
    };

    std::int32_t GetInt(const std::string& section, const std::string& key,
                        std::int32_t defaultValue, const std::string& path) override {
        reads.push_back(key + "@" + path);
        auto found = values.find({section, key});
        if (found == values.end()) {
            return defaultValue;
        }
        return LeadingInteger(found->second);
    }

    void WriteString(const std::string& section, const std::string& key, const std::string& value,
                     const std::string& path) override {
        writes.push_back({section, key, value, path});
        values[{section, key}] = value;
    }

    void Put(const std::string& key, const std::string& value) { values[{"main", key}] = value; }

    std::map<std::pair<std::string, std::string>, std::string> values;
    std::vector<std::string> reads;
    std::vector<Write> writes;

private:
    // Blanks, an optional sign and the digits that follow; no digits read as 0.
    static std::int32_t LeadingInteger(const std::string& text) {
        std::size_t at = 0;
        while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])) != 0) {
            ++at;
        }
        bool negative = false;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
            negative = text[at] == '-';
            ++at;
        }
        long long number = 0;
        for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
            number = number * 10 + (text[at] - '0');
            if (number > std::numeric_limits<std::int32_t>::max()) {
                number = std::numeric_limits<std::int32_t>::max();
            }
        }
        return static_cast<std::int32_t>(negative ? -number : number);
    }
};

}  // namespace keystead::app::testing
