#include "toolkit/win32/CommonControls.h"

#include "toolkit/ToolkitError.h"
#include "toolkit/win32/Library.h"

namespace keystead::toolkit::win32 {

namespace {

struct CommonControls {
    decltype(&SetWindowSubclass) setSubclass;
    decltype(&RemoveWindowSubclass) removeSubclass;
    decltype(&DefSubclassProc) defSubclass;
};

const CommonControls& Library() {
    // Loaded once and kept for the program's life: the controls' windows use it until they go.
    static const CommonControls library = [] {
        HMODULE module = LoadSystemLibrary(L"comctl32.dll").release();
        if (const auto init =
                LibraryFunction<decltype(&InitCommonControlsEx)>(module, "InitCommonControlsEx")) {
            INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
            init(&controls);
        }
        return CommonControls{
            LibraryFunction<decltype(&SetWindowSubclass)>(module, "SetWindowSubclass"),
            LibraryFunction<decltype(&RemoveWindowSubclass)>(module, "RemoveWindowSubclass"),
            LibraryFunction<decltype(&DefSubclassProc)>(module, "DefSubclassProc")};
    }();
    return library;
}

}  // namespace

void InitCommonControlsOnce() {
    const CommonControls& library = Library();
    if (library.setSubclass == nullptr || library.removeSubclass == nullptr ||
        library.defSubclass == nullptr) {
        Fail("cannot load the common controls");
    }
}

BOOL SetSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data) {
    return Library().setSubclass(window, procedure, id, data);
}

BOOL RemoveSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id) {
    return Library().removeSubclass(window, procedure, id);
}

LRESULT DefSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Library().defSubclass(window, message, wParam, lParam);
}

}  // namespace keystead::toolkit::win32
