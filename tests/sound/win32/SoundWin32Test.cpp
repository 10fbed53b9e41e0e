// The sound events in the real registry and PlaySound under Wine, which has no sound device
// here: the registration lands where Windows' Sound settings look, and playing costs nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>

#include "registry/win32/Win32Registry.h"
#include "sound/SoundEvents.h"
#include "sound/win32/Win32SoundPlayer.h"
#include "toolkit/win32/Text.h"

namespace keystead::sound::win32 {
namespace {

using toolkit::win32::Widen;

// A throw-away application key: the program's own stays as it is.
constexpr char kAppKey[] = "KeysteadSoundTest";

std::wstring AppKey() {
    return Widen(std::string(kAppsKey) + "\\" + kAppKey);
}

struct Stored {
    DWORD type;
    std::wstring text;
    bool operator==(const Stored&) const = default;
};

// The key's default value as stored, environment strings unexpanded.
std::optional<Stored> ReadDefault(const std::wstring& subKey) {
    wchar_t text[512] = {};
    DWORD size = sizeof text;
    DWORD type = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, subKey.c_str(), nullptr, RRF_RT_ANY | RRF_NOEXPAND, &type,
                     text, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return Stored{type, text};
}

// Removes what the test registers, before and after it.
class CleanRegistry : public ::testing::Test {
protected:
    CleanRegistry() { Clean(); }
    ~CleanRegistry() override { Clean(); }

    static void Clean() {
        RegDeleteTreeW(HKEY_CURRENT_USER, AppKey().c_str());
        for (const SoundEventEntry& event : kSoundEvents) {
            RegDeleteTreeW(HKEY_CURRENT_USER,
                           Widen(std::string(kEventLabelsKey) + "\\" + event.name).c_str());
        }
    }

    registry::win32::Win32Registry registry_;
};

using SoundRegistration = CleanRegistry;
using SoundPlaying = CleanRegistry;

TEST_F(SoundRegistration, LandsWhereWindowsSoundSettingsLook) {
    ASSERT_EQ(ReadDefault(AppKey()), std::nullopt);
    RegisterSoundEvents(registry_, kAppKey, language::Language::French);

    EXPECT_EQ(ReadDefault(AppKey()), (Stored{REG_SZ, L"Tarvine Keystead"}));
    const struct {
        const char* name;
        const wchar_t* label;
        const wchar_t* sound;
    } kEvents[] = {
        {"KeysteadPutBack", L"Touche de verrouillage rétablie",
         L"%SystemRoot%\\media\\Windows Notify System Generic.wav"},
        {"KeysteadLockOn", L"Touche de verrouillage activée",
         L"%SystemRoot%\\media\\Speech On.wav"},
        {"KeysteadLockOff", L"Touche de verrouillage désactivée",
         L"%SystemRoot%\\media\\Speech Off.wav"},
    };
    for (const auto& e : kEvents) {
        SCOPED_TRACE(e.name);
        const std::wstring sounds = AppKey() + L"\\" + Widen(e.name);
        EXPECT_EQ(ReadDefault(Widen(std::string(kEventLabelsKey) + "\\" + e.name)),
                  (Stored{REG_SZ, e.label}));
        EXPECT_EQ(ReadDefault(sounds + L"\\.Default"), (Stored{REG_EXPAND_SZ, e.sound}));
        EXPECT_EQ(ReadDefault(sounds + L"\\.Current"), (Stored{REG_EXPAND_SZ, e.sound}));
    }

    // The user silences one sound in the Sound settings; a later run keeps that.
    const std::wstring current = AppKey() + L"\\KeysteadLockOn\\.Current";
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, current.c_str(), nullptr, REG_EXPAND_SZ, L"",
                              sizeof(wchar_t)),
              ERROR_SUCCESS);
    RegisterSoundEvents(registry_, kAppKey, language::Language::French);
    EXPECT_EQ(ReadDefault(current), (Stored{REG_EXPAND_SZ, L""}));
}

// Wine here has no sound device: each sound, registered or not, is asked for and the call
// comes back at once, as it must on a machine without one.
TEST_F(SoundPlaying, ComesBackAtOnceWithoutASoundDevice) {
    RegisterSoundEvents(registry_, kAppKey, language::Language::English);
    Win32SoundPlayer player;
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < 2; ++round) {
        for (const SoundEventEntry& event : kSoundEvents) {
            player.Play(event.name);
        }
        player.Play("KeysteadNoSuchEvent");
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    EXPECT_NE(GetModuleHandleW(L"winmm.dll"), nullptr) << "loaded for the first sound";
}

// Wine answers SPI_GETTOGGLEKEYS (off) but refuses SPI_SETTOGGLEKEYS: there, only the
// answer as it is can be compared.
TEST(SoundToggleKeys, ReadsWindowsSetting) {
    TOGGLEKEYS saved{sizeof saved, 0};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETTOGGLEKEYS, sizeof saved, &saved, 0));
    Win32SoundPlayer player;
    EXPECT_EQ(player.ToggleKeysOn(), (saved.dwFlags & TKF_TOGGLEKEYSON) != 0);
    for (const bool on : {true, false}) {
        SCOPED_TRACE(on ? "on" : "off");
        TOGGLEKEYS set = saved;
        set.dwFlags = on ? saved.dwFlags | TKF_TOGGLEKEYSON : saved.dwFlags & ~TKF_TOGGLEKEYSON;
        if (SystemParametersInfoW(SPI_SETTOGGLEKEYS, sizeof set, &set, 0)) {
            EXPECT_EQ(player.ToggleKeysOn(), on);
        }
    }
    SystemParametersInfoW(SPI_SETTOGGLEKEYS, sizeof saved, &saved, 0);
}

}  // namespace
}  // namespace keystead::sound::win32
