#pragma once

#include <windows.h>
#include <oleacc.h>

#include <optional>
#include <string>

namespace orvell::win::test_support {

// What a screen reader asks a window's accessible object, answered as plain values.
class AccessibleProbe {
public:
    explicit AccessibleProbe(HWND window) {
        if (FAILED(::AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                                reinterpret_cast<void**>(&m_object)))) {
            m_object = nullptr;
        }
        m_self.vt = VT_I4;
        m_self.lVal = CHILDID_SELF;
    }
    ~AccessibleProbe() {
        if (m_object != nullptr) {
            m_object->Release();
        }
    }
    AccessibleProbe(const AccessibleProbe&) = delete;
    AccessibleProbe& operator=(const AccessibleProbe&) = delete;

    explicit operator bool() const { return m_object != nullptr; }
    // -1 when the object does not answer.
    LONG Role() const {
        VARIANT role{};
        return SUCCEEDED(m_object->get_accRole(m_self, &role)) ? role.lVal : -1;
    }
    std::optional<LONG> State() const {
        VARIANT state{};
        if (FAILED(m_object->get_accState(m_self, &state))) {
            return std::nullopt;
        }
        return state.lVal;
    }
    std::wstring Name() const { return Text(&IAccessible::get_accName); }
    std::wstring DefaultAction() const { return Text(&IAccessible::get_accDefaultAction); }
    std::wstring Shortcut() const { return Text(&IAccessible::get_accKeyboardShortcut); }
    HRESULT DoDefaultAction() const { return m_object->accDoDefaultAction(m_self); }

private:
    std::wstring Text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) const {
        BSTR text = nullptr;
        (m_object->*get)(m_self, &text);
        const std::wstring copy = text != nullptr ? text : L"(none)";
        ::SysFreeString(text);
        return copy;
    }

    IAccessible* m_object = nullptr;
    VARIANT m_self{};
};

}  // namespace orvell::win::test_support
