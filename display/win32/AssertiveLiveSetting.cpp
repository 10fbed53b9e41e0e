#include "display/win32/AssertiveLiveSetting.h"

#include "toolkit/win32/Library.h"

namespace keystead::display::win32 {

namespace {

using toolkit::win32::LibraryFunction;

// The annotation service of Active Accessibility (oleacc), which COM loads for us; the
// headers declare no __uuidof for it.
constexpr CLSID kAccPropServices = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID kAccPropServicesInterface = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
// UI Automation's live setting, as an annotated property; older headers lack both.
constexpr MSAAPROPID kLiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kAssertive = 2;

}  // namespace

AssertiveLiveSetting::Apartment::Apartment(HMODULE ole32) {
    const auto initialize = LibraryFunction<decltype(&CoInitializeEx)>(ole32, "CoInitializeEx");
    uninitialize_ = LibraryFunction<decltype(&CoUninitialize)>(ole32, "CoUninitialize");
    if (initialize != nullptr && uninitialize_ != nullptr) {
        // S_FALSE (already initialised) needs its CoUninitialize too; RPC_E_CHANGED_MODE
        // (another model already) does not, and COM still serves us in that model.
        result_ = initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    }
}

AssertiveLiveSetting::Apartment::~Apartment() {
    if (SUCCEEDED(result_)) {
        uninitialize_();
    }
}

AssertiveLiveSetting::AssertiveLiveSetting(HWND window)
    : window_(window),
      ole32_(toolkit::win32::LoadSystemLibrary(L"ole32.dll")),
      apartment_(ole32_.get()) {
    const auto create =
        LibraryFunction<decltype(&CoCreateInstance)>(ole32_.get(), "CoCreateInstance");
    if (create == nullptr ||
        (FAILED(apartment_.Result()) && apartment_.Result() != RPC_E_CHANGED_MODE)) {
        return;
    }
    IAccPropServices* services = nullptr;
    result_ = create(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER, kAccPropServicesInterface,
                     reinterpret_cast<void**>(&services));
    if (FAILED(result_) || services == nullptr) {
        return;
    }
    services_.reset(services);
    VARIANT assertive{};
    assertive.vt = VT_I4;
    assertive.lVal = kAssertive;
    result_ = services_->SetHwndProp(window_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                     kLiveSettingProperty, assertive);
}

// Before the window goes, as the annotation service asks: it would otherwise keep the
// property after the window.
AssertiveLiveSetting::~AssertiveLiveSetting() {
    if (services_ && SUCCEEDED(result_)) {
        services_->ClearHwndProps(window_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                  &kLiveSettingProperty, 1);
    }
}

}  // namespace keystead::display::win32
