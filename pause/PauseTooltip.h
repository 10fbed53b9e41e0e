#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "language/Texts.h"

namespace keystead::pause {

// The tooltip with the line "(Paused for NAME)" added, the program's name shortened with "..."
// (never in the middle of a character) so that the whole stays within maxLength bytes of UTF-8,
// which the notification area's wide field always holds. An empty name stands for a
// full-screen program whose name could not be read.
std::string PausedTooltip(const std::string& tooltip, std::string_view program,
                          std::size_t maxLength,
                          language::Language language = language::Language::English);
// The same for any line of the text table with "{}" for a name.
std::string TooltipWithLine(const std::string& tooltip, language::Text line, std::string name,
                            std::size_t maxLength, language::Language language);

}  // namespace keystead::pause
