#include "app/CommandLine.h"

#include <string>

namespace keystead::app {

namespace {

// No switch is longer; a line beyond this is refused unread.
constexpr std::size_t kLongestLine = 1024;

struct Switch {
    std::string_view name;
    Command command;
};

constexpr Switch kSwitches[] = {
    {"settings", Command::Settings}, {"suspend", Command::Suspend}, {"resume", Command::Resume},
    {"toggle", Command::Toggle},     {"exit", Command::Exit},       {"display", Command::Display},
    {"programs", Command::Programs},
};

// ASCII letters only, whatever the user's locale says about others.
char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::optional<Command> ParseCommandLine(std::string_view arguments) {
    if (arguments.size() > kLongestLine) {
        return std::nullopt;
    }
    // Words as Windows splits them: blanks and control characters part them, double quotes
    // group and vanish, and "" is an empty word of its own.
    std::string word;
    int words = 0;
    bool inWord = false;
    bool quoted = false;
    for (char c : arguments) {
        const bool blank = static_cast<unsigned char>(c) <= ' ';
        if (blank && !quoted) {
            inWord = false;
            continue;
        }
        if (!inWord) {
            inWord = true;
            ++words;
        }
        if (c == '"') {
            quoted = !quoted;
        } else if (words == 1) {
            word.push_back(Lower(c));
        }
    }
    if (words == 0) {
        return Command::None;
    }
    if (words > 1 || word.size() < 2 || (word[0] != '/' && word[0] != '-')) {
        return std::nullopt;
    }
    const std::string_view name = std::string_view(word).substr(1);
    for (const Switch& known : kSwitches) {
        if (name == known.name) {
            return known.command;
        }
    }
    return std::nullopt;
}

}  // namespace keystead::app
