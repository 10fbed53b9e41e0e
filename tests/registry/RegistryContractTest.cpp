// One suite for every RegistryApi: the in-memory store everywhere, and on Windows also the
// real registry, so that the memory store is held to what Windows does.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "registry/Registry.h"
#include "registry/RunKey.h"
#include "tests/registry/RecordingRegistry.h"
#include "tests/registry/Stores.h"
#ifdef _WIN32
#include "tests/registry/win32/Win32Store.h"
#endif

namespace keystead::registry::testing {
namespace {

using namespace std::string_literals;

// "C:\Users\Łukasz\Tools": the Ł is two bytes in UTF-8 and has no place in most ANSI pages.
const std::string kNonAsciiFolder = "C:\\Users\\\xC5\x81ukasz\\Tools";

std::vector<std::uint8_t> Dword(std::uint32_t bits) {
    return {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
            static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
}

template <typename Store>
class RegistryContract : public ::testing::Test {
protected:
    RegistryApi& Api() { return store_.Api(); }
    Value Read(const std::string& name) {
        return ReadValue(Api(), store_.Root(), store_.SubKey(), name);
    }
    void Write(const std::string& name, const Value& value, std::uint32_t type) {
        WriteValue(Api(), store_.Root(), store_.SubKey(), name, value, type);
    }
    void Delete(const std::string& name) {
        DeleteValue(Api(), store_.Root(), store_.SubKey(), name);
    }
    StoredValue TextValue(std::uint32_t type, const std::string& utf8) {
        return {type, store_.Text(utf8)};
    }

    Store store_;
};

struct StoreNames {
    template <typename Store>
    static std::string GetName(int) {
        return Store::kName;
    }
};

#ifdef _WIN32
using Stores = ::testing::Types<MemoryStore, Win32Store>;
#else
using Stores = ::testing::Types<MemoryStore>;
#endif
TYPED_TEST_SUITE(RegistryContract, Stores, StoreNames);

// ---- The platform calls themselves -------------------------------------------------------

TYPED_TEST(RegistryContract, OpeningAMissingKeyFailsAndLeavesHandleZero) {
    KeyHandle key = 12345;
    EXPECT_EQ(this->Api().OpenKey(this->store_.Root(), this->store_.SubKey() + "\\Missing", 0,
                                  kOpenAccess, key),
              kErrorFileNotFound);
    EXPECT_EQ(key, 0u);
}

TYPED_TEST(RegistryContract, EveryCallOnHandleZeroIsAnInvalidHandle) {
    RegistryApi& api = this->Api();
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    const std::uint8_t byte = 1;
    EXPECT_EQ(api.QueryValue(0, "v", &type, nullptr, &size), kErrorInvalidHandle);
    EXPECT_EQ(api.SetValue(0, "v", kRegBinary, &byte, 1), kErrorInvalidHandle);
    EXPECT_EQ(api.DeleteValue(0, "v"), kErrorInvalidHandle);
    EXPECT_EQ(api.CloseKey(0), kErrorInvalidHandle);
}

TYPED_TEST(RegistryContract, QueryReportsUtf8SizesAndAsksForMoreWhenTheBufferIsShort) {
    const std::string text = "\xC5\x81ukasz";  // 6 characters, 7 bytes
    this->store_.Put("Name", this->TextValue(kRegSz, text));
    KeyHandle key = 0;
    ASSERT_EQ(this->Api().OpenKey(this->store_.Root(), this->store_.SubKey(), 0, kOpenAccess, key),
              kErrorSuccess);

    std::uint32_t type = 0;
    std::uint32_t size = 0;
    EXPECT_EQ(this->Api().QueryValue(key, "Name", &type, nullptr, &size), kErrorSuccess);
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(size, 7u);

    std::string buffer(10, '#');
    auto* data = reinterpret_cast<std::uint8_t*>(buffer.data());
    size = 6;
    EXPECT_EQ(this->Api().QueryValue(key, "Name", &type, data, &size), kErrorMoreData);
    EXPECT_EQ(size, 7u);

    size = 10;
    EXPECT_EQ(this->Api().QueryValue(key, "Name", &type, data, &size), kErrorSuccess);
    EXPECT_EQ(size, 7u);
    EXPECT_EQ(buffer.substr(0, 7), text);

    EXPECT_EQ(this->Api().CloseKey(key), kErrorSuccess);
}

TYPED_TEST(RegistryContract, NonTextDataPassesThroughAsBytes) {
    const StoredValue stored{kRegDword, {1, 2, 3, 4, 5, 6, 7, 8}};
    this->store_.Put("Long", stored);
    KeyHandle key = 0;
    ASSERT_EQ(this->Api().OpenKey(this->store_.Root(), this->store_.SubKey(), 0, kOpenAccess, key),
              kErrorSuccess);
    std::vector<std::uint8_t> buffer(8);
    std::uint32_t type = 0;
    std::uint32_t size = 4;
    EXPECT_EQ(this->Api().QueryValue(key, "Long", &type, buffer.data(), &size), kErrorMoreData);
    EXPECT_EQ(size, 8u);
    size = 8;
    EXPECT_EQ(this->Api().QueryValue(key, "Long", &type, buffer.data(), &size), kErrorSuccess);
    EXPECT_EQ(buffer, stored.data);
    this->Api().CloseKey(key);
}

TYPED_TEST(RegistryContract, KeyPathsAndValueNamesIgnoreCase) {
    this->store_.Put("Tarvine Keystead", this->TextValue(kRegSz, "x"));
    std::string upperSubKey = this->store_.SubKey();
    for (char& c : upperSubKey) {
        c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    EXPECT_EQ(ReadValue(this->Api(), this->store_.Root(), upperSubKey, "TARVINE KEYSTEAD"),
              Value("x"s));
}

// A list policy's key: each value's name once, as it was written, a name longer than any
// program's reported as such, and the end.
TYPED_TEST(RegistryContract, EnumeratingGivesEachValuesNameAndTheEnd) {
    const std::string longName(kMaxEnumName + 1, 'n');
    for (const std::string& name : {"Excel.exe"s, "\xC5\x81.exe"s, longName}) {
        this->store_.Put(name, this->TextValue(kRegSz, "x"));
    }
    KeyHandle key = 0;
    ASSERT_EQ(
        this->Api().OpenKey(this->store_.Root(), this->store_.SubKey(), 0, kKeyQueryValue, key),
        kErrorSuccess);
    std::vector<std::string> names;
    int tooLong = 0;
    std::uint32_t index = 0;
    for (std::int32_t status = kErrorSuccess; status != kErrorNoMoreItems && index < 10; ++index) {
        std::string name;
        status = this->Api().EnumValueName(key, index, name);
        if (status == kErrorSuccess) {
            names.push_back(name);
        }
        tooLong += status == kErrorMoreData ? 1 : 0;
    }
    this->Api().CloseKey(key);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Excel.exe", "\xC5\x81.exe"}));
    EXPECT_EQ(tooLong, 1);
    EXPECT_EQ(index, 4u) << "three values, then the end";
}

TYPED_TEST(RegistryContract, AKeyOpenedForReadingRefusesWrites) {
    this->store_.Put("v", this->TextValue(kRegSz, "x"));
    KeyHandle key = 0;
    ASSERT_EQ(
        this->Api().OpenKey(this->store_.Root(), this->store_.SubKey(), 0, kKeyQueryValue, key),
        kErrorSuccess);
    const std::uint8_t byte = 'y';
    EXPECT_EQ(this->Api().SetValue(key, "v", kRegSz, &byte, 1), kErrorAccessDenied);
    EXPECT_EQ(this->Api().DeleteValue(key, "v"), kErrorAccessDenied);
    this->Api().CloseKey(key);
    EXPECT_EQ(this->store_.Get("v"), this->TextValue(kRegSz, "x"));
}

TYPED_TEST(RegistryContract, CreateKeyMakesTheMissingKeysAndOpensAnExistingOne) {
    const std::string subKey = this->store_.SubKey() + "\\A\\B";
    for (int time = 0; time < 2; ++time) {
        KeyHandle key = 0;
        ASSERT_EQ(this->Api().CreateKey(this->store_.Root(), subKey, 0, kOpenAccess, key),
                  kErrorSuccess);
        EXPECT_EQ(WriteValueData(this->Api(), key, "v", kRegSz, "x"s), kErrorSuccess);
        this->Api().CloseKey(key);
    }
    EXPECT_EQ(ReadValue(this->Api(), this->store_.Root(), subKey, "v"), Value("x"s));
}

// ---- Writing and reading text ------------------------------------------------------------

TYPED_TEST(RegistryContract, TextComesBackExactlyAsWrittenAndIsStoredWithItsNul) {
    const std::vector<std::string> texts = {
        "\"C:\\Tools\\Keystead.exe\"",
        "",
        "x",
        kNonAsciiFolder,
        "\"" + kNonAsciiFolder + "\\Keystead.exe\"",
        std::string(5000, 'w'),
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text.substr(0, 40));
        this->Write("Text", text, kRegSz);
        EXPECT_EQ(this->Read("Text"), Value(text));
        EXPECT_EQ(this->store_.Get("Text"), this->TextValue(kRegSz, text + '\0'));
    }
}

TYPED_TEST(RegistryContract, StoredTextIsReadUpToItsFirstNul) {
    struct Case {
        std::string stored;
        std::string read;
    };
    const std::vector<Case> cases = {
        {"abc\0"s, "abc"},    // with its terminator, as Windows asks
        {"abc", "abc"},       // without, as older versions of the program wrote it
        {"abc\0\0"s, "abc"},  // REG_SZ holding two
        {"a\0b\0"s, "a"},     // what follows a NUL is not part of the string
        {"\0"s, ""},
        {"", ""},  // no data at all is still a string
        {kNonAsciiFolder, kNonAsciiFolder},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        this->store_.Put("Stored", this->TextValue(kRegSz, c.stored));
        const Value read = this->Read("Stored");
        ASSERT_TRUE(std::holds_alternative<std::string>(read));
        EXPECT_EQ(std::get<std::string>(read), c.read);
    }
}

TYPED_TEST(RegistryContract, WhatIsMissingReadsEmpty) {
    EXPECT_EQ(this->Read("Missing"), Value());
    EXPECT_EQ(
        ReadValue(this->Api(), this->store_.Root(), this->store_.SubKey() + "\\Missing", "Missing"),
        Value());
}

TYPED_TEST(RegistryContract, TypesOtherThanSzAndDwordReadEmpty) {
    const std::vector<StoredValue> stored = {
        this->TextValue(kRegExpandSz, "%SystemRoot%\\x.exe"),
        {kRegBinary, {1, 2, 3, 4}},
        this->TextValue(kRegMultiSz, "one\0two\0\0"s),
        {kRegNone, {}},
        {kRegQword, {1, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const StoredValue& value : stored) {
        SCOPED_TRACE(value.type);
        this->store_.Put("Other", value);
        EXPECT_EQ(this->Read("Other"), Value());
    }
}

// ---- Writing and reading integers --------------------------------------------------------

TYPED_TEST(RegistryContract, IntegersComeBackAsWrittenStoredAsFourLittleEndianBytes) {
    const std::vector<std::int32_t> numbers = {0,
                                               1,
                                               -1,
                                               0x12345678,
                                               std::numeric_limits<std::int32_t>::min(),
                                               std::numeric_limits<std::int32_t>::max()};
    for (const std::int32_t number : numbers) {
        SCOPED_TRACE(number);
        this->Write("Number", number, kRegDword);
        EXPECT_EQ(this->Read("Number"), Value(number));
        EXPECT_EQ(this->store_.Get("Number"),
                  (StoredValue{kRegDword, Dword(static_cast<std::uint32_t>(number))}));
    }
}

TYPED_TEST(RegistryContract, DwordDataOfOtherLengths) {
    struct Case {
        std::vector<std::uint8_t> data;
        Value read;
    };
    const std::vector<Case> cases = {
        // Never copied past the 4-byte buffer: too long to be an integer, so empty.
        {{0x78, 0x56, 0x34, 0x12, 0xEF, 0xCD, 0xAB, 0x89}, Value()},
        {{1, 2, 3, 4, 5}, Value()},
        // Short data fills the low bytes; the rest is zero, not whatever was there.
        {{0xFF, 0xFF}, Value(std::int32_t{0xFFFF})},
        {{}, Value(std::int32_t{0})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.data.size());
        this->store_.Put("Dword", {kRegDword, c.data});
        EXPECT_EQ(this->Read("Dword"), c.read);
    }
}

TYPED_TEST(RegistryContract, ValuesAreConvertedToTheTypeAskedFor) {
    struct Case {
        Value written;
        std::uint32_t type;
        Value read;
    };
    const std::vector<Case> cases = {
        {Value(std::int32_t{-42}), kRegSz, Value("-42"s)},
        {Value(), kRegSz, Value(""s)},
        {Value("-7"s), kRegDword, Value(std::int32_t{-7})},
        {Value(" 15 "s), kRegDword, Value(std::int32_t{15})},
        {Value(), kRegDword, Value(std::int32_t{0})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        this->Write("Converted", c.written, c.type);
        EXPECT_EQ(this->Read("Converted"), c.read);
    }
}

TYPED_TEST(RegistryContract, WhatCannotBeWrittenLeavesTheValueAlone) {
    struct Case {
        Value written;
        std::uint32_t type;
    };
    const std::vector<Case> cases = {
        {Value("abc"s), kRegBinary},         {Value("abc"s), kRegExpandSz},
        {Value(std::int32_t{1}), kRegQword}, {Value("twelve"s), kRegDword},
        {Value("99999999999"s), kRegDword},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        this->store_.Put("Kept", this->TextValue(kRegSz, "before"));
        RecordingRegistry recorder(this->Api());
        WriteValue(recorder, this->store_.Root(), this->store_.SubKey(), "Kept", c.written, c.type);
        EXPECT_EQ(this->store_.Get("Kept"), this->TextValue(kRegSz, "before"));
        EXPECT_EQ(recorder.Calls(), (std::vector<std::string>{"open 63 = 0", "close key = 0"}));
    }
}

// ---- Deleting ----------------------------------------------------------------------------

TYPED_TEST(RegistryContract, DeleteRemovesOnlyTheNamedValue) {
    this->store_.Put("Gone", this->TextValue(kRegSz, "a"));
    this->store_.Put("Stays", this->TextValue(kRegSz, "b"));
    this->Delete("Gone");
    EXPECT_EQ(this->store_.Get("Gone"), std::nullopt);
    EXPECT_EQ(this->Read("Stays"), Value("b"s));
}

TYPED_TEST(RegistryContract, DeletingAMissingValueChangesNothing) {
    this->store_.Put("Stays", this->TextValue(kRegSz, "b"));
    RecordingRegistry recorder(this->Api());
    DeleteValue(recorder, this->store_.Root(), this->store_.SubKey(), "Missing");
    EXPECT_EQ(recorder.Calls(),
              (std::vector<std::string>{"open 63 = 0", "delete key = 2", "close key = 0"}));
    EXPECT_EQ(this->store_.Get("Stays"), this->TextValue(kRegSz, "b"));
}

// ---- The calls each procedure makes ------------------------------------------------------

TYPED_TEST(RegistryContract, EachProcedureOpensActsAndCloses) {
    this->store_.Put("Name", this->TextValue(kRegSz, "\xC5\x81ukasz"));
    this->store_.Put("Number", {kRegDword, Dword(7)});
    this->store_.Put("Binary", {kRegBinary, {1, 2}});
    const std::uint32_t root = this->store_.Root();
    const std::string subKey = this->store_.SubKey();
    struct Case {
        const char* what;
        std::function<void(RegistryApi&)> run;
        std::vector<std::string> calls;
    };
    const std::vector<Case> cases = {
        {"read text",
         [&](RegistryApi& api) { ReadValue(api, root, subKey, "Name"); },
         {"open 1 = 0", "query key size 0>7 = 0", "query key buffer 7>7 = 0", "close key = 0"}},
        {"read integer",
         [&](RegistryApi& api) { ReadValue(api, root, subKey, "Number"); },
         {"open 1 = 0", "query key size 0>4 = 0", "query key buffer 4>4 = 0", "close key = 0"}},
        {"read another type",
         [&](RegistryApi& api) { ReadValue(api, root, subKey, "Binary"); },
         {"open 1 = 0", "query key size 0>2 = 0", "close key = 0"}},
        {"read missing",
         [&](RegistryApi& api) { ReadValue(api, root, subKey, "Missing"); },
         {"open 1 = 0", "query key size 0>0 = 2", "close key = 0"}},
        {"write text",
         [&](RegistryApi& api) { WriteValue(api, root, subKey, "Name", "abc"s, kRegSz); },
         {"open 63 = 0", "set key type 1 size 4 = 0", "close key = 0"}},  // "abc" and its NUL
        {"write integer",
         [&](RegistryApi& api) {
             WriteValue(api, root, subKey, "Number", std::int32_t{-1}, kRegDword);
         },
         {"open 63 = 0", "set key type 4 size 4 = 0", "close key = 0"}},
        {"delete",
         [&](RegistryApi& api) { DeleteValue(api, root, subKey, "Name"); },
         {"open 63 = 0", "delete key = 0", "close key = 0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingRegistry recorder(this->Api());
        c.run(recorder);
        EXPECT_EQ(recorder.Calls(), c.calls);
    }
}

TYPED_TEST(RegistryContract, AFailedOpenStillRunsEveryStepWithHandleZero) {
    const std::uint32_t root = this->store_.Root();
    const std::string missing = this->store_.SubKey() + "\\Missing";
    struct Case {
        const char* what;
        std::function<void(RegistryApi&)> run;
        std::vector<std::string> calls;
    };
    const std::vector<Case> cases = {
        {"read",
         [&](RegistryApi& api) { EXPECT_EQ(ReadValue(api, root, missing, "v"), Value()); },
         {"open 1 = 2", "query 0 size 0>0 = 6", "close 0 = 6"}},
        {"write",
         [&](RegistryApi& api) { WriteValue(api, root, missing, "v", "x"s, kRegSz); },
         {"open 63 = 2", "set 0 type 1 size 2 = 6", "close 0 = 6"}},
        {"delete",
         [&](RegistryApi& api) { DeleteValue(api, root, missing, "v"); },
         {"open 63 = 2", "delete 0 = 6", "close 0 = 6"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingRegistry recorder(this->Api());
        c.run(recorder);
        EXPECT_EQ(recorder.Calls(), c.calls);
    }
}

// Reading asks only for the right to query, which a standard user has on the machine-wide
// Run key; writing and deleting still ask for all six rights and are refused.
TYPED_TEST(RegistryContract, AKeyThatRefusesWritingIsReadButNotChanged) {
    this->store_.Put("Tarvine Keystead", this->TextValue(kRegSz, "kept"));
    if (!this->store_.RefuseWriting()) {
        GTEST_SKIP() << "this platform does not enforce key rights";
    }
    RecordingRegistry recorder(this->Api());
    EXPECT_EQ(ReadValue(recorder, this->store_.Root(), this->store_.SubKey(), "Tarvine Keystead"),
              Value("kept"s));
    WriteValue(recorder, this->store_.Root(), this->store_.SubKey(), "Tarvine Keystead", "new"s,
               kRegSz);
    DeleteValue(recorder, this->store_.Root(), this->store_.SubKey(), "Tarvine Keystead");
    EXPECT_EQ(this->store_.Get("Tarvine Keystead"), this->TextValue(kRegSz, "kept"));
    EXPECT_EQ(recorder.Calls(),
              (std::vector<std::string>{"open 1 = 0", "query key size 0>4 = 0",
                                        "query key buffer 4>4 = 0", "close key = 0", "open 63 = 5",
                                        "set 0 type 1 size 4 = 6", "close 0 = 6", "open 63 = 5",
                                        "delete 0 = 6", "close 0 = 6"}));
}

// ---- On an open key ----------------------------------------------------------------------

TYPED_TEST(RegistryContract, ReadValueDataReportsTheStatusAndWhatItLeavesInTheValue) {
    struct Case {
        const char* what;
        std::optional<StoredValue> stored;
        std::int32_t status;
        Value value;  // starting from "before"
    };
    const std::vector<Case> cases = {
        {"text", this->TextValue(kRegSz, "abc"), kErrorSuccess, Value("abc"s)},
        {"integer", StoredValue{kRegDword, Dword(0xFFFFFFFE)}, kErrorSuccess,
         Value(std::int32_t{-2})},
        {"missing", std::nullopt, kErrorFileNotFound, Value("before"s)},
        {"binary", StoredValue{kRegBinary, {1}}, kUnhandledType, Value("before"s)},
        {"expandable text", this->TextValue(kRegExpandSz, "abc"), kUnhandledType, Value("before"s)},
        {"long integer", StoredValue{kRegDword, {1, 2, 3, 4, 5, 6, 7, 8}}, kErrorMoreData,
         Value("before"s)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.stored) {
            this->store_.Put("v", *c.stored);
        }
        KeyHandle key = 0;
        ASSERT_EQ(
            this->Api().OpenKey(this->store_.Root(), this->store_.SubKey(), 0, kOpenAccess, key),
            kErrorSuccess);
        Value value = "before"s;
        EXPECT_EQ(ReadValueData(this->Api(), key, c.stored ? "v" : "missing", value), c.status);
        EXPECT_EQ(value, c.value);
        this->Api().CloseKey(key);
    }
}

TYPED_TEST(RegistryContract, WriteValueDataReportsThePlatformsStatus) {
    KeyHandle key = 0;
    ASSERT_EQ(this->Api().OpenKey(this->store_.Root(), this->store_.SubKey(), 0, kOpenAccess, key),
              kErrorSuccess);
    EXPECT_EQ(WriteValueData(this->Api(), key, "v", kRegSz, "x"s), kErrorSuccess);
    EXPECT_EQ(WriteValueData(this->Api(), key, "w", kRegBinary, "x"s), kErrorSuccess);
    EXPECT_EQ(this->store_.Get("w"), std::nullopt);
    EXPECT_EQ(WriteValueData(this->Api(), 0, "v", kRegSz, "x"s), kErrorInvalidHandle);
    EXPECT_EQ(WriteValueData(this->Api(), 0, "v", kRegDword, std::int32_t{1}), kErrorInvalidHandle);
    this->Api().CloseKey(key);
}

// ---- The program's own value -------------------------------------------------------------

TYPED_TEST(RegistryContract, TheRunValueRoundTrips) {
    const std::string name = "Tarvine Keystead";
    if (!this->store_.PrepareRunKey(name)) {
        GTEST_SKIP() << "no right to write under HKEY_LOCAL_MACHINE";
    }
    const std::string data = RunValueData(kNonAsciiFolder, "Keystead");
    const std::string runKey(kRunSubKey);

    WriteValue(this->Api(), kRunRoot, runKey, name, data, kRunValueType);
    EXPECT_EQ(ReadValue(this->Api(), kRunRoot, runKey, name), Value(data));

    DeleteValue(this->Api(), kRunRoot, runKey, name);
    EXPECT_EQ(ReadValue(this->Api(), kRunRoot, runKey, name), Value());
}

}  // namespace
}  // namespace keystead::registry::testing
