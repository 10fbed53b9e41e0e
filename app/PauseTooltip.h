#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "language/Language.h"

namespace keystead::app {

// The tooltip with the line "(Paused for NAME)" added, the program's name in plain ASCII
// (each other character a '?', as the notification area gets ANSI text) and shortened with
// "..." so that the whole stays within maxLength characters. An empty name stands for a
// full-screen program whose name could not be read.
std::string PausedTooltip(const std::string& tooltip, std::string_view program,
                          std::size_t maxLength,
                          language::Language language = language::Language::English);

}  // namespace keystead::app
