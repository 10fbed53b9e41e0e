#pragma once

#include <windows.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/win32/Wait.h"

namespace keystead::e2e {

using testing::HoldsFor;
using testing::WaitUntil;

// A program the build made, by the path the build gave it (KEYSTEAD_EXE, FOCUSED_WINDOW_EXE):
// under Wine a Linux path is reached through drive Z:.
std::wstring BuiltProgram(const char* buildPath);
// The Keystead.exe under test: the one KEYSTEAD_EXE_UNDER_TEST names when it is set (the
// program users download, from the release builds' tests), else the one the build made.
std::wstring KeysteadUnderTest();

// The nth child of the window whose text is the caption (access key marks included).
HWND ChildWithCaption(HWND window, const wchar_t* caption, int nth = 0);

// A folder holding a copy of Keystead.exe, removed again by the destructor.
class ProgramFolder {
public:
    // A folder of the temporary folder, by name.
    explicit ProgramFolder(const std::wstring& name) : ProgramFolder(TempFolder() + name, true) {}
    // Any folder, without its trailing separator ("C:" for the root of drive C).
    ProgramFolder(std::wstring path, bool create);
    static std::wstring TempFolder();
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring Exe() const { return path_ + L"\\Keystead.exe"; }
    std::wstring Ini() const { return path_ + L"\\Keystead.ini"; }

    void WriteIni(const std::string& bytes) const;
    // The settings file's bytes, or "<missing>".
    std::string ReadIni() const;

private:
    std::wstring path_;
};

// One run of Keystead.exe and its settings window.
class KeysteadProcess {
public:
    // arguments: the command line after the program's name.
    explicit KeysteadProcess(const std::wstring& exe, const std::wstring& arguments = L"");
    ~KeysteadProcess();  // ends the process if it still runs
    KeysteadProcess(const KeysteadProcess&) = delete;
    KeysteadProcess& operator=(const KeysteadProcess&) = delete;

    // Whether Windows started the process; when it did not, every wait fails at once.
    bool Started() const { return process_.hProcess != nullptr; }
    // Waits until the program's window exists and its message loop serves messages.
    bool WaitUntilReady();
    bool WaitForExit(std::chrono::milliseconds timeout);
    bool Running() const;
    DWORD ExitCode() const;
    // Waits until the program has handled every message sent to it before: its window
    // answers one more.
    bool Sync() const;
    // Waits until a control with the caption exists, or until none does.
    bool WaitForControl(const wchar_t* caption, bool present = true) const;
    // Waits until the window is shown, or hidden.
    bool WaitForVisible(bool visible = true) const;

    HWND Window() const { return window_; }
    bool WindowVisible() const { return IsWindowVisible(window_) != FALSE; }
    // What the shell sends when the user acts on the notification-area icon; returns once
    // the program has handled it.
    void Tray(UINT mouseMessage) const;
    // Opens the settings window as the user does, with a double-click on the icon: its
    // controls exist only once it has been shown. Whether it showed.
    bool Open() const;
    // Closes it with its Cancel button (Esc's), leaving every setting as it was. Whether it
    // hid.
    bool Cancel() const;
    // A control of the window by its caption; the nth one when several share it.
    HWND Control(const wchar_t* caption, int nth = 0) const;
    // Returns once the program has handled the click.
    void Click(const wchar_t* caption, int nth = 0) const;
    bool Checked(const wchar_t* caption, int nth = 0) const;

private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

// Starts the program from the folder and waits until it is ready; reports on stderr when it
// is not (the caller checks Started() or WaitUntilReady() again as it needs).
std::unique_ptr<KeysteadProcess> StartKeystead(const std::wstring& exe,
                                               const std::wstring& arguments = L"");
// Ends the program as a user does: a right double-click on the tray icon, which the shell
// reports as a release of the right button (suspending, or resuming) and then the
// double-click. Whether it ended within the ceiling.
bool EndFromTheTray(KeysteadProcess& process);

// Every top-level window of the program's class, in any process.
int CountKeysteadWindows();

// The Run value of the program, or "<missing>"; its type in *type. Machine-wide unless
// the root says otherwise.
std::string ReadRunValue(DWORD* type = nullptr, HKEY root = HKEY_LOCAL_MACHINE);
void DeleteRunValue(HKEY root = HKEY_LOCAL_MACHINE);
// With its terminating NUL counted, as Windows asks, or without, as older versions wrote it.
void WriteRunValue(const std::string& data, bool withNul = true);
// The size in bytes of the Run value's stored data, 0 when it is missing.
DWORD RunValueByteCount(HKEY root = HKEY_LOCAL_MACHINE);

// While it lives, the machine-wide Run key refuses to be written as it refuses a standard
// user: a DACL denies setting values and creating sub-keys to Everyone, so an open that asks
// for those rights fails while reading still works. The key's own DACL comes back after.
class MachineRunKeyDenied {
public:
    MachineRunKeyDenied();
    ~MachineRunKeyDenied();
    MachineRunKeyDenied(const MachineRunKeyDenied&) = delete;
    MachineRunKeyDenied& operator=(const MachineRunKeyDenied&) = delete;

    bool Active() const { return active_; }

private:
    std::vector<BYTE> saved_;
    bool active_ = false;
};

// The toggle state of a lock key as this thread sees it, after serving its queue.
bool KeyToggled(BYTE key);
void PressKey(BYTE key);
// Presses the key when it is on.
void TurnOff(BYTE key);
// Whether the key comes to the state within the ceiling (well below any interval a test sets
// that should not explain it).
bool KeyBecomes(BYTE key, bool toggled, std::chrono::milliseconds ceiling = testing::kWaitCeiling);
// Whether the key keeps the state for the whole time: nothing put it back.
bool KeyStays(BYTE key, bool toggled, std::chrono::milliseconds duration);
// Whether Caps Lock goes off within a few seconds, well below any interval a test sets.
bool CapsGoesOff();
// Whether the settings file comes to hold exactly these bytes within the ceiling.
bool IniBecomes(const ProgramFolder& folder, const std::string& bytes);

}  // namespace keystead::e2e
