// A DLL that lies beside the test program and nowhere in the system folder, as a planted one
// would lie beside Keystead.exe in a Downloads folder.
#include <windows.h>

extern "C" __declspec(dllexport) int Planted() {
    return 42;
}
