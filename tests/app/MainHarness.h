#pragma once

// The settings window on fakes: every service of the platform in memory, and drivers that
// act as the user and the shell would.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "MemoryProfile.h"
#include "app/Keystead.h"
#include "app/MainLayout.h"
#include "app/Platform.h"
#include "display/fake/FakeNoteScreen.h"
#include "lockkeys/fake/FakeKeyboard.h"
#include "pause/fake/FakeForeground.h"
#include "programs/fake/FakeRunningPrograms.h"
#include "registry/Registry.h"
#include "registry/RegistryCodes.h"
#include "registry/RunKey.h"
#include "registry/fake/MemoryRegistry.h"
#include "sound/fake/FakeSoundPlayer.h"
#include "tests/registry/RecordingRegistry.h"
#include "toolkit/fake/FakeToolkit.h"
#include "tray/fake/FakeNotifyArea.h"

namespace keystead::app::testing {

using policies::kPolicySubKey;

inline constexpr char kSettingsPath[] = "C:\\Tools\\Keystead.ini";
inline constexpr char kRunValueName[] = "Tarvine Keystead";
inline constexpr char kRunData[] = "\"C:\\Tools\\Keystead.exe\"";
inline constexpr std::uintptr_t kFormHandle = 0x10;  // what FakeForm reports as hWnd

// Shell notifications for the tray icon, as mouse message numbers.
inline constexpr int kLeftDown = 513;
inline constexpr int kLeftUp = 514;
inline constexpr int kLeftDoubleClick = 515;
inline constexpr int kRightDown = 516;
inline constexpr int kRightUp = 517;
inline constexpr int kRightDoubleClick = 518;
inline constexpr int kPointerMove = 512;

inline constexpr int kF1 = 112;

// Notes every question about a file's length.
class CountingApplication : public toolkit::fake::FakeApplication {
public:
    std::optional<std::uint64_t> FileLength(const std::string& file) const override {
        lengthQueries.push_back(file);
        return FakeApplication::FileLength(file);
    }
    mutable std::vector<std::string> lengthQueries;
};

// The registry in memory behind a RecordingRegistry, which notes every call.
struct RegistryStore {
    registry::fake::MemoryRegistry store;
};
class CountingRegistry : public RegistryStore, public registry::testing::RecordingRegistry {
public:
    CountingRegistry() : RecordingRegistry(store) {}
    std::size_t CallCount() const { return Calls().size(); }
};

inline registry::fake::MemoryRegistry::StoredValue TextValue(const std::string& text) {
    return {registry::kRegSz, std::vector<std::uint8_t>(text.begin(), text.end())};
}

// Everything a start of the program needs. By default the settings file exists and is not
// empty (so the window stays hidden), holds no keys (so every setting takes its default),
// and the Run key exists without the program's value.
class MainTest : public ::testing::Test {
protected:
    MainTest() {
        app.files[kSettingsPath] = 64;
        registryApi.store.CreateKey(registry::kRunRoot, std::string(registry::kRunSubKey));
    }

    // Creates the window and loads it, as the program's start does.
    toolkit::fake::FakeForm& Start() {
        Create();
        main->Form().Load();
        return Form();
    }

    // Creates the window without loading it.
    void Create() {
        main = std::make_unique<Keystead>(platform);
        form = factory.last;
    }

    toolkit::fake::FakeForm& Form() { return *form; }

    // The shell reports a mouse message on the tray icon.
    void Notify(int message) {
        form->MouseMove().Raise(0, 0, static_cast<float>(message) * 15.0f, 0.0f);
    }

    // Which button of a group is selected, or -1 for none (-2 for more than one).
    int Selected(int group) const {
        int selected = -1;
        for (int index = 0; index <= 2; ++index) {
            if (form->OptionValue(group, index)) {
                selected = selected == -1 ? index : -2;
            }
        }
        return selected;
    }

    std::string Interval() const { return form->Text(IntervalSetting); }
    bool ApplyEnabled() const { return form->Enabled(ApplyButton); }
    bool TimerOn() const { return form->Timer().Enabled() && form->TimerDriver().running; }

    std::optional<registry::fake::MemoryRegistry::StoredValue> RunValue() const {
        return registryApi.store.FindValue(registry::kRunRoot, std::string(registry::kRunSubKey),
                                           kRunValueName);
    }
    // The machine-wide Run value as the program reads it, or "<missing>".
    std::string RunValueText() {
        const registry::Value value = registry::ReadValue(
            registryApi, registry::kRunRoot, std::string(registry::kRunSubKey), kRunValueName);
        const auto* text = std::get_if<std::string>(&value);
        return text != nullptr ? *text : "<missing>";
    }
    void PutRunValue(registry::fake::MemoryRegistry::StoredValue value) {
        registryApi.store.PutValue(registry::kRunRoot, std::string(registry::kRunSubKey),
                                   kRunValueName, std::move(value));
    }

    const tray::FakeNotifyArea::Call& LastTrayCall() const { return notifyArea.calls.back(); }
    // The tooltip the shell was last handed, without the field's padding.
    std::string Tip() const {
        const std::string_view tip = LastTrayCall().Tip();
        return std::string(tip.substr(0, tip.find('\0')));
    }
    // The user presses Caps Lock, which turns it on.
    void PressCaps() {
        keyboard.states[lockkeys::kVkCapital] = 1;
        Form().RawKeyUp(lockkeys::kVkCapital);
    }

    CountingApplication app;
    toolkit::fake::FakeScreen screen;
    toolkit::fake::FakeFormFactory factory;
    toolkit::fake::FakeShell shell;
    lockkeys::FakeKeyboard keyboard;
    MemoryProfile profile;
    CountingRegistry registryApi;
    tray::FakeNotifyArea notifyArea;
    pause::FakeForeground foreground;
    display::FakeNoteScreen notes;
    display::FakeIconPainter icons;
    sound::FakeSoundPlayer sounds;
    programs::fake::FakeRunningPrograms running;
    Platform platform{app,        screen,     factory, shell, keyboard, profile, registryApi,
                      notifyArea, foreground, notes,   icons, sounds,   running};
    std::unique_ptr<Keystead> main;
    toolkit::fake::FakeForm* form = nullptr;
};

// The tip field as the shell gets it: the text, its NUL, then blanks to 64 bytes.
inline std::string TipField(const std::string& text) {
    std::string field = text;
    field.push_back('\0');
    field.resize(64, ' ');
    return field;
}

}  // namespace keystead::app::testing
