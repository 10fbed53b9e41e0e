#pragma once

#include "display/IconPainter.h"
#include "display/NoteScreen.h"
#include "lockkeys/Keyboard.h"
#include "pause/Foreground.h"
#include "programs/RunningPrograms.h"
#include "registry/RegistryApi.h"
#include "settings/Profile.h"
#include "sound/SoundPlayer.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Screen.h"
#include "toolkit/Shell.h"
#include "tray/NotifyArea.h"

namespace keystead::app {

// Every service of the platform that the program uses: the real ones on Windows, fakes
// in tests.
struct Platform {
    toolkit::Application& app;
    const toolkit::Screen& screen;
    toolkit::FormFactory& forms;
    toolkit::Shell& shell;
    lockkeys::Keyboard& keyboard;
    settings::Profile& profile;
    registry::RegistryApi& registry;
    tray::NotifyArea& notifyArea;
    pause::Foreground& foreground;
    display::NoteScreen& notes;
    display::IconPainter& icons;
    sound::SoundPlayer& sounds;
    programs::RunningPrograms& running;
};

}  // namespace keystead::app
