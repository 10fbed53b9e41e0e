#include "toolkit/win32/Controls.h"

namespace keystead::toolkit::win32 {

const Win32Picture& PictureBox::Picture() const {
    if (!picture_) {
        picture_ = LoadPicture(design_.picture, GetSystemMetrics(SM_CXSMICON));
    }
    return *picture_;
}

}  // namespace keystead::toolkit::win32
