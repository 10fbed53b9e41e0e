// The start-with-Windows registration as a standard user and an administrator meet it: the
// machine-wide value, the user's own, and the marks of Task Manager's Startup tab.

#include "registry/Registration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "registry/RegistryCodes.h"
#include "registry/RunKey.h"
#include "tests/registry/RecordingRegistry.h"
#include "tests/registry/Stores.h"

namespace keystead::registry::testing {
namespace {

const std::string kName = "Tarvine Keystead";
const std::string kData = "\"C:\\Program Files\\Keystead\\Keystead.exe\"";

enum Place { MachineRun, UserRun, MachineMark, MachineMark32, UserMark };

struct Entry {
    Place place;
    std::string name;
    StoredValue value;
};

std::uint32_t RootOf(Place place) {
    return place == UserRun || place == UserMark ? kHkeyCurrentUser : kHkeyLocalMachine;
}

std::string SubKeyOf(Place place) {
    switch (place) {
        case MachineRun:
        case UserRun:
            return std::string(kRunSubKey);
        case MachineMark32:
            return std::string(kStartupApprovedRun32);
        default:
            return std::string(kStartupApprovedRun);
    }
}

// A REG_SZ value as Windows asks it to be stored: the text and its NUL.
StoredValue Sz(const std::string& text) {
    return {kRegSz, {text.c_str(), text.c_str() + text.size() + 1}};
}

// Task Manager's mark: four bytes of flags, then when it was disabled.
StoredValue Mark(std::uint8_t first) {
    return {kRegBinary, {first, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8}};
}

// The registry of one case: the machine-wide Run key and the marks' keys exist, the user's
// Run key does not.
class Scene {
public:
    Scene(const std::vector<Entry>& entries, bool standardUser, bool view32) {
        for (const Place place : {MachineRun, MachineMark, MachineMark32, UserMark}) {
            registry.CreateKey(RootOf(place), SubKeyOf(place));
        }
        for (const Entry& entry : entries) {
            registry.PutValue(RootOf(entry.place), SubKeyOf(entry.place), entry.name, entry.value);
        }
        if (standardUser) {
            // Under HKEY_LOCAL_MACHINE a standard user may read, not write.
            for (const Place place : {MachineRun, MachineMark, MachineMark32}) {
                registry.SetAllowedAccess(RootOf(place), SubKeyOf(place), kKeyRead);
            }
        }
        registry.SetUses32BitView(view32);
    }

    // Every value of the program's name and of another program's, in every place.
    std::vector<Entry> Everything() const {
        std::vector<Entry> found;
        for (const Place place : {MachineRun, UserRun, MachineMark, MachineMark32, UserMark}) {
            for (const std::string& name : {kName, std::string("Other")}) {
                if (auto value = registry.FindValue(RootOf(place), SubKeyOf(place), name)) {
                    found.push_back({place, name, *value});
                }
            }
        }
        return found;
    }

    MemoryRegistry registry;
};

bool operator==(const Entry& a, const Entry& b) {
    return a.place == b.place && a.name == b.name && a.value == b.value;
}

void PrintTo(const Entry& entry, std::ostream* out) {
    *out << "{" << entry.place << " " << entry.name << " ";
    PrintTo(entry.value, out);
    *out << "}";
}

struct Case {
    const char* what;
    bool standardUser;
    bool view32;
    std::vector<Entry> before;
    std::vector<Entry> after;
};

TEST(Registration, RegisterLeavesExactlyOneRegistrationThatStarts) {
    const Entry otherMark{MachineMark, "Other", Mark(3)};
    const std::vector<Case> cases = {
        {"administrator", false, false, {}, {{MachineRun, kName, Sz(kData)}}},
        {"administrator: the user's value goes with its mark",
         false,
         false,
         {{UserRun, kName, Sz("old")}, {UserMark, kName, Mark(3)}},
         {{MachineRun, kName, Sz(kData)}}},
        {"administrator: a disabled mark goes, no other",
         false,
         false,
         {{MachineMark, kName, Mark(3)}, otherMark},
         {{MachineRun, kName, Sz(kData)}, otherMark}},
        {"32-bit program on 64-bit Windows: its mark is under Run32",
         false,
         true,
         {{MachineMark32, kName, Mark(3)}, {MachineMark, kName, Mark(3)}},
         {{MachineRun, kName, Sz(kData)}, {MachineMark, kName, Mark(3)}}},
        {"standard user: the user's Run key is created",
         true,
         false,
         {},
         {{UserRun, kName, Sz(kData)}}},
        {"standard user: a machine-wide registration stays, the user's goes",
         true,
         false,
         {{MachineRun, kName, Sz("\"D:\\Keystead.exe\"")}, {UserRun, kName, Sz("old")}},
         {{MachineRun, kName, Sz("\"D:\\Keystead.exe\"")}}},
        {"standard user: a disabled machine-wide value does not start the program",
         true,
         false,
         {{MachineRun, kName, Sz("x")}, {MachineMark, kName, Mark(3)}},
         {{MachineRun, kName, Sz("x")},
          {UserRun, kName, Sz(kData)},
          {MachineMark, kName, Mark(3)}}},
        {"standard user: the user's disabled mark goes",
         true,
         false,
         {{UserRun, kName, Sz("old")}, {UserMark, kName, Mark(3)}, {UserMark, "Other", Mark(3)}},
         {{UserRun, kName, Sz(kData)}, {UserMark, "Other", Mark(3)}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Scene scene(c.before, c.standardUser, c.view32);
        Register(scene.registry, kName, kData);
        EXPECT_EQ(scene.Everything(), c.after);
        EXPECT_TRUE(IsRegistered(scene.registry, kName));
        EXPECT_EQ(scene.registry.OpenHandleCount(), 0u);
    }
}

TEST(Registration, UnregisterDeletesWhatItMayWithItsMarks) {
    const std::vector<Entry> both = {{MachineRun, kName, Sz(kData)},
                                     {UserRun, kName, Sz(kData)},
                                     {MachineMark, kName, Mark(3)},
                                     {UserMark, kName, Mark(2)},
                                     {UserMark, "Other", Mark(3)}};
    const std::vector<Case> cases = {
        {"administrator", false, false, both, {{UserMark, "Other", Mark(3)}}},
        // The machine-wide value stays, and so the box shows it ticked at the next start.
        {"standard user",
         true,
         false,
         both,
         {{MachineRun, kName, Sz(kData)},
          {MachineMark, kName, Mark(3)},
          {UserMark, "Other", Mark(3)}}},
        {"a mark without its value goes too",
         false,
         false,
         {{UserRun, "Other", Sz("x")}, {UserMark, kName, Mark(3)}},
         {{UserRun, "Other", Sz("x")}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Scene scene(c.before, c.standardUser, c.view32);
        Unregister(scene.registry, kName);
        EXPECT_EQ(scene.Everything(), c.after);
        EXPECT_EQ(scene.registry.OpenHandleCount(), 0u);
    }
}

TEST(Registration, IsRegisteredWhenAValueCountsAndIsNotMarkedDisabled) {
    struct ReadCase {
        const char* what;
        bool view32;
        std::vector<Entry> stored;
        bool registered;
    };
    const std::vector<ReadCase> cases = {
        {"nothing", false, {}, false},
        {"machine-wide", false, {{MachineRun, kName, Sz("x")}}, true},
        {"the user's", false, {{UserRun, kName, Sz("x")}}, true},
        {"disabled", false, {{MachineRun, kName, Sz("x")}, {MachineMark, kName, Mark(3)}}, false},
        {"enabled 02", false, {{MachineRun, kName, Sz("x")}, {MachineMark, kName, Mark(2)}}, true},
        {"enabled 06", false, {{MachineRun, kName, Sz("x")}, {MachineMark, kName, Mark(6)}}, true},
        {"a mark that is no REG_BINARY",
         false,
         {{MachineRun, kName, Sz("x")}, {MachineMark, kName, {kRegDword, {3, 0, 0, 0}}}},
         true},
        {"an empty mark",
         false,
         {{MachineRun, kName, Sz("x")}, {MachineMark, kName, {kRegBinary, {}}}},
         true},
        {"the user's disabled",
         false,
         {{UserRun, kName, Sz("x")}, {UserMark, kName, Mark(3)}},
         false},
        {"one of two disabled",
         false,
         {{MachineRun, kName, Sz("x")}, {MachineMark, kName, Mark(3)}, {UserRun, kName, Sz("x")}},
         true},
        {"Run32 is not the 64-bit program's",
         false,
         {{MachineRun, kName, Sz("x")}, {MachineMark32, kName, Mark(3)}},
         true},
        {"Run32 is the 32-bit program's",
         true,
         {{MachineRun, kName, Sz("x")}, {MachineMark32, kName, Mark(3)}},
         false},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.what);
        Scene scene(c.stored, true, c.view32);  // as a standard user, who may only read
        EXPECT_EQ(IsRegistered(scene.registry, kName), c.registered);
        EXPECT_EQ(scene.registry.OpenHandleCount(), 0u);
    }
}

// The marks live in the 64-bit view also for a 32-bit program; the Run value itself is read
// in the program's own view with the right to query only.
TEST(Registration, ReadsTheValueWithQueryRightsAndTheMarkInThe64BitView) {
    Scene scene({{MachineRun, kName, Sz("x")}}, true, true);
    RecordingRegistry recorder(scene.registry);
    EXPECT_TRUE(IsRegisteredIn(recorder, kHkeyLocalMachine, kName));
    const std::vector<std::string>& calls = recorder.Calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front(), "open 1 = 0");
    EXPECT_NE(std::find(calls.begin(), calls.end(), "open 257 = 0"), calls.end());
}

// A value that starts another copy still there belongs to that copy; this one's own value,
// however spelt, and a value whose program is gone do not.
TEST(Registration, NamesAnotherCopyOnlyForAnotherProgramThatExists) {
    const std::string own = "C:\\Tools\\Keystead.exe";
    const std::string other = "D:\\Downloads\\Keystead.exe";
    struct CopyCase {
        const char* what;
        Place place;
        std::string data;
        bool another;
    };
    const CopyCase cases[] = {
        {"another copy, machine-wide", MachineRun, "\"" + other + "\"", true},
        {"another copy, the user's", UserRun, "\"" + other + "\" /min", true},
        {"unquoted", MachineRun, other, true},
        {"through the environment", MachineRun, "\"%DOWNLOADS%\\Keystead.exe\"", true},
        {"this copy", MachineRun, "\"" + own + "\"", false},
        {"this copy in other letters", MachineRun, "\"c:\\TOOLS\\keystead.EXE\"", false},
        {"this copy, separator doubled", MachineRun, "\"C:\\\\Tools\\Keystead.exe\"", false},
        {"this copy through the environment", MachineRun, "%TOOLS%\\Keystead.exe", false},
        {"a copy that is gone", MachineRun, "\"E:\\Old\\Keystead.exe\"", false},
        {"empty", MachineRun, "", false},
    };
    for (const CopyCase& c : cases) {
        Scene scene({{c.place, kName, Sz(c.data)}}, false, false);
        const auto expand = [](const std::string& text) {
            std::string result = text;
            for (const auto& [name, value] :
                 {std::pair<std::string, std::string>{"%DOWNLOADS%", "D:\\Downloads"},
                  {"%TOOLS%", "C:\\Tools"}}) {
                if (const auto at = result.find(name); at != std::string::npos) {
                    result.replace(at, name.size(), value);
                }
            }
            return result;
        };
        const auto exists = [](const std::string& path) {
            return path.find("Old") == std::string::npos;
        };
        EXPECT_EQ(NamesAnotherCopy(scene.registry, kName, own, expand, exists), c.another)
            << c.what;
    }
}

}  // namespace
}  // namespace keystead::registry::testing
