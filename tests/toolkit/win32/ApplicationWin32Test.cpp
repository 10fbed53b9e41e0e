// The program's own path: what a final path looks like once its "\\?\" is gone, and the
// folder and name taken from it; and the length of a file.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

#include "toolkit/win32/Win32Application.h"

namespace keystead::toolkit::win32 {
namespace {

TEST(ApplicationPath, AFinalPathLosesItsPrefixAndKeepsItsFolder) {
    struct Case {
        std::wstring finalPath, path;
    };
    const Case cases[] = {
        {L"\\\\?\\C:\\Program Files\\Tarvine Keystead\\Keystead.exe",
         L"C:\\Program Files\\Tarvine Keystead\\Keystead.exe"},
        {L"\\\\?\\UNC\\server\\tools\\Keystead.exe", L"\\\\server\\tools\\Keystead.exe"},
        {L"C:\\Keystead.exe", L"C:\\Keystead.exe"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WithoutLongPathPrefix(c.finalPath), c.path);
    }
    EXPECT_EQ(FolderOf("C:\\Keystead.exe"), "C:\\");
    EXPECT_EQ(NameWithoutExtension("D:\\Tools\\keystead.exe"), "keystead");
}

// A first run is told by a missing or empty settings file: only a file has a length.
TEST(ApplicationFileLength, AFileHasItsLengthAndAFolderOrNothingHasNone) {
    const Win32Application app("KeysteadFileLengthTest");
    const std::string file = app.Path() + "\\file-length-test.ini";
    std::FILE* out = std::fopen(file.c_str(), "wb");
    ASSERT_NE(out, nullptr);
    std::fputs("[main]", out);
    std::fclose(out);
    EXPECT_EQ(app.FileLength(file), std::optional<std::uint64_t>(6));
    std::remove(file.c_str());
    EXPECT_EQ(app.FileLength(file), std::nullopt) << "missing";
    EXPECT_EQ(app.FileLength(app.Path()), std::nullopt) << "a folder";
}

}  // namespace
}  // namespace keystead::toolkit::win32
