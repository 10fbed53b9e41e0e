#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace keystead::toolkit::win32 {

// One owner for every kind of handle: the handle type and the function that frees it.
template <auto Close>
struct HandleCloser {
    template <typename Handle>
    void operator()(Handle handle) const {
        Close(handle);
    }
};

template <typename Handle, auto Close>
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<Handle>, HandleCloser<Close>>;

using UniqueKernelHandle = UniqueHandle<HANDLE, ::CloseHandle>;
using UniqueIcon = UniqueHandle<HICON, ::DestroyIcon>;
using UniqueFont = UniqueHandle<HFONT, ::DeleteObject>;
using UniqueLibrary = UniqueHandle<HMODULE, ::FreeLibrary>;

// A window's device context (or the screen's, for no window), released with it.
class ScopedDc {
public:
    explicit ScopedDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ScopedDc(const ScopedDc&) = delete;
    ScopedDc& operator=(const ScopedDc&) = delete;
    ~ScopedDc() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

}  // namespace keystead::toolkit::win32
