#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvell::skin {

// How the dispatcher treats a window's own procedure for the message a client is handling.
enum EMsgResponse : int {
    mrConsume = 0,    // the window's procedure never sees the message; the client's result stands
    mrAfterOld = 1,   // the window's procedure runs after the clients; its result stands
    mrBeforeOld = 2,  // the window's procedure runs before the clients; the last client's result stands
};

// What the frame-skinning layer reports; the error number is 0x80040000 plus the code.
enum class SkinError : int {
    kCantSubclass = 13081,
    kAlreadyHandled = 13082,
    kInvalidWindow = 13083,
    kExternalWindow = 13084,
    kTooManyTimers = 13651,
    kCantCreateTimer = 13652,
};
std::uint32_t ErrorNumber(SkinError code);
std::wstring_view ErrorDescription(SkinError code);

// The dispatcher keeps its state in the window's own property list, under names built from the
// window handle H and the message number M in decimal:
//   H            the window's procedure from before the first client
//   H "C"        client registrations on the window, over all its messages
//   "C" M "#" H  clients of message M
//   i "#" M "#" H   the i-th client of message M (from 1, in order of attachment)
std::wstring OldProcName(std::int64_t window);
std::wstring WindowCountName(std::int64_t window);
std::wstring MessageCountName(std::uint32_t message, std::int64_t window);
std::wstring ClientName(int index, std::uint32_t message, std::int64_t window);
// True for any name of the four kinds above that belongs to window.
bool IsDispatcherProperty(std::wstring_view name, std::int64_t window);

// One window's property list, and the swap of its procedure, as the attach and detach rules use them.
// A missing property reads 0.
class SubclassStore {
public:
    virtual ~SubclassStore() = default;
    virtual std::intptr_t Get(const std::wstring& name) const = 0;
    virtual void Set(const std::wstring& name, std::intptr_t value) = 0;
    virtual void Remove(const std::wstring& name) = 0;
    // Puts the dispatcher's procedure in; the previous procedure, or 0 when the window refuses.
    virtual std::intptr_t Subclass() = 0;
    // Puts oldProcedure back, but only while the dispatcher's procedure is the window's: when another
    // subclass came after it, writing the old one back would cut that one out, so the chain stays as
    // it is and the dispatcher, without clients, passes every message on. True when put back.
    virtual bool Unsubclass(std::intptr_t oldProcedure) = 0;
};

// Adds client (non-zero) to the message's list. A client already on that list is refused
// (kAlreadyHandled) before anything changes, so a refused attach leaves no registration to undo. A
// window whose dispatcher stayed in its chain (see Unsubclass) is not subclassed a second time.
std::optional<SkinError> AttachClient(SubclassStore& store, std::int64_t window, std::uint32_t message,
                                      std::intptr_t client);
// Takes client off the message's list, closing the gap; the last registration of the window puts its
// procedure back. A client that is not on the list changes nothing. Counts that reach 0 are removed, so
// a window without clients carries none of the dispatcher's properties, except the old procedure while
// the dispatcher has to stay in the window's chain.
void DetachClient(SubclassStore& store, std::int64_t window, std::uint32_t message, std::intptr_t client);
// The message's clients in order of attachment.
std::vector<std::intptr_t> ClientsOf(const SubclassStore& store, std::int64_t window, std::uint32_t message);

// The steps of dispatching one message to its clients.
class DispatchSteps {
public:
    virtual ~DispatchSteps() = default;
    // The message's clients in order of attachment, as the dispatch begins; 0 for an empty place.
    virtual std::vector<std::intptr_t> Clients() = 0;
    // Whether the client is still attached to the message: a client may detach itself or others (or be
    // destroyed, which detaches it) while it handles the message.
    virtual bool StillAttached(std::intptr_t client) = 0;
    virtual EMsgResponse Response(std::intptr_t client) = 0;
    virtual std::intptr_t CallClient(std::intptr_t client) = 0;
    virtual std::intptr_t CallOld() = 0;
};
// Runs the clients attached when the message came, in order of attachment, each only while it is still
// attached. The first alone decides whether the window's procedure runs before them, the last alone
// whether it runs after them; both are asked before any client runs, so a client that goes away meanwhile
// is never asked. The window's procedure runs at most once (an empty place runs it in the client's
// stead). Without clients the window's procedure decides.
std::intptr_t RunDispatch(DispatchSteps& steps);

// Whether the keyboard hook offers a key to the active skinned frame: a key going down with Alt held
// (bit 29 of the key data), not Alt itself, Ctrl not held, and none of F1 to F12, Escape and Delete.
bool OffersAltKey(int hookCode, int virtualKey, std::uint32_t keyData, bool ctrlDown);

}  // namespace orvell::skin
