// The whole program under Wine: start-up, the tray commands, enforcement and shut-down,
// judged by what a user sees and by what the program leaves behind.
#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>
#include <iterator>

#include "CapsLockTest.h"
#include "KeysteadProcess.h"
#include "toolkit/win32/Handles.h"
#include "toolkit/win32/Text.h"
#include "toolkit/win32/Win32Application.h"

namespace keystead::e2e {
namespace {

using namespace std::chrono_literals;

constexpr auto kExitTimeout = 20s;
const wchar_t kAutoRunBox[] = L"Launch Tarvine Keystead on Windows s&tart-up";
const char kFirstSave[] = "[main]\r\nCapsLock=0\r\nNumLock=1\r\nScrollLock=0\r\nInterval=1000\r\n";

// Whether the program turns the key off soon, with room for a busy machine.
bool TurnsOff(BYTE key) {
    return KeyBecomes(key, false);
}

// Runs a program of the Unix system under Wine with the Unix names of the paths after the
// given arguments. False where there is no Unix system (Windows) or the program did not start.
// Wine cannot wait for a Unix program: the caller waits for what it does.
bool RunOnUnixNames(const wchar_t* program, std::wstring command,
                    std::initializer_list<const std::wstring*> paths) {
    using UnixFileName = char*(CDECL*)(const wchar_t*);
    const auto unixFileName = reinterpret_cast<UnixFileName>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (unixFileName == nullptr) {
        return false;
    }
    for (const std::wstring* path : paths) {
        char* unixPath = unixFileName(path->c_str());
        if (unixPath == nullptr) {
            return false;
        }
        command += L" \"" + toolkit::win32::Widen(unixPath) + L"\"";
        HeapFree(GetProcessHeap(), 0, unixPath);
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        return false;
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return true;
}

// A symbolic link to the file. Wine 8 answers CreateSymbolicLinkW with success and makes
// nothing; there the link is a Unix one, which Wine follows as Windows does.
bool MakeSymbolicLink(const std::wstring& link, const std::wstring& target) {
    const auto exists = [&link] {
        return GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES;
    };
    if (CreateSymbolicLinkW(link.c_str(), target.c_str(), 0) && exists()) {
        return true;
    }
    return RunOnUnixNames(L"Z:\\bin\\ln", L"ln -sf", {&target, &link}) &&
           WaitUntil("the symbolic link", exists);
}

// Under Wine, deleting the link would delete the file it names.
void RemoveLinkAndFolder(const std::wstring& link, const std::wstring& folder) {
    if (!RunOnUnixNames(L"Z:\\bin\\rm", L"rm -f", {&link})) {
        DeleteFileW(link.c_str());
    }
    WaitUntil("the links folder removed", [&] { return RemoveDirectoryW(folder.c_str()) != 0; });
}

class EndToEnd : public CapsLockTest {
protected:
    void SetUp() override {
        CapsLockTest::SetUp();
        DeleteRunValue();
        DeleteRunValue(HKEY_CURRENT_USER);
    }
    void TearDown() override {
        CapsLockTest::TearDown();
        DeleteRunValue(HKEY_CURRENT_USER);
    }

    // Starts the program from the folder and waits for its window.
    std::unique_ptr<KeysteadProcess> Start() { return StartIn(folder_); }

    ProgramFolder folder_{L"keystead-e2e"};
};

TEST_F(EndToEnd, AFirstRunShowsTheWindowAndSavesTheDefaultsAtExit) {
    auto process = Start();
    EXPECT_TRUE(process->WindowVisible());
    End(*process);
    EXPECT_EQ(folder_.ReadIni(), kFirstSave);
    EXPECT_EQ(ReadRunValue(), "<missing>");
}

// winget's portable command is a link in a folder every portable package shares: the
// program keeps its settings and its Run value beside its real file.
TEST_F(EndToEnd, StartedThroughALinkItLivesInTheFolderOfItsRealFile) {
    // A folder of this run's own: under Wine a link left by an earlier run cannot be deleted
    // without deleting the file it names.
    const std::wstring links = ProgramFolder::TempFolder() + L"keystead-e2e-links-" +
                               std::to_wstring(GetCurrentProcessId());
    const std::wstring link = links + L"\\keystead.exe";
    CreateDirectoryW(links.c_str(), nullptr);
    if (!MakeSymbolicLink(link, folder_.Exe())) {
        RemoveDirectoryW(links.c_str());
        GTEST_SKIP() << "no symbolic links here";
    }
    auto process = std::make_unique<KeysteadProcess>(link);
    ASSERT_TRUE(process->WaitUntilReady());
    process->Click(kAutoRunBox);
    process->Click(L"&OK");
    End(*process);
    EXPECT_EQ(folder_.ReadIni(), kFirstSave);
    const std::wstring linkIni = links + L"\\Keystead.ini";
    EXPECT_EQ(GetFileAttributesW(linkIni.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(ReadRunValue(), "\"" + toolkit::win32::Narrow(folder_.Exe()) + "\"");
    DeleteFileW(linkIni.c_str());
    RemoveLinkAndFolder(link, links);
}

TEST_F(EndToEnd, AnEmptySettingsFileIsAFirstRunToo) {
    folder_.WriteIni("");
    auto process = Start();
    EXPECT_TRUE(process->WindowVisible());
    End(*process);
    EXPECT_EQ(folder_.ReadIni(), kFirstSave);
}

TEST_F(EndToEnd, StoredValuesComeBackAsTheyFitAndHandAddedLinesSurvive) {
    struct Case {
        const char* stored;  // the [main] section's lines
        const char* saved;
    };
    const Case cases[] = {
        {"Interval=500\r\n", "Interval=500\r\nCapsLock=0\r\nNumLock=1\r\nScrollLock=0\r\n"},
        {"CapsLock=70000\r\nNumLock=70000\r\n",
         "CapsLock=0\r\nNumLock=0\r\nScrollLock=0\r\nInterval=1000\r\n"},
        {"CapsLock=7\r\nInterval=0\r\n",
         "CapsLock=7\r\nInterval=0\r\nNumLock=1\r\nScrollLock=0\r\n"},
        {"Interval=100000\r\n", "Interval=1000\r\nCapsLock=0\r\nNumLock=1\r\nScrollLock=0\r\n"},
        {"Interval=-5\r\nScrollLock=-1\r\n",
         "Interval=1000\r\nScrollLock=-1\r\nCapsLock=0\r\nNumLock=1\r\n"},
    };
    for (const Case& c : cases) {
        const std::string before =
            std::string("; kept by hand\r\n[main]\r\n") + c.stored + "[other]\r\nkey=value\r\n";
        folder_.WriteIni(before);
        auto process = Start();
        EXPECT_FALSE(process->WindowVisible()) << c.stored;
        End(*process);
        const std::string after =
            std::string("; kept by hand\r\n[main]\r\n") + c.saved + "[other]\r\nkey=value\r\n";
        EXPECT_EQ(folder_.ReadIni(), after) << c.stored;
    }
}

// Restart Manager closes the program for an upgrade of the package the same way, with
// ENDSESSION_CLOSEAPP.
TEST_F(EndToEnd, LoggingOffSavesTheSettingsAsAnExitDoes) {
    for (LPARAM reason : {LPARAM{0}, LPARAM{ENDSESSION_CLOSEAPP}}) {
        folder_.WriteIni("");
        DeleteRunValue();
        auto process = Start();
        process->Click(L"Launch Tarvine Keystead on Windows s&tart-up");
        process->Click(L"&Apply");
        // Windows ends the session: the program gets no WM_CLOSE, only this.
        SendMessageW(process->Window(), WM_QUERYENDSESSION, 0, reason);
        SendMessageW(process->Window(), WM_ENDSESSION, TRUE, reason);
        EXPECT_EQ(folder_.ReadIni(), kFirstSave) << reason;
        EXPECT_EQ(ReadRunValue(), "\"" + toolkit::win32::Narrow(folder_.Exe()) + "\"") << reason;
        EXPECT_TRUE(process->WaitForExit(kExitTimeout)) << reason;
    }
}

TEST_F(EndToEnd, ASecondStartEndsAtOnceAndChangesNothing) {
    folder_.WriteIni("[main]\r\nInterval=500\r\n");
    auto first = Start();
    KeysteadProcess second(folder_.Exe());
    ASSERT_TRUE(second.WaitForExit(10s));
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_EQ(CountKeysteadWindows(), 1);
    EXPECT_EQ(folder_.ReadIni(), "[main]\r\nInterval=500\r\n");
    EXPECT_TRUE(first->Running());
    End(*first);
}

TEST_F(EndToEnd, CapsLockForcedOffIsTurnedBackUnlessSuspended) {
    folder_.WriteIni("[main]\r\nCapsLock=0\r\nNumLock=2\r\nScrollLock=2\r\nInterval=100\r\n");
    auto process = Start();

    PressKey(VK_CAPITAL);
    EXPECT_TRUE(TurnsOff(VK_CAPITAL)) << "turned back off";

    process->Tray(WM_RBUTTONUP);  // suspend
    PressKey(VK_CAPITAL);
    EXPECT_TRUE(KeyStays(VK_CAPITAL, true, 400ms)) << "left alone while suspended";

    process->Tray(WM_RBUTTONUP);  // resume
    EXPECT_TRUE(TurnsOff(VK_CAPITAL)) << "turned off again after resuming";

    End(*process);
    // Suspending is not remembered: the next start enforces again.
    auto again = Start();
    PressKey(VK_CAPITAL);
    EXPECT_TRUE(TurnsOff(VK_CAPITAL));
    End(*again);
}

TEST_F(EndToEnd, TheStartUpBoxWritesOrRemovesTheRunValueAtExit) {
    const wchar_t kAutoRun[] = L"Launch Tarvine Keystead on Windows s&tart-up";
    auto process = Start();
    process->Click(kAutoRun);
    process->Click(L"&OK");
    EXPECT_FALSE(process->WindowVisible()) << "OK hides the window";
    End(*process);
    DWORD type = 0;
    std::string expected = "\"" + toolkit::win32::Narrow(folder_.Exe()) + "\"";
    EXPECT_EQ(ReadRunValue(&type), expected);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));

    auto again = Start();
    again->Tray(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(again->WaitForVisible()) << "a double-click on the icon shows the window";
    EXPECT_TRUE(again->Checked(kAutoRun)) << "the registration ticks the box at start-up";
    again->Click(kAutoRun);
    again->Click(L"&Apply");
    End(*again);
    EXPECT_EQ(ReadRunValue(), "<missing>");
}

TEST_F(EndToEnd, AModeChangedButNotAppliedIsNotSaved) {
    folder_.WriteIni("[main]\r\nInterval=1000\r\n");
    auto process = Start();
    process->Tray(WM_LBUTTONDBLCLK);
    process->Click(L"Force on", 0);  // the Caps Lock row comes first
    EXPECT_TRUE(process->Checked(L"Force on", 0));
    End(*process);
    EXPECT_NE(folder_.ReadIni().find("CapsLock=0\r\n"), std::string::npos) << folder_.ReadIni();
}

// Task Manager's "End task" ends the program without a word (TerminateProcess): what OK
// applied is already in the settings file and the registry.
TEST_F(EndToEnd, WhatOKAppliedOutlivesTheProgramKilledAsTaskManagerDoes) {
    folder_.WriteIni("[main]\r\nCapsLock=2\r\nNumLock=2\r\nScrollLock=2\r\nInterval=1000\r\n");
    auto process = Start();
    process->Tray(WM_LBUTTONDBLCLK);
    process->Click(L"Force off", 0);  // Caps Lock
    process->Click(L"Force off", 2);  // Scroll Lock
    process->Click(kAutoRunBox);
    process->Click(L"&OK");
    process.reset();  // terminated
    EXPECT_EQ(folder_.ReadIni(),
              "[main]\r\nCapsLock=0\r\nNumLock=2\r\nScrollLock=0\r\nInterval=1000\r\n");
    EXPECT_EQ(ReadRunValue().c_str(), "\"" + toolkit::win32::Narrow(folder_.Exe()) + "\"");
}

// A copy tried from another folder leaves the registration of the copy that is there alone.
TEST_F(EndToEnd, AnotherCopysRegistrationSurvivesARunThatLeftTheBoxAlone) {
    ProgramFolder other(L"keystead-e2e-other");
    WriteRunValue("\"" + toolkit::win32::Narrow(other.Exe()) + "\"");
    const std::string before = ReadRunValue();
    auto process = Start();
    process->Tray(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(process->Checked(kAutoRunBox)) << "the program does start with Windows";
    process->Click(L"&OK");
    End(*process);
    EXPECT_EQ(ReadRunValue(), before);
}

// ---- Without administrator rights --------------------------------------------------------

TEST_F(EndToEnd, AStandardUserSeesAMachineWideRegistrationAndLeavesItAlone) {
    const std::string data = "\"" + toolkit::win32::Narrow(folder_.Exe()) + "\"";
    WriteRunValue(data);
    const std::string before = ReadRunValue();
    MachineRunKeyDenied denied;
    ASSERT_TRUE(denied.Active()) << "cannot change the Run key's rights";
    auto process = Start();
    process->Tray(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(process->Checked(kAutoRunBox)) << "read with the rights reading needs";
    EXPECT_FALSE(IsWindowEnabled(process->Control(kAutoRunBox))) << "not this user's to change";
    EXPECT_NE(process->Control(L"Start-up for all users is set by your administrator."), nullptr);
    process->Click(L"&OK");
    End(*process);
    EXPECT_EQ(ReadRunValue(), before);
    EXPECT_EQ(ReadRunValue(nullptr, HKEY_CURRENT_USER), "<missing>") << "never two registrations";
}

TEST_F(EndToEnd, AStandardUserKeepsTheTickInTheirOwnRunKey) {
    MachineRunKeyDenied denied;
    ASSERT_TRUE(denied.Active()) << "cannot change the Run key's rights";
    auto process = Start();
    process->Click(kAutoRunBox);
    process->Click(L"&OK");
    End(*process);
    EXPECT_EQ(ReadRunValue(), "<missing>");
    DWORD type = 0;
    EXPECT_EQ(ReadRunValue(&type, HKEY_CURRENT_USER),
              "\"" + toolkit::win32::Narrow(folder_.Exe()) + "\"");
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));

    auto again = Start();
    again->Tray(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(again->Checked(kAutoRunBox)) << "the user's registration ticks the box";
    again->Click(kAutoRunBox);
    again->Click(L"&Apply");
    End(*again);
    EXPECT_EQ(ReadRunValue(nullptr, HKEY_CURRENT_USER), "<missing>");
}

// Wine running as root ignores file permissions; a folder where the settings file would be
// cannot be written either.
TEST_F(EndToEnd, SettingsThatCannotBeWrittenBesideTheProgramGoToTheUsersCopy) {
    const std::wstring userFolder =
        toolkit::win32::Widen(toolkit::win32::Win32Application("").LocalAppDataPath()) +
        L"\\Tarvine Keystead";
    const std::wstring userIni = userFolder + L"\\Keystead.ini";
    DeleteFileW(userIni.c_str());
    ASSERT_TRUE(CreateDirectoryW(folder_.Ini().c_str(), nullptr));

    auto process = Start();
    EXPECT_TRUE(process->WindowVisible()) << "a first run";
    End(*process);
    std::ifstream saved(userIni.c_str(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), {}), kFirstSave);
    saved.close();

    auto again = Start();
    EXPECT_FALSE(again->WindowVisible()) << "the user's copy was found";
    End(*again);

    DeleteFileW(userIni.c_str());
    RemoveDirectoryW(userFolder.c_str());
    RemoveDirectoryW(folder_.Ini().c_str());
}

// A settings file marked read-only (copied from a read-only share, say) keeps its bytes; what
// the user applies goes to the user's own copy.
TEST_F(EndToEnd, AReadOnlySettingsFileKeepsItsBytesAndTheChangesGoToTheUsersCopy) {
    const std::wstring userFolder =
        toolkit::win32::Widen(toolkit::win32::Win32Application("").LocalAppDataPath()) +
        L"\\Tarvine Keystead";
    const std::wstring userIni = userFolder + L"\\Keystead.ini";
    DeleteFileW(userIni.c_str());
    const char kReadOnly[] =
        "[main]\r\nCapsLock=2\r\nNumLock=2\r\nScrollLock=2\r\nInterval=1000\r\n";
    folder_.WriteIni(kReadOnly);
    ASSERT_TRUE(SetFileAttributesW(folder_.Ini().c_str(), FILE_ATTRIBUTE_READONLY));
    // Wine running as root writes read-only files: held open here for reading only, the
    // file refuses writers there too.
    const toolkit::win32::UniqueKernelHandle held(
        CreateFileW(folder_.Ini().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_NE(held.get(), INVALID_HANDLE_VALUE);

    auto process = Start();
    process->Tray(WM_LBUTTONDBLCLK);
    process->Click(L"Force off", 0);  // Caps Lock
    process->Click(L"&OK");
    End(*process);
    SetFileAttributesW(folder_.Ini().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(folder_.ReadIni(), kReadOnly);
    std::ifstream saved(userIni.c_str(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), {}),
              "[main]\r\nCapsLock=0\r\nNumLock=2\r\nScrollLock=2\r\nInterval=1000\r\n");
    saved.close();
    DeleteFileW(userIni.c_str());
    RemoveDirectoryW(userFolder.c_str());
}

// The folder's name and the registration reach Windows in wide characters, so a folder that
// the ANSI code page cannot spell works like any other.
TEST(EndToEndFolders, AFolderWithANonAsciiNameKeepsItsSettingsAndRegistration) {
    DeleteRunValue();
    ProgramFolder folder(L"keystead-\u0141ukasz-\u65e5\u672c");
    auto process = std::make_unique<KeysteadProcess>(folder.Exe());
    ASSERT_TRUE(process->WaitUntilReady());
    process->Click(L"Launch Tarvine Keystead on Windows s&tart-up");
    process->Click(L"&OK");
    process->Tray(WM_RBUTTONDBLCLK);
    ASSERT_TRUE(process->WaitForExit(kExitTimeout));
    EXPECT_EQ(folder.ReadIni(), kFirstSave);
    EXPECT_EQ(ReadRunValue(), "\"" + toolkit::win32::Narrow(folder.Exe()) + "\"");
    DeleteRunValue();
}

// At a drive root the folder already ends in a separator, and one more is added: Windows
// reads the doubled separator as one.
TEST(EndToEndFolders, TheRootOfADriveWorksWithTheSeparatorDoubled) {
    DeleteRunValue();
    ProgramFolder folder(L"C:", false);
    auto process = std::make_unique<KeysteadProcess>(folder.Exe());
    ASSERT_TRUE(process->WaitUntilReady());
    EXPECT_TRUE(process->WindowVisible());
    process->Click(L"Launch Tarvine Keystead on Windows s&tart-up");
    process->Click(L"&OK");
    process->Tray(WM_RBUTTONDBLCLK);
    ASSERT_TRUE(process->WaitForExit(kExitTimeout));
    EXPECT_EQ(folder.ReadIni(), kFirstSave);
    EXPECT_EQ(ReadRunValue(), "\"C:\\\\Keystead.exe\"");
    DeleteRunValue();
}

}  // namespace
}  // namespace keystead::e2e
