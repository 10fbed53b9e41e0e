#include "toolkit/win32/Pictures.h"

namespace keystead::toolkit::win32 {

std::unique_ptr<Win32Picture> LoadPicture(int resource, int size) {
    if (resource != 0) {
        auto icon =
            static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource),
                                          IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
        if (icon != nullptr) {
            return std::make_unique<Win32Picture>(icon, true);
        }
    }
    return std::make_unique<Win32Picture>(LoadIconW(nullptr, IDI_APPLICATION), false);
}

}  // namespace keystead::toolkit::win32
