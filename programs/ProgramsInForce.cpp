#include "programs/ProgramsInForce.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace keystead::programs {

bool ProgramsInForce::SetOwn(ProgramModesList own) {
    own_ = std::move(own);
    return SetFront(std::string(frontName_));
}

bool ProgramsInForce::SetAdministrator(std::string_view lines, const Fixed& fixed) {
    administrator_ = {};
    fixed_ = fixed;
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
    ProgramModes front;
    if (const ProgramModes* managed = administrator_.Find(fileName)) {
        front = *managed;
    } else if (const ProgramModes* own = own_.Find(fileName)) {
        front = *own;
        // A user's entry never loosens a mode the administrator fixes for every program.
        for (std::size_t key = 0; key < fixed_.size(); ++key) {
            if (fixed_[key]) {
                front.modes[key].reset();
            }
        }
    }
    if (front == front_) {
        return false;
    }
    front_ = front;
    return true;
}

}  // namespace keystead::programs
