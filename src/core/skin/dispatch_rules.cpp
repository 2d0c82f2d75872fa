#include "skin/dispatch_rules.h"

#include <algorithm>

namespace orvell::skin {

std::uint32_t ErrorNumber(SkinError code) {
    return 0x80040000u + static_cast<std::uint32_t>(code);
}

std::wstring_view ErrorDescription(SkinError code) {
    switch (code) {
        case SkinError::kCantSubclass:
            return L"Can't subclass window";
        case SkinError::kAlreadyHandled:
            return L"Message already handled by another class";
        case SkinError::kInvalidWindow:
            return L"Invalid window";
        case SkinError::kExternalWindow:
            return L"Can't modify external window";
        case SkinError::kTooManyTimers:
            // The limit is a hundred timers for the whole program; the text is the one users have seen.
            return L"No more than 10 timers allowed per class";
        case SkinError::kCantCreateTimer:
            return L"Can't create system timer";
    }
    return L"";
}

namespace {

// Messages are 32-bit numbers in the names, as the window system's signed ones were.
std::wstring Decimal(std::uint32_t message) {
    return std::to_wstring(static_cast<std::int32_t>(message));
}

}  // namespace

std::wstring OldProcName(std::int64_t window) {
    return std::to_wstring(window);
}

std::wstring WindowCountName(std::int64_t window) {
    return std::to_wstring(window) + L"C";
}

std::wstring MessageCountName(std::uint32_t message, std::int64_t window) {
    return L"C" + Decimal(message) + L"#" + std::to_wstring(window);
}

std::wstring ClientName(int index, std::uint32_t message, std::int64_t window) {
    return std::to_wstring(index) + L"#" + Decimal(message) + L"#" + std::to_wstring(window);
}

namespace {

bool IsNumber(std::wstring_view text) {
    if (!text.empty() && text.front() == L'-') {
        text.remove_prefix(1);
    }
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

}  // namespace

bool IsDispatcherProperty(std::wstring_view name, std::int64_t window) {
    const std::wstring handle = std::to_wstring(window);
    if (name == handle || name == handle + L"C") {
        return true;
    }
    const std::wstring tail = L"#" + handle;
    if (name.size() <= tail.size() || name.substr(name.size() - tail.size()) != tail) {
        return false;
    }
    name.remove_suffix(tail.size());
    if (name.front() == L'C') {
        return IsNumber(name.substr(1));  // "C" M "#" H
    }
    const std::size_t hash = name.find(L'#');
    return hash != std::wstring_view::npos && IsNumber(name.substr(0, hash)) &&
           IsNumber(name.substr(hash + 1));  // i "#" M "#" H
}

namespace {

int Count(const SubclassStore& store, const std::wstring& name) {
    return static_cast<int>(store.Get(name));
}

// A count that reaches 0 leaves no property behind.
void SetCount(SubclassStore& store, const std::wstring& name, int count) {
    if (count > 0) {
        store.Set(name, count);
    } else {
        store.Remove(name);
    }
}

}  // namespace

std::optional<SkinError> AttachClient(SubclassStore& store, std::int64_t window, std::uint32_t message,
                                      std::intptr_t client) {
    const std::wstring countName = MessageCountName(message, window);
    const int count = Count(store, countName);
    for (int i = 1; i <= count; ++i) {
        if (store.Get(ClientName(i, message, window)) == client) {
            return SkinError::kAlreadyHandled;
        }
    }
    const std::wstring windowCountName = WindowCountName(window);
    const int registrations = Count(store, windowCountName);
    if (registrations > 0) {
        store.Set(windowCountName, registrations + 1);
    } else if (store.Get(OldProcName(window)) != 0) {
        store.Set(windowCountName, 1);  // the dispatcher is still in the window's chain
    } else {
        const std::intptr_t old = store.Subclass();
        if (old == 0) {
            return SkinError::kCantSubclass;
        }
        store.Set(OldProcName(window), old);
        store.Set(windowCountName, 1);
    }
    store.Set(countName, count + 1);
    store.Set(ClientName(count + 1, message, window), client);
    return std::nullopt;
}

void DetachClient(SubclassStore& store, std::int64_t window, std::uint32_t message, std::intptr_t client) {
    const std::wstring countName = MessageCountName(message, window);
    const int count = Count(store, countName);
    int found = 0;
    for (int i = 1; i <= count && found == 0; ++i) {
        if (store.Get(ClientName(i, message, window)) == client) {
            found = i;
        }
    }
    if (found == 0) {
        return;
    }
    for (int i = found; i < count; ++i) {
        store.Set(ClientName(i, message, window), store.Get(ClientName(i + 1, message, window)));
    }
    store.Remove(ClientName(count, message, window));
    SetCount(store, countName, count - 1);

    const std::wstring windowCountName = WindowCountName(window);
    const int registrations = Count(store, windowCountName);
    if (registrations <= 1) {
        if (store.Unsubclass(store.Get(OldProcName(window)))) {
            store.Remove(OldProcName(window));
        }
        store.Remove(windowCountName);
    } else {
        store.Set(windowCountName, registrations - 1);
    }
}

std::vector<std::intptr_t> ClientsOf(const SubclassStore& store, std::int64_t window, std::uint32_t message) {
    std::vector<std::intptr_t> clients;
    const int count = Count(store, MessageCountName(message, window));
    for (int i = 1; i <= count; ++i) {
        clients.push_back(store.Get(ClientName(i, message, window)));
    }
    return clients;
}

std::intptr_t RunDispatch(DispatchSteps& steps) {
    const std::vector<std::intptr_t> clients = steps.Clients();
    if (clients.empty()) {
        return steps.CallOld();
    }
    const bool before = clients.front() != 0 && steps.Response(clients.front()) == mrBeforeOld;
    const bool after = clients.back() != 0 && steps.Response(clients.back()) == mrAfterOld;
    std::intptr_t result = 0;
    bool oldRan = false;
    const auto runOld = [&] {
        if (!oldRan) {
            oldRan = true;
            result = steps.CallOld();
        }
    };
    if (before) {
        runOld();
    }
    for (const std::intptr_t client : clients) {
        if (client == 0) {
            runOld();
        } else if (steps.StillAttached(client)) {
            result = steps.CallClient(client);
        }
    }
    if (after) {
        runOld();
    }
    return result;
}

bool OffersAltKey(int hookCode, int virtualKey, std::uint32_t keyData, bool ctrlDown) {
    constexpr int kAlt = 0x12, kEscape = 0x1B, kDelete = 0x2E, kF1 = 0x70, kF12 = 0x7B;
    const bool altHeld = (keyData & (1u << 29)) != 0;
    const bool released = (keyData & (1u << 31)) != 0;
    const bool functionKey = virtualKey >= kF1 && virtualKey <= kF12;
    return hookCode == 0 && altHeld && !released && !ctrlDown && virtualKey > 0 && virtualKey != kAlt &&
           !functionKey && virtualKey != kEscape && virtualKey != kDelete;
}

}  // namespace orvell::skin
