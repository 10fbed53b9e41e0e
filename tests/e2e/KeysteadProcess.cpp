#include "KeysteadProcess.h"

#include <sddl.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "toolkit/win32/Text.h"
#include "toolkit/win32/Win32Form.h"

namespace keystead::e2e {

namespace {

using namespace std::chrono_literals;
using toolkit::win32::Narrow;
using toolkit::win32::Widen;

constexpr wchar_t kWindowClass[] = L"KeysteadForm";
constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kRunValue[] = L"Tarvine Keystead";

// Answers to a message sent to the program: long enough for two busy cores under Wine.
constexpr UINT kAnswerCeilingMs = 10000;

// Every start of the program, and those Wine refused, told at the end of the suite: a retry
// that hides a refusal must not hide how often Wine refuses (scripts/test-stage.py reads it).
struct StartCount {
    int starts = 0;
    int refused = 0;
    ~StartCount() {
        if (starts > 0) {
            std::fprintf(stderr, "Wine refused %d of %d starts of the program\n", refused, starts);
        }
    }
} startCount;

struct FindChild {
    const wchar_t* caption;
    int nth;
    HWND found = nullptr;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM context) {
    auto* find = reinterpret_cast<FindChild*>(context);
    wchar_t text[128] = {};
    GetWindowTextW(child, text, 128);
    if (lstrcmpW(text, find->caption) == 0 && find->nth-- == 0) {
        find->found = child;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::wstring BuiltProgram(const char* buildPath) {
    std::wstring path = Widen(buildPath);
    if (!path.empty() && path[0] == L'/') {
        path = L"Z:" + path;
    }
    for (wchar_t& c : path) {
        if (c == L'/')
            c = L'\\';
    }
    return path;
}

std::wstring KeysteadUnderTest() {
    const char* chosen = std::getenv("KEYSTEAD_EXE_UNDER_TEST");
    return BuiltProgram(chosen != nullptr && *chosen != '\0' ? chosen : KEYSTEAD_EXE);
}

std::wstring ProgramFolder::TempFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    return temp;
}

ProgramFolder::ProgramFolder(std::wstring path, bool create) : path_(std::move(path)) {
    if (create) {
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    DeleteFileW(Ini().c_str());
    const std::wstring built = KeysteadUnderTest();
    if (!CopyFileW(built.c_str(), Exe().c_str(), FALSE)) {
        const DWORD error = GetLastError();
        std::fprintf(stderr, "could not copy %s to %s: error %lu\n", Narrow(built).c_str(),
                     Narrow(Exe()).c_str(), error);
    }
}

ProgramFolder::~ProgramFolder() {
    DeleteFileW(Ini().c_str());
    DeleteFileW(Exe().c_str());
    RemoveDirectoryW(path_.c_str());
}

void ProgramFolder::WriteIni(const std::string& bytes) const {
    std::ofstream(Ini().c_str(), std::ios::binary) << bytes;
}

std::string ProgramFolder::ReadIni() const {
    std::ifstream file(Ini().c_str(), std::ios::binary);
    if (!file) {
        return "<missing>";
    }
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

KeysteadProcess::KeysteadProcess(const std::wstring& exe, const std::wstring& arguments) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty()) {
        commandLine += L" " + arguments;
    }
    // Wine now and then refuses a start with ERROR_INTERNAL_ERROR, which says nothing of the
    // program: a few more tries, a moment apart, before the start counts as failed.
    DWORD error = ERROR_SUCCESS;
    constexpr int kTries = 3;
    for (int attempt = 1; attempt <= kTries; ++attempt) {
        ++startCount.starts;
        if (CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &process_)) {
            return;
        }
        error = GetLastError();
        if (error != ERROR_INTERNAL_ERROR) {
            break;
        }
        ++startCount.refused;
        std::fprintf(stderr, "Wine refused to start %s (ERROR_INTERNAL_ERROR), try %d of %d\n",
                     Narrow(commandLine).c_str(), attempt, kTries);
        Sleep(250);
    }
    process_ = {};
    std::fprintf(stderr, "could not start %s: CreateProcessW failed with error %lu\n",
                 Narrow(commandLine).c_str(), error);
}

KeysteadProcess::~KeysteadProcess() {
    if (!Started()) {
        return;
    }
    if (Running()) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool KeysteadProcess::WaitUntilReady() {
    if (!Started()) {
        return false;  // reported when the start failed
    }
    const auto found = [this] {
        HWND candidate = nullptr;
        while ((candidate = FindWindowExW(nullptr, candidate, kWindowClass, nullptr)) != nullptr) {
            DWORD owner = 0;
            GetWindowThreadProcessId(candidate, &owner);
            if (owner == process_.dwProcessId) {
                window_ = candidate;
                return true;
            }
        }
        return !Running();
    };
    if (!WaitUntil("the program's window", found) || window_ == nullptr) {
        if (!Running()) {
            std::fprintf(stderr,
                         "the program ended with exit code %lu before its window "
                         "appeared\n",
                         ExitCode());
        }
        return false;
    }
    // The window exists before start-up ends with the tray icon and the timer; the message
    // loop serves messages only once it has.
    if (WaitForInputIdle(process_.hProcess, kAnswerCeilingMs) == WAIT_TIMEOUT) {
        std::fprintf(stderr, "waited %u ms for the program to wait for input\n", kAnswerCeilingMs);
        return false;
    }
    return Sync();
}

bool KeysteadProcess::WaitForExit(std::chrono::milliseconds timeout) {
    if (!Started()) {
        return false;  // reported when the start failed
    }
    if (WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeout.count())) ==
        WAIT_OBJECT_0) {
        return true;
    }
    std::fprintf(stderr, "waited %lld ms for the program to end\n",
                 static_cast<long long>(timeout.count()));
    return false;
}

bool KeysteadProcess::Sync() const {
    DWORD_PTR result = 0;
    if (SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerCeilingMs, &result) != 0) {
        return true;
    }
    if (IsWindow(window_)) {
        std::fprintf(stderr, "waited %u ms for the program's window to answer\n", kAnswerCeilingMs);
    }
    return false;
}

bool KeysteadProcess::WaitForControl(const wchar_t* caption, bool present) const {
    const std::string what = std::string(present ? "a control " : "no control ") + "captioned \"" +
                             Narrow(caption) + "\"";
    return WaitUntil(what.c_str(), [&] { return (Control(caption) != nullptr) == present; });
}

bool KeysteadProcess::WaitForVisible(bool visible) const {
    return WaitUntil(visible ? "the window to show" : "the window to hide",
                     [&] { return WindowVisible() == visible; });
}

bool KeysteadProcess::Running() const {
    return Started() && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD KeysteadProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

void KeysteadProcess::Tray(UINT mouseMessage) const {
    // The icon's id in wParam, the mouse message in the low word of lParam. Sent, not
    // posted as the shell does, so that it has been handled when this returns.
    DWORD_PTR result = 0;
    if (SendMessageTimeoutW(window_, WM_MOUSEMOVE, 1, MAKELPARAM(mouseMessage, 0), SMTO_NORMAL,
                            kAnswerCeilingMs, &result) == 0 &&
        IsWindow(window_)) {
        std::fprintf(stderr, "waited %u ms for the program to handle tray message %u\n",
                     kAnswerCeilingMs, mouseMessage);
    }
}

bool KeysteadProcess::Open() const {
    Tray(WM_LBUTTONDBLCLK);
    return WaitForVisible();
}

bool KeysteadProcess::Cancel() const {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(GetDlgItem(window_, IDCANCEL), BM_CLICK, 0, 0, SMTO_NORMAL,
                        kAnswerCeilingMs, &result);
    return WaitForVisible(false);
}

HWND ChildWithCaption(HWND window, const wchar_t* caption, int nth) {
    FindChild find{caption, nth};
    EnumChildWindows(window, &MatchChild, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

HWND KeysteadProcess::Control(const wchar_t* caption, int nth) const {
    return ChildWithCaption(window_, caption, nth);
}

void KeysteadProcess::Click(const wchar_t* caption, int nth) const {
    const HWND control = Control(caption, nth);
    if (control == nullptr) {
        std::fprintf(stderr, "no control captioned \"%s\" (#%d) to click\n",
                     Narrow(caption).c_str(), nth);
        return;
    }
    // The button tells the window at once, on the program's thread: handled on return.
    DWORD_PTR result = 0;
    if (SendMessageTimeoutW(control, BM_CLICK, 0, 0, SMTO_NORMAL, kAnswerCeilingMs, &result) == 0) {
        std::fprintf(stderr, "waited %u ms for the program to handle a click on \"%s\"\n",
                     kAnswerCeilingMs, Narrow(caption).c_str());
    }
}

bool KeysteadProcess::Checked(const wchar_t* caption, int nth) const {
    return SendMessageW(Control(caption, nth), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int CountKeysteadWindows() {
    int count = 0;
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, kWindowClass, nullptr)) != nullptr) {
        ++count;
    }
    return count;
}

std::string ReadRunValue(DWORD* type, HKEY root) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, kRunKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return "<missing>";
    }
    DWORD size = 0;
    DWORD valueType = 0;
    std::string result = "<missing>";
    if (RegQueryValueExW(key, kRunValue, nullptr, &valueType, nullptr, &size) == ERROR_SUCCESS) {
        std::vector<wchar_t> data(size / sizeof(wchar_t) + 1, L'\0');
        RegQueryValueExW(key, kRunValue, nullptr, &valueType, reinterpret_cast<BYTE*>(data.data()),
                         &size);
        // A string ends at its first NUL, whether the writer counted one or not.
        result = Narrow(std::wstring(data.data()));
        if (type != nullptr)
            *type = valueType;
    }
    RegCloseKey(key);
    return result;
}

DWORD RunValueByteCount(HKEY root) {
    HKEY key = nullptr;
    DWORD size = 0;
    if (RegOpenKeyExW(root, kRunKey, 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
        RegQueryValueExW(key, kRunValue, nullptr, nullptr, nullptr, &size);
        RegCloseKey(key);
    }
    return size;
}

void DeleteRunValue(HKEY root) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, kRunKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        RegDeleteValueW(key, kRunValue);
        RegCloseKey(key);
    }
}

void WriteRunValue(const std::string& data, bool withNul) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        // Windows counts a NUL the caller left out when one follows in memory: a blank there
        // keeps the data exactly as given.
        const std::wstring wide = Widen(data) + (withNul ? L'\0' : L' ');
        RegSetValueExW(key, kRunValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                       static_cast<DWORD>((wide.size() - (withNul ? 0 : 1)) * sizeof(wchar_t)));
        RegCloseKey(key);
    }
}

MachineRunKeyDenied::MachineRunKeyDenied() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, READ_CONTROL | WRITE_DAC, &key) !=
        ERROR_SUCCESS) {
        return;
    }
    DWORD size = 0;
    RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, nullptr, &size);
    saved_.resize(size);
    PSECURITY_DESCRIPTOR denying = nullptr;
    if (size != 0 &&
        RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, saved_.data(), &size) == ERROR_SUCCESS &&
        ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:(D;;0x6;;;WD)(A;;KA;;;WD)",
                                                             SDDL_REVISION_1, &denying, nullptr)) {
        active_ = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, denying) == ERROR_SUCCESS;
        LocalFree(denying);
    }
    RegCloseKey(key);
}

MachineRunKeyDenied::~MachineRunKeyDenied() {
    if (!active_) {
        return;
    }
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, WRITE_DAC, &key) == ERROR_SUCCESS) {
        RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, saved_.data());
        RegCloseKey(key);
    }
}

bool KeyToggled(BYTE key) {
    toolkit::win32::PumpMessages(30ms);
    return (GetKeyState(key) & 1) != 0;
}

void PressKey(BYTE key) {
    keybd_event(key, 0, 0, 0);
    keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
    toolkit::win32::PumpMessages(30ms);
}

void TurnOff(BYTE key) {
    if (KeyToggled(key)) {
        PressKey(key);
    }
}

bool KeyBecomes(BYTE key, bool toggled, std::chrono::milliseconds ceiling) {
    const std::string what = "lock key " + std::to_string(key) + (toggled ? " on" : " off");
    return WaitUntil(
        what.c_str(), [&] { return KeyToggled(key) == toggled; }, ceiling);
}

bool KeyStays(BYTE key, bool toggled, std::chrono::milliseconds duration) {
    const std::string what = "lock key " + std::to_string(key) + (toggled ? " on" : " off");
    return HoldsFor(
        what.c_str(), [&] { return KeyToggled(key) == toggled; }, duration);
}

bool CapsGoesOff() {
    return KeyBecomes(VK_CAPITAL, false);
}

bool IniBecomes(const ProgramFolder& folder, const std::string& bytes) {
    if (WaitUntil("the settings file's content", [&] { return folder.ReadIni() == bytes; })) {
        return true;
    }
    std::fprintf(stderr, "it holds: %s\n", folder.ReadIni().c_str());
    return false;
}

std::unique_ptr<KeysteadProcess> StartKeystead(const std::wstring& exe,
                                               const std::wstring& arguments) {
    auto process = std::make_unique<KeysteadProcess>(exe, arguments);
    process->WaitUntilReady();
    return process;
}

bool EndFromTheTray(KeysteadProcess& process) {
    process.Tray(WM_RBUTTONUP);
    process.Tray(WM_RBUTTONDBLCLK);
    return process.WaitForExit(std::chrono::seconds(20));
}

}  // namespace keystead::e2e
