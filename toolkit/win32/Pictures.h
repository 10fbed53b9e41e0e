#pragma once

#include <windows.h>

#include <memory>

#include "toolkit/Picture.h"
#include "toolkit/win32/Handles.h"

namespace keystead::toolkit::win32 {

class Win32Picture : public Picture {
public:
    explicit Win32Picture(HICON icon, bool owned) : icon_(icon), owned_(owned ? icon : nullptr) {}
    std::uintptr_t Handle() const override { return reinterpret_cast<std::uintptr_t>(icon_); }
    HICON Get() const { return icon_; }

private:
    HICON icon_;
    UniqueIcon owned_;
};

// The icon resource at one size, or the system's application icon when the program
// carries none (test executables).
std::unique_ptr<Win32Picture> LoadPicture(int resource, int size);

}  // namespace keystead::toolkit::win32
