// What the user applies outlives the program from that moment: Apply and OK write the
// settings file and the registration as the end does, so that Task Manager's "End task", a
// crash or a power cut loses nothing that was applied.
#include <string>

#include "app/Keystead.h"
#include "product/Product.h"
#include "registry/Registration.h"
#include "registry/RunKey.h"
#include "settings/SettingsFile.h"
#include "toolkit/IgnoreFailure.h"

namespace keystead::app {

namespace {

bool FileExists(const toolkit::Application& app, const std::string& path) {
    return app.FileLength(path).has_value();
}

}  // namespace

// Each step runs on when the one before it failed.
void Keystead::KeepApplied() {
    toolkit::Application& app = platform_.app;
    toolkit::IgnoreFailure([&] {
        // What an administrator fixed is not the user's choice: the file keeps the user's own.
        const policies::UserChoice& own = rules_.Own(applied_, checks_.Interval());
        settings::SaveSettings(platform_.profile, settings::FindSettingsFiles(app, kProductName),
                               own.Settings(), own.Interval());
    });
    toolkit::IgnoreFailure([&] { KeepRegistration(); });
}

// Rewritten or removed every time, except that a registration of another copy that is still
// there (a newer version tried from Downloads, or the installed one while this is tried) is
// that copy's: it stays as it is unless the user changed the box in this run.
void Keystead::KeepRegistration() {
    const toolkit::Application& app = platform_.app;
    const std::string data = registry::RunValueData(app.Path(), app.ExeName());
    if (rules_.KeepStartUpRule()) {
        return;
    }
    const std::string own(registry::RunValueProgram(data));
    const auto expand = [&app](const std::string& text) { return app.ExpandEnvironment(text); };
    const auto exists = [&app](const std::string& path) { return FileExists(app, path); };
    const auto anotherIn = [&](std::uint32_t root) {
        return registry::NamesAnotherCopyIn(platform_.registry, root, kProductName, own, expand,
                                            exists);
    };
    // Once this copy starts at logon, a user value left by another one would start a second
    // copy beside it: that one goes, while a machine-wide value stays the administrator's.
    const bool startsThis = applied_.AutoRun == lockkeys::kTrue &&
                            (registry::StartsProgramIn(platform_.registry, registry::kRunRoot,
                                                       kProductName, own, expand) ||
                             registry::StartsProgramIn(platform_.registry, registry::kUserRunRoot,
                                                       kProductName, own, expand));
    if (!autoRunChanged_ &&
        (anotherIn(registry::kRunRoot) || (!startsThis && anotherIn(registry::kUserRunRoot)))) {
        return;
    }
    if (applied_.AutoRun == lockkeys::kTrue) {
        registry::Register(platform_.registry, kProductName, data);
    } else {
        registry::Unregister(platform_.registry, kProductName);
    }
}

}  // namespace keystead::app
