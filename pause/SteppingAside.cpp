#include "pause/SteppingAside.h"

namespace keystead::pause {

SteppingAside::SteppingAside(Foreground& foreground, SteppingAsideEvents& events)
    : foreground_(foreground), events_(events), rule_(foreground) {}

// With no rule, nothing watches the foreground and no check ever asks about it.
void SteppingAside::Load(settings::Profile& profile, const std::string& path,
                         const std::string& beside, const std::string& administratorList) {
    constexpr std::size_t kMaxLength = ProgramList::kMaxListLength + 1;
    section_ = settings::LoadPauseSection(profile, path, beside, kMaxLength);
    SetAdministratorList(administratorList);
}

void SteppingAside::SetOwnList(const std::string& programs, bool fullScreen) {
    section_ = {.programs = programs, .fullScreen = fullScreen, .present = true};
    SetAdministratorList(std::string(administrator_));
}

void SteppingAside::SetAdministratorList(const std::string& programs) {
    administrator_ = programs;
    rule_.SetRules(BuildProgramList(section_.programs, {programs}), section_.fullScreen);
    Watch();
    Update();
}

void SteppingAside::Update() {
    if (rule_.Update()) {
        events_.SteppingAside_Change();
    }
}

void SteppingAside::WatchAlsoFor(bool wanted) {
    watchWanted_ = wanted;
    Watch();
}

void SteppingAside::Watch() {
    if (!rule_.HasRules() && !watchWanted_) {
        watch_.reset();
    } else if (!watch_) {
        watch_ = foreground_.Watch(*this);
    }
}

void SteppingAside::Foreground_Change() {
    Update();
    events_.SteppingAside_Foreground();
}

}  // namespace keystead::pause
