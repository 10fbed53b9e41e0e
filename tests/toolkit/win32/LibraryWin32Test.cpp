// DLLs come from the system folder only: a DLL beside the program is never what the
// program's look-ups get, and once WinMain's first call has run, not what a load by name
// gets either. A program of its own, as that call holds for the whole process. Under Wine.
#include <windows.h>

#include <uxtheme.h>

#include <gtest/gtest.h>

#include "toolkit/win32/Library.h"

namespace keystead::toolkit::win32 {
namespace {

constexpr wchar_t kPlanted[] = L"KeysteadPlanted.dll";

TEST(LibraryWin32, DllsBesideTheProgramAreNotLoaded) {
    // The control: a plain load by name finds the DLL beside the program.
    {
        UniqueLibrary besideTheProgram(LoadLibraryW(kPlanted));
        ASSERT_NE(besideTheProgram, nullptr) << "the test's DLL should lie beside it";
    }
    EXPECT_EQ(LoadSystemLibrary(kPlanted), nullptr);
    EXPECT_EQ((SystemLibraryFunction<FARPROC>(kPlanted, "Planted")), nullptr);

    LoadDllsOnlyFromSystemFolder();
    UniqueLibrary byName(LoadLibraryW(kPlanted));
    EXPECT_EQ(byName, nullptr) << "the program's folder should have left the search";

    // The system's own DLLs still load, and their functions are found.
    EXPECT_NE(LoadSystemLibrary(L"wtsapi32.dll"), nullptr);
    EXPECT_NE((SystemLibraryFunction<decltype(&SetWindowTheme)>(L"uxtheme.dll", "SetWindowTheme")),
              nullptr);
    EXPECT_NE(UniqueLibrary(LoadLibraryW(L"version.dll")), nullptr);
}

}  // namespace
}  // namespace keystead::toolkit::win32
