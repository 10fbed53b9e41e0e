#include "toolkit/win32/Win32Application.h"

#include <windows.h>

#include <shlobj.h>

#include <string_view>

#include "toolkit/win32/Library.h"
#include "toolkit/win32/Requests.h"
#include "toolkit/win32/Text.h"

namespace keystead::toolkit::win32 {

namespace {

std::wstring ModuleFileName() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);  // the path was cut: try a larger buffer
    }
}

// The path of the file itself, through every link to it, without the "\\?\" that Windows
// puts in front; empty when it cannot be told.
std::wstring FinalPathOf(const std::wstring& path) {
    const HANDLE opened = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        return {};
    }
    const UniqueKernelHandle file(opened);
    std::wstring buffer(MAX_PATH, L'\0');
    DWORD length = GetFinalPathNameByHandleW(
        file.get(), buffer.data(), static_cast<DWORD>(buffer.size()), FILE_NAME_NORMALIZED);
    if (length >= buffer.size()) {
        buffer.resize(length);  // the size it needs, its NUL counted
        length = GetFinalPathNameByHandleW(file.get(), buffer.data(),
                                           static_cast<DWORD>(buffer.size()), FILE_NAME_NORMALIZED);
    }
    if (length == 0 || length >= buffer.size()) {
        return {};
    }
    buffer.resize(length);
    return WithoutLongPathPrefix(buffer);
}

}  // namespace

std::wstring WithoutLongPathPrefix(const std::wstring& path) {
    constexpr std::wstring_view kUnc = L"\\\\?\\UNC\\";
    constexpr std::wstring_view kLocal = L"\\\\?\\";
    if (path.starts_with(kUnc)) {
        return L"\\\\" + path.substr(kUnc.size());
    }
    if (path.starts_with(kLocal)) {
        return path.substr(kLocal.size());
    }
    return path;
}

// Started through a link (winget's portable command, a symbolic link), the program still
// lives in the folder of its real file: its settings, its read-me and its Run value are
// there. Looked up once.
std::string Win32Application::ModulePath() const {
    if (modulePath_.empty()) {
        const std::wstring named = ModuleFileName();
        const std::wstring real = FinalPathOf(named);
        const bool differs = !real.empty() && CompareStringOrdinal(real.c_str(), -1, named.c_str(),
                                                                   -1, TRUE) != CSTR_EQUAL;
        modulePath_ = Narrow(
            differs && GetFileAttributesW(real.c_str()) != INVALID_FILE_ATTRIBUTES ? real : named);
    }
    return modulePath_;
}

std::string FolderOf(const std::string& fullPath) {
    std::size_t slash = fullPath.find_last_of("\\/");
    if (slash == std::string::npos) {
        return {};
    }
    // A drive root keeps its separator ("C:\"), like every other root-folder path.
    if (slash == 2 && fullPath[1] == ':') {
        return fullPath.substr(0, 3);
    }
    return fullPath.substr(0, slash);
}

std::string NameWithoutExtension(const std::string& fullPath) {
    std::size_t slash = fullPath.find_last_of("\\/");
    std::string name = slash == std::string::npos ? fullPath : fullPath.substr(slash + 1);
    std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

Win32Application::Win32Application(std::string instanceName)
    : instanceName_(std::move(instanceName)) {}

std::string Win32Application::Path() const {
    return FolderOf(ModulePath());
}

std::string Win32Application::ExeName() const {
    return NameWithoutExtension(ModulePath());
}

bool Win32Application::PrevInstance() {
    if (!asked_) {
        asked_ = true;
        // The first instance holds this mutex for its whole life; "Local\" keeps the
        // answer per user session.
        std::wstring name = L"Local\\" + Widen(instanceName_);
        instanceMutex_.reset(CreateMutexW(nullptr, FALSE, name.c_str()));
        DWORD error = GetLastError();
        // An instance running elevated holds a mutex that a plain one may not open: that
        // refusal means the program runs already, too.
        prevInstance_ =
            instanceMutex_ ? error == ERROR_ALREADY_EXISTS : error == ERROR_ACCESS_DENIED;
    }
    return prevInstance_;
}

void Win32Application::RegisterForRestart() {
    using RegisterRestartFn = HRESULT(WINAPI*)(PCWSTR, DWORD);
    constexpr DWORD kOnlyAfterAnUpdate = RESTART_NO_CRASH | RESTART_NO_HANG | RESTART_NO_REBOOT;
    const auto registerRestart = Kernel32Function<RegisterRestartFn>("RegisterApplicationRestart");
    if (registerRestart != nullptr) {
        registerRestart(nullptr, kOnlyAfterAnUpdate);
    }
}

void Win32Application::End() {
    ExitProcess(0);
}

std::optional<std::uint64_t> Win32Application::FileLength(const std::string& path) const {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return std::nullopt;
    }
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string Win32Application::ExpandEnvironment(const std::string& text) const {
    const std::wstring wide = Widen(text);
    const DWORD size = ExpandEnvironmentStringsW(wide.c_str(), nullptr, 0);
    if (size == 0) {
        return text;
    }
    std::wstring expanded(size, L'\0');
    const DWORD written = ExpandEnvironmentStringsW(wide.c_str(), expanded.data(), size);
    if (written == 0 || written > size) {
        return text;
    }
    expanded.resize(written - 1);  // without the terminating NUL it counts
    return Narrow(expanded);
}

std::vector<std::string> Win32Application::PreferredLanguages() const {
    std::vector<std::string> tags;
    // Windows Vista and later; Wine has it too.
    using PreferredFn = BOOL(WINAPI*)(DWORD, PULONG, PWSTR, PULONG);
    static const auto preferred = Kernel32Function<PreferredFn>("GetUserPreferredUILanguages");
    ULONG count = 0;
    ULONG size = 0;
    if (preferred != nullptr && preferred(MUI_LANGUAGE_NAME, &count, nullptr, &size) && size > 0) {
        std::wstring names(size, L'\0');
        if (preferred(MUI_LANGUAGE_NAME, &count, names.data(), &size)) {
            for (const wchar_t* name = names.c_str(); *name != L'\0'; name += lstrlenW(name) + 1) {
                tags.push_back(Narrow(name));
            }
        }
    }
    if (tags.empty()) {
        wchar_t language[16] = {};
        wchar_t region[16] = {};
        const LCID id = MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT);
        if (GetLocaleInfoW(id, LOCALE_SISO639LANGNAME, language, 16) > 0) {
            std::wstring tag = language;
            if (GetLocaleInfoW(id, LOCALE_SISO3166CTRYNAME, region, 16) > 0) {
                tag += L'-';
                tag += region;
            }
            tags.push_back(Narrow(tag));
        }
    }
    return tags;
}

std::string Win32Application::LocalAppDataPath() const {
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(
            SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder))) {
        return {};
    }
    return Narrow(folder);
}

RequestAnswer Win32Application::SendToRunningCopy(std::uint32_t request, bool waitForEnd) {
    return SendRequest(request, waitForEnd);
}

std::int64_t Win32Application::TickCount() const {
    return static_cast<std::int64_t>(GetTickCount64());
}

}  // namespace keystead::toolkit::win32
