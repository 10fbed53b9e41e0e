#include "registry/RunKey.h"

#include <gtest/gtest.h>

#include <string>

namespace keystead::registry {
namespace {

TEST(RunValueData, QuotesTheFullPathOfTheExecutable) {
    struct Case {
        std::string folder;
        std::string exeName;
        std::string data;
    };
    const Case cases[] = {
        {"C:\\Tools", "Keystead", "\"C:\\Tools\\Keystead.exe\""},
        // The folder is taken as it is: a drive root keeps its backslash and gets another.
        {"C:\\", "Keystead", "\"C:\\\\Keystead.exe\""},
        {"\\\\server\\share\\My Tools", "Keystead",
         "\"\\\\server\\share\\My Tools\\Keystead.exe\""},
        {"C:\\Users\\\xC5\x81ukasz", "K", "\"C:\\Users\\\xC5\x81ukasz\\K.exe\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RunValueData(c.folder, c.exeName), c.data) << c.folder;
    }
    EXPECT_EQ(RunValueData("C:\\Tools", "Keystead").size(), 23u);
}

}  // namespace
}  // namespace keystead::registry
