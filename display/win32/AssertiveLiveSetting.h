#pragma once

#include <windows.h>

#include <objbase.h>
#include <oleacc.h>

#include <memory>

#include "toolkit/win32/Handles.h"

namespace keystead::display::win32 {

// Marks a window as an assertive live region for as long as this object lives, so that a
// screen reader reads its text out at once, cutting in, when the window raises
// EVENT_OBJECT_LIVEREGIONCHANGED. Made only while a screen reader runs: ole32 is loaded and
// COM initialised on this thread for its life alone, and everything goes with it (the
// property cleared first), so that a program idling without a screen reader maps no COM.
class AssertiveLiveSetting {
public:
    explicit AssertiveLiveSetting(HWND window);
    AssertiveLiveSetting(const AssertiveLiveSetting&) = delete;
    AssertiveLiveSetting& operator=(const AssertiveLiveSetting&) = delete;
    ~AssertiveLiveSetting();

    HWND Window() const { return window_; }
    // What setting the property answered: S_OK, or why the window stays without it (no ole32,
    // no annotation service, or one that does not take the property).
    HRESULT Result() const { return result_; }

private:
    // COM on this thread, uninitialised once for each successful initialisation.
    class Apartment {
    public:
        explicit Apartment(HMODULE ole32);
        Apartment(const Apartment&) = delete;
        Apartment& operator=(const Apartment&) = delete;
        ~Apartment();
        HRESULT Result() const { return result_; }

    private:
        decltype(&CoUninitialize) uninitialize_ = nullptr;
        HRESULT result_ = E_NOINTERFACE;
    };
    struct Releaser {
        void operator()(IUnknown* object) const { object->Release(); }
    };

    HWND window_;
    // Declared in the order they are needed: they go in reverse.
    toolkit::win32::UniqueLibrary ole32_;
    Apartment apartment_;
    std::unique_ptr<IAccPropServices, Releaser> services_;
    HRESULT result_ = E_NOINTERFACE;
};

}  // namespace keystead::display::win32
