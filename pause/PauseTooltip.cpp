#include "pause/PauseTooltip.h"

namespace keystead::pause {

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kCut = "...";

}  // namespace

std::string PausedTooltip(const std::string& tooltip, std::string_view program,
                          std::size_t maxLength, language::Language language) {
    return TooltipWithLine(tooltip, language::Text::PausedLine,
                           program.empty()
                               ? language::Say(language::Text::FullScreenProgram, language)
                               : std::string(program),
                           maxLength, language);
}

std::string TooltipWithLine(const std::string& tooltip, language::Text line, std::string name,
                            std::size_t maxLength, language::Language language) {
    // The line's words around the name: "(Paused for " and ")" in English.
    const std::string_view words = language::Say(line, language);
    const std::size_t gap = words.find("{}");
    const std::string opening = std::string(kLineBreak) + std::string(words.substr(0, gap));
    const std::string_view closing = words.substr(gap + 2);
    const std::size_t frame = tooltip.size() + opening.size() + closing.size();
    if (frame > maxLength) {
        return tooltip;
    }
    const std::size_t room = maxLength - frame;
    if (name.size() > room) {
        if (room <= kCut.size()) {
            return tooltip;  // no line rather than a name of dots alone
        }
        std::size_t keep = room - kCut.size();
        while (keep > 0 && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) {
            --keep;  // never half a character of a translated name
        }
        name.resize(keep);
        name += kCut;
    }
    std::string text = tooltip;
    text += opening;
    text += name;
    text += closing;
    return text;
}

}  // namespace keystead::pause
