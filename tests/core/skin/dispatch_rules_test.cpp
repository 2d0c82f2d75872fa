// The dispatcher's bookkeeping in a window's property list, its dispatch order and the keys the
// keyboard hook offers.
#include "skin/dispatch_rules.h"

#include <gtest/gtest.h>

#include <map>
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
    std::intptr_t Subclass() override {
        ++subclassed;
        return refuse ? 0 : kOld;
    }
    void Unsubclass(std::intptr_t old) override { restored.push_back(old); }

    static constexpr std::intptr_t kOld = 0x4010;
    std::map<std::wstring, std::intptr_t> properties;
    bool refuse = false;
    int subclassed = 0;
    std::vector<std::intptr_t> restored;
};

constexpr std::int64_t kWindow = -131074;  // handles may be negative numbers
constexpr std::uint32_t kPaint = 0x85, kHitTest = 0x84;
constexpr std::intptr_t kA = 0xA0, kB = 0xB0, kC = 0xC0;

TEST(DispatchRules, PropertyNamesAreDecimalAndOnlyTheWindowsOwnAreRecognised) {
    EXPECT_EQ(OldProcName(kWindow), L"-131074");
    EXPECT_EQ(WindowCountName(kWindow), L"-131074C");
    EXPECT_EQ(MessageCountName(kPaint, kWindow), L"C133#-131074");
    EXPECT_EQ(ClientName(12, 0xC001, 66), L"12#49153#66");
    const struct {
        const wchar_t* name;
        bool ours;
    } cases[] = {{L"-131074", true},        {L"-131074C", true},   {L"C133#-131074", true},
                 {L"3#133#-131074", true},  {L"131074", false},    {L"3#133#-1310745", false},
                 {L"x#133#-131074", false}, {L"C#-131074", false}, {L"QuenCNCImplementation", false}};
    for (const auto& c : cases) {
        EXPECT_EQ(IsDispatcherProperty(c.name, kWindow), c.ours) << c.name;
    }
}

TEST(DispatchRules, ClientsJoinInOrderAndTheLastDetachRestoresTheWindowAndLeavesNothing) {
    MapStore store;
    EXPECT_FALSE(AttachClient(store, kWindow, kPaint, kA));
    EXPECT_FALSE(AttachClient(store, kWindow, kPaint, kB));
    EXPECT_FALSE(AttachClient(store, kWindow, kHitTest, kA));
    EXPECT_EQ(store.subclassed, 1);
    EXPECT_EQ(store.Get(OldProcName(kWindow)), MapStore::kOld);
    EXPECT_EQ(store.Get(WindowCountName(kWindow)), 3);
    EXPECT_EQ(ClientsOf(store, kWindow, kPaint), (std::vector<std::intptr_t>{kA, kB}));

    // The same client twice on one message is refused with nothing changed.
    const auto before = store.properties;
    EXPECT_EQ(AttachClient(store, kWindow, kPaint, kB), SkinError::kAlreadyHandled);
    EXPECT_EQ(store.properties, before);
    // A client that is not attached detaches nothing.
    DetachClient(store, kWindow, kPaint, kC);
    EXPECT_EQ(store.properties, before);

    DetachClient(store, kWindow, kPaint, kA);  // the gap closes
    EXPECT_EQ(ClientsOf(store, kWindow, kPaint), (std::vector<std::intptr_t>{kB}));
    EXPECT_EQ(store.Get(ClientName(2, kPaint, kWindow)), 0);
    DetachClient(store, kWindow, kPaint, kB);
    EXPECT_TRUE(store.restored.empty());
    DetachClient(store, kWindow, kHitTest, kA);
    EXPECT_EQ(store.restored, (std::vector<std::intptr_t>{MapStore::kOld}));
    EXPECT_TRUE(store.properties.empty());
}

TEST(DispatchRules, AWindowThatRefusesTheDispatcherIsLeftAsItWasAndCanBeTriedAgain) {
    MapStore store;
    store.refuse = true;
    EXPECT_EQ(AttachClient(store, kWindow, kPaint, kA), SkinError::kCantSubclass);
    EXPECT_TRUE(store.properties.empty());
    store.refuse = false;
    EXPECT_FALSE(AttachClient(store, kWindow, kPaint, kA));
    EXPECT_EQ(store.Get(WindowCountName(kWindow)), 1);
}

// Clients answer MsgResponse from a script; the log shows who ran in which order.
class ScriptedDispatch final : public DispatchSteps {
public:
    explicit ScriptedDispatch(std::vector<int> responses) : m_responses(std::move(responses)) {}

    std::intptr_t Client(int index) override {
        return m_responses[index - 1] < 0 ? 0 : index;  // a negative response marks an empty place
    }
    EMsgResponse Response(std::intptr_t client) override {
        return static_cast<EMsgResponse>(m_responses[client - 1]);
    }
    std::intptr_t CallClient(std::intptr_t client) override {
        log += static_cast<char>('A' + client - 1);
        return client;
    }
    std::intptr_t CallOld() override {
        log += 'o';
        return 100;
    }
    std::string log;

private:
    std::vector<int> m_responses;
};

TEST(DispatchRules, TheFirstClientDecidesBeforeAndTheLastDecidesAfter) {
    const struct {
        std::vector<int> responses;
        const char* log;
        std::intptr_t result;
    } cases[] = {
        {{}, "o", 100},
        {{mrBeforeOld, mrAfterOld}, "oAB", 2},  // the old procedure runs once, the last client's result
        {{mrAfterOld}, "Ao", 100},
        {{mrConsume}, "A", 1},
        {{mrBeforeOld}, "oA", 1},
        {{mrAfterOld, mrConsume}, "AB", 2},   // only the last may ask for "after"
        {{mrConsume, mrBeforeOld}, "AB", 2},  // only the first may ask for "before"
        {{mrConsume, mrAfterOld, mrAfterOld}, "ABCo", 100},
        {{mrConsume, -1}, "Ao", 100},  // an empty place runs the old procedure instead
    };
    for (const auto& c : cases) {
        ScriptedDispatch dispatch(c.responses);
        EXPECT_EQ(RunDispatch(static_cast<int>(c.responses.size()), dispatch), c.result) << c.log;
        EXPECT_EQ(dispatch.log, c.log);
    }
}

TEST(DispatchRules, OnlyAltWithAPlainKeyGoingDownIsOffered) {
    constexpr std::uint32_t kAlt = 1u << 29, kUp = 1u << 31;
    const struct {
        int code;
        int key;
        std::uint32_t data;
        bool ctrl;
        bool offered;
    } cases[] = {
        {0, 'F', kAlt, false, true},        {0, '1', kAlt | 1, false, true},
        {0, 'F', 0, false, false},           // no Alt
        {0, 'F', kAlt | kUp, false, false},  // key up
        {0, 'F', kAlt, true, false},         // Ctrl+Alt+key
        {0, 0x12, kAlt, false, false},       // Alt alone
        {0, 0x73, kAlt, false, false},       // Alt+F4
        {0, 0x70, kAlt, false, false},      {0, 0x7B, kAlt, false, false},
        {0, 0x7C, kAlt, false, true},   // F13 is not one of them
        {0, 0x1B, kAlt, false, false},  // Alt+Esc
        {0, 0x2E, kAlt, false, false},  // Alt+Delete
        {3, 'F', kAlt, false, false},   // HC_NOREMOVE: only a peek
        {0, 0, kAlt, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OffersAltKey(c.code, c.key, c.data, c.ctrl), c.offered) << c.key << " " << c.data;
    }
}

}  // namespace
}  // namespace orvell::skin
