#include "app/PauseTooltip.h"

namespace keystead::app {

namespace {

constexpr std::string_view kOpening = "\r\n(Paused for ";
constexpr std::string_view kClosing = ")";
constexpr std::string_view kUnnamed = "a full-screen program";
constexpr std::string_view kCut = "...";

std::string Ascii(std::string_view utf8) {
    std::string text;
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text.push_back(c);
        } else if ((byte & 0xC0) != 0x80) {  // the first byte of a character
            text.push_back('?');
        }
    }
    return text;
}

}  // namespace

std::string PausedTooltip(const std::string& tooltip, std::string_view program,
                          std::size_t maxLength) {
    std::string name = program.empty() ? std::string(kUnnamed) : Ascii(program);
    const std::size_t frame = tooltip.size() + kOpening.size() + kClosing.size();
    if (frame > maxLength) {
        return tooltip;
    }
    const std::size_t room = maxLength - frame;
    if (name.size() > room) {
        if (room <= kCut.size()) {
            return tooltip;  // no line rather than a name of dots alone
        }
        name.resize(room - kCut.size());
        name += kCut;
    }
    std::string text = tooltip;
    text += kOpening;
    text += name;
    text += kClosing;
    return text;
}

}  // namespace keystead::app
