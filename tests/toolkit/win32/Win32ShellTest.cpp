// The shell's "open" through ShellExecuteW under Wine: COM is set up for the call only,
// and the caller's own COM set-up survives it.

#include <windows.h>

#include <objbase.h>

#include <gtest/gtest.h>

#include "toolkit/win32/Win32Shell.h"

namespace keystead::toolkit::win32 {
namespace {

constexpr char kMissingFile[] = "C:\\no such folder\\Readme.txt";
constexpr std::intptr_t kFileNotFound = 2;  // SE_ERR_FNF

TEST(Win32ShellTest, OpensAndLeavesNoComBehind) {
    Win32Shell shell;
    EXPECT_EQ(shell.Execute(0, "open", kMissingFile, "", "", SW_SHOWNORMAL), kFileNotFound);
    // Had the call left COM initialised, this would answer S_FALSE.
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    CoUninitialize();
}

TEST(Win32ShellTest, TheCallersComOutlivesTheCall) {
    for (DWORD model : {COINIT_APARTMENTTHREADED, COINIT_MULTITHREADED}) {
        ASSERT_EQ(CoInitializeEx(nullptr, model), S_OK);
        Win32Shell shell;
        EXPECT_EQ(shell.Execute(0, "open", kMissingFile, "", "", SW_SHOWNORMAL), kFileNotFound);
        // Still initialised in the same model: one more initialisation only counts up.
        EXPECT_EQ(CoInitializeEx(nullptr, model), S_FALSE) << "model " << model;
        CoUninitialize();
        CoUninitialize();
    }
}

}  // namespace
}  // namespace keystead::toolkit::win32
