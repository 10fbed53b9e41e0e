// The program's own path: what a final path looks like once its "\\?\" is gone, and the
// folder and name taken from it.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace keystead::toolkit::win32
