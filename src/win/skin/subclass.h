#pragma once

#include <windows.h>

#include <cstdint>
#include <stdexcept>
#include <string>

#include "skin/dispatch_rules.h"

namespace orvell::win {

using skin::EMsgResponse;
using skin::mrAfterOld;
using skin::mrBeforeOld;
using skin::mrConsume;

// What the frame-skinning layer throws: number 0x80040000 plus the code, the source "<program
// name>.WindowProc" and a fixed English description (also what()).
class SubclassError : public std::runtime_error {
public:
    explicit SubclassError(skin::SkinError code);

    skin::SkinError Code() const noexcept { return m_code; }
    std::uint32_t Number() const noexcept { return skin::ErrorNumber(m_code); }
    const std::wstring& Source() const noexcept { return m_source; }
    std::wstring Description() const { return std::wstring(skin::ErrorDescription(m_code)); }

private:
    skin::SkinError m_code;
    std::wstring m_source;
};

// A client of the message dispatcher. MsgResponse is asked while a message is being dispatched
// (CurrentMessage tells which); WindowProc gets every message the client attached to.
class ISubclass {
public:
    virtual ~ISubclass() = default;
    virtual EMsgResponse MsgResponse() = 0;
    virtual LRESULT WindowProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) = 0;
};

// Attaches iwp to message iMsg of window hWnd, a window of this program. Throws SubclassError:
// 13083 not a window, 13084 another program's window, 13081 the window's procedure cannot be replaced,
// 13082 iwp already has that message of that window (nothing changes then). The client is not owned:
// it must detach before it dies (the dispatcher forgets a destroyed window's clients by itself).
void AttachMessage(ISubclass* iwp, HWND hWnd, UINT iMsg);
// Detaching what was never attached does nothing. The last detach of a window puts its own procedure
// back and leaves none of the dispatcher's properties on it.
void DetachMessage(ISubclass* iwp, HWND hWnd, UINT iMsg) noexcept;
// The message being dispatched; meaningful inside a client's MsgResponse and WindowProc.
UINT CurrentMessage() noexcept;
// The procedure the window being dispatched had before the dispatcher; for a client's WindowProc.
LRESULT CallOldWindowProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam);

// A skinned frame that wants the Alt+key presses of its thread while it is active. OnAltKey returns
// non-zero when the key is the frame's; it then goes no further. It runs inside the hook, so it only
// decides: whatever the key does (a click, a menu's loop, closing the window) the frame posts to its
// window, where it may run modal loops and destroy windows, the hook among them.
class IKeyboardClient {
public:
    virtual ~IKeyboardClient() = default;
    virtual bool WindowActive() const = 0;
    virtual LRESULT OnAltKey(int vKey) = 0;
};
// Installs the thread's keyboard hook with the first client; a client is listed once.
void RegisterKeyboardClient(IKeyboardClient* frame);
// Removes the hook with the last client.
void UnregisterKeyboardClient(IKeyboardClient* frame) noexcept;

// Whatever runs a popup menu loop and wants its input: true when the message is consumed.
class IMenuTracker {
public:
    virtual ~IMenuTracker() = default;
    virtual bool MenuInput(const MSG& message) = 0;
};
// Hooks the thread's menu loops for tracker (replacing any earlier filter) until RemoveMenuFilter.
void InstallMenuFilter(IMenuTracker* tracker);
void RemoveMenuFilter() noexcept;

}  // namespace orvell::win
