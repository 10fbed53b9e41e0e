#include "programs/ProgramsInForce.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace keystead::programs {

bool ProgramsInForce::SetOwn(ProgramModesList own) {
    own_ = std::move(own);
    return SetFront(std::string(frontName_));
}

bool ProgramsInForce::SetAdministrator(std::string_view lines) {
    administrator_ = {};
    while (!lines.empty()) {
        const std::size_t end = std::min(lines.find('\n'), lines.size());
        if (std::optional<ProgramModes> program = ParseProgramLine(lines.substr(0, end))) {
            administrator_.Add(std::move(*program));
        }
        lines.remove_prefix(std::min(end + 1, lines.size()));
    }
    return SetFront(std::string(frontName_));
}

bool ProgramsInForce::SetFront(std::string_view fileName) {
    frontName_ = fileName;
    const ProgramModes* found = administrator_.Find(fileName);
    if (found == nullptr) {
        found = own_.Find(fileName);
    }
    const ProgramModes& front = found != nullptr ? *found : ProgramModes{};
    if (front == front_) {
        return false;
    }
    front_ = front;
    return true;
}

}  // namespace keystead::programs
