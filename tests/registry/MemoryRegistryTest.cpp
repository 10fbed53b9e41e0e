// What the in-memory store does beyond the calls that Windows shares with it (those are in
// RegistryContractTest.cpp).

#include "registry/fake/MemoryRegistry.h"

#include <gtest/gtest.h>

#include <string>

#include "registry/Registry.h"
#include "tests/registry/RecordingRegistry.h"

namespace keystead::registry {
namespace {

using namespace std::string_literals;
using fake::MemoryRegistry;

TEST(MemoryRegistry, EveryProcedureGivesItsHandleBack) {
    MemoryRegistry registry;
    registry.CreateKey(kHkeyLocalMachine, "Software\\Run");
    WriteValue(registry, kHkeyLocalMachine, "Software\\Run", "v", "x"s, kRegSz);
    ReadValue(registry, kHkeyLocalMachine, "Software\\Run", "v");
    DeleteValue(registry, kHkeyLocalMachine, "Software\\Run", "v");
    ReadValue(registry, kHkeyLocalMachine, "Software\\Missing", "v");
    EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

TEST(MemoryRegistry, AClosedHandleIsNoLongerValid) {
    MemoryRegistry registry;
    registry.CreateKey(kHkeyCurrentUser, "Software");
    KeyHandle key = 0;
    ASSERT_EQ(registry.OpenKey(kHkeyCurrentUser, "Software", 0, kOpenAccess, key), kErrorSuccess);
    EXPECT_EQ(registry.CloseKey(key), kErrorSuccess);
    std::uint32_t size = 0;
    EXPECT_EQ(registry.QueryValue(key, "v", nullptr, nullptr, &size), kErrorInvalidHandle);
    EXPECT_EQ(registry.CloseKey(key), kErrorInvalidHandle);
}

TEST(MemoryRegistry, KeysAreCreatedWithTheirParentsAndOpenRelativeToAnOpenKey) {
    MemoryRegistry registry;
    registry.PutValue(kHkeyLocalMachine, "A\\B\\C", "v", {kRegDword, {9, 0, 0, 0}});
    EXPECT_TRUE(registry.HasKey(kHkeyLocalMachine, "a\\b"));
    EXPECT_FALSE(registry.HasKey(kHkeyCurrentUser, "A\\B"));

    KeyHandle parent = 0;
    ASSERT_EQ(registry.OpenKey(kHkeyLocalMachine, "A", 0, kOpenAccess, parent), kErrorSuccess);
    EXPECT_EQ(ReadValue(registry, static_cast<std::uint32_t>(parent), "b\\c", "V"),
              Value(std::int32_t{9}));
    registry.CloseKey(parent);
}

TEST(MemoryRegistry, RefusedRightsOnlyStopOpensThatAskForThem) {
    MemoryRegistry registry;
    registry.PutValue(kHkeyLocalMachine, "Run", "v", {kRegSz, {'x'}});
    registry.SetAllowedAccess(kHkeyLocalMachine, "Run", kKeyRead);
    KeyHandle key = 0;
    EXPECT_EQ(registry.OpenKey(kHkeyLocalMachine, "Run", 0, kOpenAccess, key), kErrorAccessDenied);
    EXPECT_EQ(key, 0u);
    ASSERT_EQ(registry.OpenKey(kHkeyLocalMachine, "Run", 0, kKeyRead, key), kErrorSuccess);
    Value value;
    EXPECT_EQ(ReadValueData(registry, key, "v", value), kErrorSuccess);
    EXPECT_EQ(value, Value("x"s));
    registry.CloseKey(key);
}

// A key anyone may write can hold a text of gigabytes: none that this program reads comes
// near a megabyte, and no buffer is made for one that claims more.
TEST(ReadValueData, ATextClaimingGigabytesIsLeftUnread) {
    class Boasting : public testing::RecordingRegistry {
    public:
        using RecordingRegistry::RecordingRegistry;
        std::int32_t QueryValue(KeyHandle key, const std::string& name, std::uint32_t* type,
                                std::uint8_t* data, std::uint32_t* size) override {
            const std::int32_t status = RecordingRegistry::QueryValue(key, name, type, data, size);
            if (data == nullptr) {
                *size = 0xFFFFFFF0U;
            }
            return status;
        }
    };
    MemoryRegistry memory;
    memory.PutValue(kHkeyCurrentUser, "K", "v", {kRegSz, {'x'}});
    Boasting registry(memory);
    KeyHandle key = 0;
    ASSERT_EQ(registry.OpenKey(kHkeyCurrentUser, "K", 0, kKeyRead, key), kErrorSuccess);
    Value value;
    EXPECT_EQ(ReadValueData(registry, key, "v", value), kErrorSuccess);
    EXPECT_EQ(value, Value{});
    EXPECT_EQ(registry.Calls().size(), 2U) << "an open and the size query, no read";
    registry.CloseKey(key);
}

}  // namespace
}  // namespace keystead::registry
