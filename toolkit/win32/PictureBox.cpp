#include "toolkit/win32/Controls.h"

namespace keystead::toolkit::win32 {

PictureBox::PictureBox(const ControlDesign& design, FormState& form)
    : Control(design, form), picture_(LoadPicture(design.picture, GetSystemMetrics(SM_CXSMICON))) {}

}  // namespace keystead::toolkit::win32
