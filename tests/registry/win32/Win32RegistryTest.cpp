// How Win32Registry meets the UTF-16 registry of Windows, seen from the stored bytes.

#include "registry/win32/Win32Registry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "registry/Registry.h"
#include "tests/registry/win32/Win32Store.h"

namespace keystead::registry::testing {
namespace {

using namespace std::string_literals;

std::vector<std::uint8_t> Utf16(const std::u16string& text) {
    std::vector<std::uint8_t> bytes;
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

TEST(Win32Registry, TextIsStoredAsUtf16WithItsNulCounted) {
    Win32Store store;
    WriteValue(store.Api(), store.Root(), store.SubKey(), "Path",
               "C:\\Users\\\xC5\x81ukasz\\Tools"s, kRegSz);
    EXPECT_EQ(store.Get("Path"),
              (StoredValue{kRegSz, Utf16(u"C:\\Users\\\u0141ukasz\\Tools"s + u'\0')}));
}

TEST(Win32Registry, StoredUtf16IsReadAsUtf8) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> stored;
        std::string read;
    };
    std::vector<std::uint8_t> odd = Utf16(u"ab");
    odd.push_back('c');
    const std::vector<Case> cases = {
        {"non-ASCII", Utf16(u"\u0141\u00F3d\u017A \u20AC \U0001F600"),
         "\xC5\x81\xC3\xB3"
         "d\xC5\xBA \xE2\x82\xAC \xF0\x9F\x98\x80"},
        {"an odd trailing byte is dropped", odd, "ab"},
        {"a lone surrogate becomes U+FFFD", Utf16(u"a\xD800"), "a\xEF\xBF\xBD"},
        {"one byte", {'x'}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Win32Store store;
        store.Put("v", {kRegSz, c.stored});
        EXPECT_EQ(ReadValue(store.Api(), store.Root(), store.SubKey(), "v"), Value(c.read));
    }
}

TEST(Win32Registry, TextThatIsNotUtf8IsRefused) {
    Win32Store store;
    KeyHandle key = 0;
    ASSERT_EQ(store.Api().OpenKey(store.Root(), store.SubKey(), 0, kOpenAccess, key), 0);
    const std::string bad = "\xC5";
    EXPECT_EQ(WriteValueData(store.Api(), key, "v", kRegSz, bad), kErrorNoUnicodeTranslation);
    store.Api().CloseKey(key);
    EXPECT_EQ(store.Get("v"), std::nullopt);
}

}  // namespace
}  // namespace keystead::registry::testing
