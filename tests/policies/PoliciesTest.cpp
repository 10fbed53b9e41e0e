// The display rules where notes stand and when keys sound, read from a registry in memory:
// the machine's before the user's, each within its range, and put in force over the file's.
#include "policies/Policies.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "registry/RegistryCodes.h"
#include "registry/fake/MemoryRegistry.h"

namespace keystead::policies {
namespace {

using registry::kHkeyCurrentUser;
using registry::kHkeyLocalMachine;
using registry::fake::MemoryRegistry;
using settings::DisplaySection;
using settings::NoteMonitor;
using settings::SoundMode;

MemoryRegistry::StoredValue Dword(std::uint32_t number) {
    return {registry::kRegDword,
            {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
             static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)}};
}

TEST(DisplayPolicies, MonitorAndSoundsAreReadWithinTheirRangesMachineFirst) {
    struct Case {
        const char* what;
        std::optional<MemoryRegistry::StoredValue> machine;
        std::optional<MemoryRegistry::StoredValue> user;
        std::optional<std::int32_t> expected;
    };
    const Case cases[] = {
        {"none", std::nullopt, std::nullopt, std::nullopt},
        {"user's lowest", std::nullopt, Dword(0), 0},
        {"machine's highest of sounds", Dword(2), std::nullopt, 2},
        {"machine beats user", Dword(1), Dword(2), 1},
        {"machine's out of range leaves the user's", Dword(4), Dword(2), 2},
        {"negative", std::nullopt, Dword(0xFFFFFFFF), std::nullopt},
        {"not a number", std::nullopt, MemoryRegistry::StoredValue{registry::kRegSz, {'1', 0}},
         std::nullopt},
    };
    for (const Case& c : cases) {
        for (std::size_t key = 0; key < lockkeys::kLockKeyCount; ++key) {
            MemoryRegistry registry;
            for (const char* name : {"NoteMonitor", settings::SoundKey(key)}) {
                if (c.machine) {
                    registry.PutValue(kHkeyLocalMachine, kPolicySubKey, name, *c.machine);
                }
                if (c.user) {
                    registry.PutValue(kHkeyCurrentUser, kPolicySubKey, name, *c.user);
                }
            }
            const Policies::Display rules = ReadPolicies(registry).display;
            const auto asNumber = [](auto rule) {
                return rule ? std::optional<std::int32_t>(static_cast<std::int32_t>(*rule))
                            : std::nullopt;
            };
            EXPECT_EQ(asNumber(rules.monitor), c.expected) << c.what;
            EXPECT_EQ(asNumber(rules.sounds[key]), c.expected) << c.what << " " << key;
            for (std::size_t other = 0; other < lockkeys::kLockKeyCount; ++other) {
                EXPECT_TRUE(other == key || !rules.sounds[other]) << c.what << " " << other;
            }
        }
    }
    // Three is a monitor but no sound.
    MemoryRegistry registry;
    registry.PutValue(kHkeyLocalMachine, kPolicySubKey, "NoteMonitor", Dword(3));
    registry.PutValue(kHkeyLocalMachine, kPolicySubKey, "CapsLockSound", Dword(3));
    const Policies::Display rules = ReadPolicies(registry).display;
    EXPECT_EQ(rules.monitor, NoteMonitor::Every);
    EXPECT_EQ(rules.sounds[0], std::nullopt);
}

TEST(DisplayPolicies, EachRuleInForceTheUsersChoiceElsewhere) {
    const DisplaySection own{
        .monitor = NoteMonitor::Pointer,
        .sounds = {SoundMode::WhenHeld, SoundMode::OnEveryChange, SoundMode::WhenHeld}};
    EXPECT_EQ(DisplayInForce({}, own), own);

    Policies::Display rules;
    rules.monitor = NoteMonitor::FrontWindow;
    rules.sounds[1] = SoundMode::None;
    DisplaySection expected = own;
    expected.monitor = NoteMonitor::FrontWindow;
    expected.sounds[1] = SoundMode::None;
    EXPECT_EQ(DisplayInForce(rules, own), expected);
}

// Group Policy's list element: a value per program under a key of its own.
TEST(ProgramPolicies, EveryTextOfTheListsKeyMachineFirstAsLinesOfTheSection) {
    const std::string key = std::string(kPolicySubKey) + "\\Programs";
    MemoryRegistry registry;
    EXPECT_EQ(ReadPolicies(registry).programs, "");
    const auto text = [](const std::string& data) {
        return MemoryRegistry::StoredValue{registry::kRegSz, {data.begin(), data.end()}};
    };
    registry.PutValue(kHkeyCurrentUser, key, "Typer.exe", text("2,,"));
    registry.PutValue(kHkeyLocalMachine, key, "Excel.exe", text(",1,"));
    registry.PutValue(kHkeyLocalMachine, key, "number.exe", Dword(1));
    registry.PutValue(kHkeyLocalMachine, key, std::string(300, 'x'), text("1,,"));
    registry.PutValue(kHkeyLocalMachine, key, "typer.exe", text("0,,"));
    registry.PutValue(kHkeyLocalMachine, key, "two.exe", text("0,,\nx.exe=1,,"));
    EXPECT_EQ(ReadPolicies(registry).programs, "Excel.exe=,1,\ntyper.exe=0,,\nTyper.exe=2,,\n");
}

}  // namespace
}  // namespace keystead::policies
