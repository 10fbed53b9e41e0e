#include "toolkit/win32/Win32Shell.h"

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

#include "toolkit/win32/Library.h"
#include "toolkit/win32/Text.h"

namespace keystead::toolkit::win32 {

namespace {

// COM for the span of one shell call. ShellExecuteW may hand the file or the web page to a
// handler that COM activates, so Microsoft asks callers to initialise COM first. The program
// idles for hours and opens something rarely: ole32 is loaded at run time for the call only
// (a static import would keep ole32, combase and rpcrt4 mapped for the program's whole
// life). Without ole32 the call still goes ahead, as it does for most files.
class ComForThisCall {
public:
    ComForThisCall() : ole32_(LoadSystemLibrary(L"ole32.dll")) {
        auto initialize =
            LibraryFunction<decltype(&CoInitializeEx)>(ole32_.get(), "CoInitializeEx");
        uninitialize_ = LibraryFunction<decltype(&CoUninitialize)>(ole32_.get(), "CoUninitialize");
        // S_FALSE (already initialised on this thread) needs its CoUninitialize too;
        // RPC_E_CHANGED_MODE and other failures do not.
        initialized_ =
            initialize != nullptr && uninitialize_ != nullptr &&
            SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }
    ~ComForThisCall() {
        if (initialized_) {
            uninitialize_();  // before ole32_ lets the library go
        }
    }
    ComForThisCall(const ComForThisCall&) = delete;
    ComForThisCall& operator=(const ComForThisCall&) = delete;

private:
    UniqueLibrary ole32_;
    decltype(&CoUninitialize) uninitialize_ = nullptr;
    bool initialized_ = false;
};

}  // namespace

std::intptr_t Win32Shell::Execute(std::uintptr_t owner, const std::string& operation,
                                  const std::string& file, const std::string& parameters,
                                  const std::string& directory, int showCommand) {
    // Wide strings, so that a read-me in a folder the ANSI code page cannot spell opens too.
    const std::wstring wideOperation = Widen(operation);
    const std::wstring wideFile = Widen(file);
    const std::wstring wideParameters = Widen(parameters);
    const std::wstring wideDirectory = Widen(directory);
    ComForThisCall com;
    HINSTANCE result =
        ShellExecuteW(reinterpret_cast<HWND>(owner), wideOperation.c_str(), wideFile.c_str(),
                      wideParameters.c_str(), wideDirectory.c_str(), showCommand);
    return reinterpret_cast<std::intptr_t>(result);
}

}  // namespace keystead::toolkit::win32
