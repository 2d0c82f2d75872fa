// The dispatcher's bookkeeping in a window's property list, its dispatch order and the keys the
// keyboard hook offers.
#include "skin/dispatch_rules.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace orvell::skin {
namespace {

class MapStore final : public SubclassStore {
public:
    std::intptr_t Get(const std::wstring& name) const override {
        const auto found = properties.find(name);
        return found == properties.end() ? 0 : found->second;
    }
    void Set(const std::wstring& name, std::intptr_t value) override { properties[name] = value; }
    void Remove(const std::wstring& name) override { properties.erase(name); }
    std::intptr_t Subclass() override { return refuse ? 0 : kOld; }
    bool Unsubclass(std::intptr_t old) override {
        if (!onTop) {
            return false;
        }
        restored.push_back(old);
        return true;
    }

    static constexpr std::intptr_t kOld = 0x4010;
    std::map<std::wstring, std::intptr_t> properties;
    bool refuse = false;
    bool onTop = true;  // false: another subclass came after the dispatcher
    std::vector<std::intptr_t> restored;
};

constexpr std::int64_t kWindow = -131074;  // handles may be negative numbers
constexpr std::uint32_t kPaint = 0x85, kHitTest = 0x84;
constexpr std::intptr_t kA = 0xA0, kB = 0xB0, kC = 0xC0;

TEST(DispatchRules, ClientsJoinInOrderAndTheLastDetachRestoresTheWindowAndLeavesNothing) {
    MapStore store;
    store.refuse = true;  // a window that refuses is left as it was and can be tried again
    EXPECT_EQ(AttachClient(store, kWindow, kPaint, kA), SkinError::kCantSubclass);
    EXPECT_TRUE(store.properties.empty());
    store.refuse = false;
    EXPECT_FALSE(AttachClient(store, kWindow, kPaint, kA));
    EXPECT_FALSE(AttachClient(store, kWindow, kPaint, kB));
    EXPECT_FALSE(AttachClient(store, kWindow, kHitTest, kA));
    EXPECT_EQ(store.Get(L"-131074"), MapStore::kOld);
    EXPECT_EQ(store.Get(L"-131074C"), 3);
    EXPECT_EQ(ClientsOf(store, kWindow, kPaint), (std::vector<std::intptr_t>{kA, kB}));

    // The same client twice on one message, and a detach of a client that is not there, change nothing.
    const auto before = store.properties;
    EXPECT_EQ(AttachClient(store, kWindow, kPaint, kB), SkinError::kAlreadyHandled);
    DetachClient(store, kWindow, kPaint, kC);
    EXPECT_EQ(store.properties, before);

    DetachClient(store, kWindow, kPaint, kA);  // the gap closes
    EXPECT_EQ(ClientsOf(store, kWindow, kPaint), (std::vector<std::intptr_t>{kB}));
    DetachClient(store, kWindow, kPaint, kB);
    EXPECT_TRUE(store.restored.empty());
    DetachClient(store, kWindow, kHitTest, kA);
    EXPECT_EQ(store.restored, (std::vector<std::intptr_t>{MapStore::kOld}));
    EXPECT_TRUE(store.properties.empty());
}

TEST(DispatchRules, ASubclassAfterTheDispatcherKeepsItInTheChainAndItIsNotInstalledTwice) {
    MapStore store;
    EXPECT_FALSE(AttachClient(store, kWindow, kPaint, kA));
    store.onTop = false;
    DetachClient(store, kWindow, kPaint, kA);
    EXPECT_TRUE(store.restored.empty());
    // Only the old procedure stays, for the dispatcher still called by the later subclass.
    EXPECT_EQ(store.properties, (std::map<std::wstring, std::intptr_t>{{L"-131074", MapStore::kOld}}));
    store.refuse = true;  // a second subclassing would fail, and must not be tried
    EXPECT_FALSE(AttachClient(store, kWindow, kHitTest, kB));
    EXPECT_EQ(store.Get(L"-131074C"), 1);
    store.onTop = true;
    DetachClient(store, kWindow, kHitTest, kB);
    EXPECT_EQ(store.restored, (std::vector<std::intptr_t>{MapStore::kOld}));
    EXPECT_TRUE(store.properties.empty());
}

// Clients answer MsgResponse from a script (a negative answer marks an empty place); the log shows
// who ran in which order. A client named in detaches detaches the one given when it runs.
class ScriptedDispatch final : public DispatchSteps {
public:
    ScriptedDispatch(std::vector<int> responses, std::map<std::intptr_t, std::intptr_t> detaches)
        : m_responses(std::move(responses)), m_detaches(std::move(detaches)) {}

    std::vector<std::intptr_t> Clients() override {
        std::vector<std::intptr_t> clients;
        for (std::size_t i = 0; i < m_responses.size(); ++i) {
            clients.push_back(m_responses[i] < 0 ? 0 : static_cast<std::intptr_t>(i) + 1);
        }
        return clients;
    }
    bool StillAttached(std::intptr_t client) override { return m_gone.count(client) == 0; }
    EMsgResponse Response(std::intptr_t client) override {
        if (m_gone.count(client) != 0) {
            log += '!';  // asked after it went
        }
        return EMsgResponse(m_responses[client - 1]);
    }
    std::intptr_t CallClient(std::intptr_t client) override {
        log += static_cast<char>('A' + client - 1);
        if (const auto found = m_detaches.find(client); found != m_detaches.end()) {
            m_gone.insert(found->second);
        }
        return client;
    }
    std::intptr_t CallOld() override {
        log += 'o';
        return 100;
    }
    std::string log;

private:
    std::vector<int> m_responses;
    std::map<std::intptr_t, std::intptr_t> m_detaches;
    std::set<std::intptr_t> m_gone;
};

TEST(DispatchRules, TheFirstClientDecidesBeforeAndTheLastDecidesAfterAsTheDispatchBegins) {
    const struct {
        std::vector<int> responses;
        std::map<std::intptr_t, std::intptr_t> detaches;
        const char* log;
        std::intptr_t result;
    } cases[] = {
        {{}, {}, "o", 100},
        {{mrBeforeOld, mrAfterOld}, {}, "oAB", 2},  // the old procedure runs once, the last client's result
        {{mrAfterOld}, {}, "Ao", 100},
        {{mrConsume}, {}, "A", 1},
        {{mrAfterOld, mrConsume}, {}, "AB", 2},   // only the last may ask for "after"
        {{mrConsume, mrBeforeOld}, {}, "AB", 2},  // only the first may ask for "before"
        {{mrConsume, -1}, {}, "Ao", 100},         // an empty place runs the old procedure instead
        {{-1, mrConsume, -1}, {}, "oB", 2},       // ...once
        // A client that detaches itself: the next still runs, the old procedure runs once.
        {{mrConsume, mrConsume, mrAfterOld}, {{1, 1}}, "ABCo", 100},
        {{mrAfterOld}, {{1, 1}}, "Ao", 100},
        // One that detaches a later client: that one neither runs nor is asked.
        {{mrConsume, mrConsume, mrAfterOld}, {{1, 3}}, "ABo", 100},
    };
    for (const auto& c : cases) {
        ScriptedDispatch dispatch(c.responses, c.detaches);
        EXPECT_EQ(RunDispatch(dispatch), c.result) << c.log;
        EXPECT_EQ(dispatch.log, c.log);
    }
}

TEST(DispatchRules, OnlyAltWithAPlainKeyGoingDownIsOffered) {
    constexpr std::uint32_t kAlt = 1u << 29, kUp = 1u << 31;
    EXPECT_TRUE(OffersAltKey(0, 'F', kAlt, false));
    EXPECT_TRUE(OffersAltKey(0, 0x7C, kAlt | 1, false));  // F13 is not one of the excluded keys
    // Alt alone, Alt+F1, Alt+F4, Alt+F12, Alt+Esc, Alt+Delete, no key.
    for (const int key : {0x12, 0x70, 0x73, 0x7B, 0x1B, 0x2E, 0}) {
        EXPECT_FALSE(OffersAltKey(0, key, kAlt, false)) << key;
    }
    EXPECT_FALSE(OffersAltKey(0, 'F', 0, false));           // no Alt
    EXPECT_FALSE(OffersAltKey(0, 'F', kAlt | kUp, false));  // key up
    EXPECT_FALSE(OffersAltKey(0, 'F', kAlt, true));         // Ctrl+Alt+key
    EXPECT_FALSE(OffersAltKey(3, 'F', kAlt, false));        // HC_NOREMOVE: only a peek
}

}  // namespace
}  // namespace orvell::skin
