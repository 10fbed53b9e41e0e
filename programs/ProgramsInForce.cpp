#include "programs/ProgramsInForce.h"

#include <utility>

namespace keystead::programs {

bool ProgramsInForce::SetOwn(ProgramModesList own) {
    own_ = std::move(own);
    return Merge();
}

bool ProgramsInForce::SetAdministrator(const std::vector<std::string>& lines) {
    administrator_ = BuildProgramModesList(lines);
    return Merge();
}

// The administrator's entries come first: the first entry for a name wins.
bool ProgramsInForce::Merge() {
    inForce_ = administrator_;
    for (const ProgramModes& program : own_.Programs()) {
        inForce_.Add(program);
    }
    return SetFront(std::string(frontName_));
}

bool ProgramsInForce::SetFront(std::string_view fileName) {
    frontName_ = fileName;
    const ProgramModes* found = inForce_.Find(fileName);
    ProgramModes front = found != nullptr ? *found : ProgramModes{};
    if (front == front_) {
        return false;
    }
    front_ = std::move(front);
    return true;
}

}  // namespace keystead::programs
