#pragma once

#include <string>

#include "toolkit/Application.h"
#include "toolkit/win32/Handles.h"

namespace keystead::toolkit::win32 {

class Win32Application : public Application {
public:
    // instanceName names the kernel object that tells a second instance from the first.
    explicit Win32Application(std::string instanceName);

    std::string Path() const override;
    std::string ExeName() const override;
    bool PrevInstance() override;
    // RegisterApplicationRestart, looked up at run time.
    void RegisterForRestart() override;
    [[noreturn]] void End() override;
    std::optional<std::uint64_t> FileLength(const std::string& path) const override;
    // From SHGetFolderPathW(CSIDL_LOCAL_APPDATA), which needs no COM.
    std::string LocalAppDataPath() const override;
    // A WM_COPYDATA to the running copy's form window.
    RequestAnswer SendToRunningCopy(std::uint32_t request, bool waitForEnd) override;
    std::string ExpandEnvironment(const std::string& text) const override;
    // GetUserPreferredUILanguages, looked up at run time; else GetUserDefaultUILanguage.
    std::vector<std::string> PreferredLanguages() const override;
    // GetTickCount64: the C++ clocks would bring the runtime's time code into the program.
    std::int64_t TickCount() const override;

private:
    // The executable's full path, through any link to it.
    std::string ModulePath() const;

    std::string instanceName_;
    mutable std::string modulePath_;
    UniqueKernelHandle instanceMutex_;
    bool prevInstance_ = false;
    bool asked_ = false;
};

// A path without the "\\?\" or "\\?\UNC\" in front that final paths carry.
std::wstring WithoutLongPathPrefix(const std::wstring& path);
// The folder and the name without extension of an executable's full path.
std::string FolderOf(const std::string& fullPath);
std::string NameWithoutExtension(const std::string& fullPath);

}  // namespace keystead::toolkit::win32
