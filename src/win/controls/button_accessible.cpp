#include "controls/button_accessible.h"

#include <oleacc.h>

#include <atomic>
#include <new>
#include <string>

#include "platform/system_library.h"

namespace orvell::win {

namespace {

// The few calls of oleacc, ole32 and oleaut32 the object needs, loaded from the system folder.
struct SystemCalls {
    decltype(&::CreateStdAccessibleObject) createStandard = nullptr;
    decltype(&::LresultFromObject) lresultFromObject = nullptr;
    decltype(&::CoInitializeEx) initializeCom = nullptr;
    decltype(&::SysAllocString) allocString = nullptr;
};

const SystemCalls& Calls() {
    static const SystemCalls calls{
        SystemFunction<decltype(&::CreateStdAccessibleObject)>(L"oleacc.dll", "CreateStdAccessibleObject"),
        SystemFunction<decltype(&::LresultFromObject)>(L"oleacc.dll", "LresultFromObject"),
        SystemFunction<decltype(&::CoInitializeEx)>(L"ole32.dll", "CoInitializeEx"),
        SystemFunction<decltype(&::SysAllocString)>(L"oleaut32.dll", "SysAllocString")};
    return calls;
}

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

class Accessible final : public IAccessible {
public:
    // Takes over the reference to the standard object.
    Accessible(HWND window, ButtonKind kind, IAccessible* standard)
        : m_window(window), m_kind(kind), m_standard(standard) {}
    Accessible(const Accessible&) = delete;
    Accessible& operator=(const Accessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (iid != __uuidof(IUnknown) && iid != __uuidof(IDispatch) && iid != __uuidof(IAccessible)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --m_references;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    // Clients call the methods directly; there is no type library to describe them by name.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count == nullptr) {
            return E_POINTER;
        }
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // What a push button or check box has and a client area has not.
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (role == nullptr) {
            return E_POINTER;
        }
        if (!IsSelf(child)) {
            return E_INVALIDARG;
        }
        role->vt = VT_I4;
        role->lVal = m_kind == ButtonKind::PushButton ? ROLE_SYSTEM_PUSHBUTTON : ROLE_SYSTEM_CHECKBUTTON;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        const HRESULT result = m_standard->get_accState(child, state);
        if (FAILED(result) || !IsSelf(child) || state->vt != VT_I4) {
            return result;
        }
        if (m_kind == ButtonKind::PushButton) {
            if ((::SendMessageW(m_window, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0) {
                state->lVal |= STATE_SYSTEM_PRESSED;
            }
            return result;
        }
        const LRESULT value = ::SendMessageW(m_window, BM_GETCHECK, 0, 0);
        if (value == BST_CHECKED) {
            state->lVal |= STATE_SYSTEM_CHECKED;
        } else if (value == BST_INDETERMINATE) {
            state->lVal |= STATE_SYSTEM_MIXED;
        }
        return result;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        if (action == nullptr) {
            return E_POINTER;
        }
        *action = nullptr;
        if (!IsSelf(child)) {
            return E_INVALIDARG;
        }
        // A click checks an unchecked box and unchecks a checked or grey one.
        const wchar_t* name = m_kind == ButtonKind::PushButton                               ? L"Press"
                              : ::SendMessageW(m_window, BM_GETCHECK, 0, 0) == BST_UNCHECKED ? L"Check"
                                                                                             : L"Uncheck";
        *action = Calls().allocString(name);
        return *action != nullptr ? S_OK : E_OUTOFMEMORY;
    }
    // Posted: a click (or the host's handler of a change) may open a modal window, and the client must
    // not wait for it to close.
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (!IsSelf(child)) {
            return E_INVALIDARG;
        }
        return ::PostMessageW(m_window, BM_CLICK, 0, 0) != 0 ? S_OK : E_FAIL;
    }

    // The rest is the window's standard object.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return m_standard->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return m_standard->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return m_standard->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return m_standard->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return m_standard->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return m_standard->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return m_standard->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return m_standard->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return m_standard->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return m_standard->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return m_standard->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return m_standard->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return m_standard->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return m_standard->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return m_standard->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return m_standard->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return m_standard->put_accValue(child, value);
    }

private:
    ~Accessible() { m_standard->Release(); }

    HWND m_window;
    ButtonKind m_kind;
    IAccessible* m_standard;
    std::atomic<ULONG> m_references{1};
};

}  // namespace

LRESULT AnswerButtonGetObject(HWND window, ButtonKind kind, WPARAM wParam, LPARAM lParam) {
    // The object id arrives as a 32-bit value in a wider parameter.
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) {
        return 0;
    }
    const SystemCalls& calls = Calls();
    if (calls.createStandard == nullptr || calls.lresultFromObject == nullptr ||
        calls.initializeCom == nullptr || calls.allocString == nullptr) {
        return 0;
    }
    // Handing the object over needs COM on this thread, in the window thread's own apartment. It is
    // entered once and stays for the rest of the run: clients may hold objects as long as they like.
    thread_local const HRESULT com = calls.initializeCom(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(com) && com != RPC_E_CHANGED_MODE) {
        return 0;
    }
    IAccessible* standard = nullptr;
    if (FAILED(calls.createStandard(window, OBJID_CLIENT, __uuidof(IAccessible),
                                    reinterpret_cast<void**>(&standard))) ||
        standard == nullptr) {
        return 0;
    }
    auto* accessible = new (std::nothrow) Accessible(window, kind, standard);
    if (accessible == nullptr) {
        standard->Release();
        return 0;
    }
    const LRESULT result = calls.lresultFromObject(__uuidof(IAccessible), wParam, accessible);
    accessible->Release();  // LresultFromObject keeps its own reference while the client takes it
    return result > 0 ? result : 0;
}

}  // namespace orvell::win
