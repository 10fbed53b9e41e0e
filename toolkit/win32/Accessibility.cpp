#include "toolkit/win32/Accessibility.h"

#include <oleacc.h>

#include <string>

#include "toolkit/win32/CommonControls.h"
#include "toolkit/win32/Library.h"
#include "toolkit/win32/Text.h"

namespace keystead::toolkit::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 0x4E41;  // "NA"
// Asks a named control for its name, within the process.
constexpr UINT kNameQuery = WM_APP + 0x41;

// The standard accessible object of a control with another name; everything else is the
// standard object's.
class NamedAccessible final : public IAccessible {
public:
    NamedAccessible(IAccessible* standard, std::wstring name)
        : standard_(standard), name_(std::move(name)) {}
    NamedAccessible(const NamedAccessible&) = delete;
    NamedAccessible& operator=(const NamedAccessible&) = delete;

    // IUnknown: our own identity for the accessible interfaces, the standard object's for
    // the others it offers (IEnumVARIANT, IOleWindow).
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
            IsEqualIID(iid, __uuidof(IAccessible))) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        return standard_->QueryInterface(iid, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            standard_->Release();
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (child.vt != VT_I4 || child.lVal != CHILDID_SELF || name == nullptr) {
            return standard_->get_accName(child, name);
        }
        *name = allocString_ != nullptr ? allocString_(name_.c_str()) : nullptr;
        return *name != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    // IDispatch and the rest of IAccessible: the standard object's.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argument) override {
        return standard_->Invoke(id, iid, locale, flags, params, result, exception, argument);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        return standard_->get_accKeyboardShortcut(child, keys);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return standard_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
        return standard_->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

    using AllocStringFn = BSTR(WINAPI*)(const OLECHAR*);
    static inline AllocStringFn allocString_ = nullptr;

private:
    ~NamedAccessible() = default;

    IAccessible* standard_;
    std::wstring name_;
    LONG references_ = 1;
};

// oleacc and COM, loaded at the first request of a screen reader and kept from then on.
struct ScreenReaderSupport {
    decltype(&CreateStdAccessibleObject) createStandard = nullptr;
    decltype(&LresultFromObject) lresultFromObject = nullptr;

    ScreenReaderSupport() {
        // The object handed to another process goes through COM, on this thread.
        if (const auto initialize =
                SystemLibraryFunction<decltype(&CoInitializeEx)>(L"ole32.dll", "CoInitializeEx")) {
            initialize(nullptr, COINIT_APARTMENTTHREADED);
        }
        NamedAccessible::allocString_ = SystemLibraryFunction<NamedAccessible::AllocStringFn>(
            L"oleaut32.dll", "SysAllocString");
        createStandard = SystemLibraryFunction<decltype(&CreateStdAccessibleObject)>(
            L"oleacc.dll", "CreateStdAccessibleObject");
        lresultFromObject =
            SystemLibraryFunction<decltype(&LresultFromObject)>(L"oleacc.dll", "LresultFromObject");
    }
};

// The answer to WM_GETOBJECT for the control's client area; 0 lets the system answer.
LRESULT AnswerWithName(HWND control, WPARAM wParam, const char* name) {
    static const ScreenReaderSupport support;
    if (support.createStandard == nullptr || support.lresultFromObject == nullptr ||
        NamedAccessible::allocString_ == nullptr) {
        return 0;
    }
    IAccessible* standard = nullptr;
    if (FAILED(support.createStandard(control, OBJID_CLIENT, __uuidof(IAccessible),
                                      reinterpret_cast<void**>(&standard))) ||
        standard == nullptr) {
        return 0;
    }
    auto* named = new NamedAccessible(standard, Widen(name));
    const LRESULT result = support.lresultFromObject(__uuidof(IAccessible), wParam, named);
    named->Release();  // the result holds its own reference
    return result;
}

LRESULT CALLBACK NamedControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR /*id*/, DWORD_PTR data) {
    if (message == WM_NCDESTROY) {
        RemoveSubclass(hwnd, &NamedControlProc, kSubclassId);
    } else if (message == kNameQuery) {
        return static_cast<LRESULT>(data);
    } else if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        if (const LRESULT answer =
                AnswerWithName(hwnd, wParam, reinterpret_cast<const char*>(data))) {
            return answer;
        }
    }
    return DefSubclass(hwnd, message, wParam, lParam);
}

}  // namespace

void NameForScreenReaders(HWND control, const char* name) {
    SetSubclass(control, &NamedControlProc, kSubclassId, reinterpret_cast<DWORD_PTR>(name));
}

const char* ScreenReaderName(HWND control) {
    return reinterpret_cast<const char*>(SendMessageW(control, kNameQuery, 0, 0));
}

}  // namespace keystead::toolkit::win32
