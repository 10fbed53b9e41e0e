#include "registry/Policy.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "RecordingRegistry.h"
#include "registry/Registry.h"
#include "registry/RegistryCodes.h"
#include "registry/fake/MemoryRegistry.h"

namespace keystead::registry {
namespace {

using fake::MemoryRegistry;
using State = PolicyState;

constexpr char kKey[] = "Software\\Policies\\Vendor\\Product";

MemoryRegistry::StoredValue Dword(std::uint32_t number) {
    return {kRegDword,
            {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
             static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)}};
}

MemoryRegistry::StoredValue Text(const std::string& text) {
    return {kRegSz, std::vector<std::uint8_t>(text.begin(), text.end())};
}

TEST(PolicyDword, IsJudgedByTypeAndRange) {
    struct Case {
        const char* what;
        std::optional<MemoryRegistry::StoredValue> stored;
        PolicyState state;
        std::int32_t value;
    };
    const Case cases[] = {
        {"no value", std::nullopt, State::NotConfigured, 0},
        {"lowest", Dword(20), State::Set, 20},
        {"highest", Dword(60000), State::Set, 60000},
        {"below", Dword(19), State::WrongValue, 0},
        {"above", Dword(60001), State::WrongValue, 0},
        {"negative", Dword(0xFFFFFFFF), State::WrongValue, 0},
        {"text", Text("100"), State::WrongValue, 0},
        {"binary", MemoryRegistry::StoredValue{kRegBinary, {100, 0, 0, 0}}, State::WrongValue, 0},
        {"eight bytes", MemoryRegistry::StoredValue{kRegDword, {100, 0, 0, 0, 0, 0, 0, 0}},
         State::WrongValue, 0},
    };
    for (const Case& c : cases) {
        MemoryRegistry registry;
        registry.CreateKey(kHkeyLocalMachine, kKey);
        if (c.stored) {
            registry.PutValue(kHkeyLocalMachine, kKey, "Interval", *c.stored);
        }
        const ScopedKey key(registry, kHkeyLocalMachine, kKey, kReadAccess);
        const PolicyValue read = ReadPolicyDword(registry, key, "Interval", 20, 60000);
        EXPECT_EQ(read.state, c.state) << c.what;
        EXPECT_EQ(read.value, c.value) << c.what;
    }
}

TEST(PolicyDword, AMissingKeyIsNotConfiguredAndARefusedOneUnreadable) {
    MemoryRegistry registry;
    {
        const ScopedKey missing(registry, kHkeyCurrentUser, kKey, kReadAccess);
        EXPECT_EQ(ReadPolicyDword(registry, missing, "CapsLock", 0, 2).state, State::NotConfigured);
    }
    registry.PutValue(kHkeyCurrentUser, kKey, "CapsLock", Dword(1));
    registry.SetAllowedAccess(kHkeyCurrentUser, kKey, kKeySetValue);
    const ScopedKey refused(registry, kHkeyCurrentUser, kKey, kReadAccess);
    EXPECT_EQ(ReadPolicyDword(registry, refused, "CapsLock", 0, 2).state, State::Unreadable);
}

TEST(PolicyPrecedence, TheMachineBeatsTheUserAndAFailureIsNotLost) {
    const PolicyValue none{};
    const PolicyValue set1{State::Set, 1};
    const PolicyValue set2{State::Set, 2};
    const PolicyValue wrong{State::WrongValue};
    const PolicyValue unreadable{State::Unreadable};
    struct Case {
        PolicyValue machine, user;
        PolicyState state;
        std::int32_t value;
    };
    const Case cases[] = {
        {none, none, State::NotConfigured, 0},
        {set1, set2, State::Set, 1},
        {none, set2, State::Set, 2},
        {wrong, set2, State::Set, 2},
        {unreadable, set2, State::Set, 2},
        {set1, unreadable, State::Set, 1},
        {wrong, none, State::WrongValue, 0},
        {none, unreadable, State::Unreadable, 0},
        {unreadable, wrong, State::Unreadable, 0},
    };
    int row = 0;
    for (const Case& c : cases) {
        const PolicyValue result = FirstSet(c.machine, c.user);
        EXPECT_EQ(result.state, c.state) << "row " << row;
        EXPECT_EQ(result.value, c.value) << "row " << row;
        ++row;
    }
}

TEST(PolicyKeys, ReadTheMachinesKeyInThe64BitView) {
    MemoryRegistry store;
    store.PutValue(kHkeyLocalMachine, kKey, "NumLock", Dword(7));  // out of range
    store.PutValue(kHkeyCurrentUser, kKey, "NumLock", Dword(2));
    testing::RecordingRegistry registry(store);
    const PolicyKeys keys(registry, kKey);
    ASSERT_FALSE(registry.Calls().empty());
    EXPECT_EQ(registry.Calls().front(),
              "open " + std::to_string(kReadAccess | kKeyWow64_64Key) + " = 0");
    const PolicyValue numLock = keys.Dword("NumLock", 0, 2);
    EXPECT_EQ(numLock.state, State::Set);
    EXPECT_EQ(numLock.value, 2);
    EXPECT_EQ(store.OpenHandleCount(), 2u) << "both keys stay open while the reader lives";
}

}  // namespace
}  // namespace keystead::registry
