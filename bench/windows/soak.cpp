// Soak: drives the real orvell.exe from outside with a long, seeded run of random user actions, as a
// user with keyboard and mouse would, and checks that the program keeps answering, that its objects
// and memory stay flat, that no setting changes but by the actions that change it, and that it exits
// cleanly. The same seed gives the same actions.
//   orvell_soak.exe [--actions N] [--seed S] [--program path\to\orvell.exe]
//
// The program keeps its settings under one fixed key of the current user, and its start-up entry in
// the Run keys: a soak rewrites both thousands of times. So it runs only under Wine, in a prefix named
// by WINEPREFIX (the build's own, as bench/soak.sh and the tests give it; never the user's ~/.wine),
// and puts back at the end whatever it found there at the start.
#include <windows.h>
#include <psapi.h>
#include <shellapi.h>
#include <winternl.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

// ---------------------------------------------------------------------------------------------------
// Failures end the run with the last actions named, so a hang or a wrong state can be replayed.

struct SoakFailure {
    std::string what;
};

std::string Narrow(const std::wstring& text) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr,
                                           0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), size, nullptr,
                          nullptr);
    return out;
}

[[noreturn]] void Fail(const std::string& what) {
    throw SoakFailure{what};
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// ---------------------------------------------------------------------------------------------------
// The registry: the program's settings, its start-up entries, and the prefix's driver option for it.

constexpr wchar_t kSettingsKey[] = L"Software\\Kestrane\\Orvell";
constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kRunEntry[] = L"Orvell";
constexpr wchar_t kX11Key[] = L"Software\\Wine\\AppDefaults\\orvell.exe\\X11 Driver";

enum Setting { kSoftwareRun, kLanguage, kScreen, kHotKey, kCheck, kCombo, kSettingCount };
constexpr std::array<const wchar_t*, kSettingCount> kSettingNames = {L"SoftwareRun", L"Language", L"Screen",
                                                                     L"HotKey",      L"Check",    L"Combo"};

// One registry value as found: absent, or its type and bytes.
struct RawValue {
    HKEY root;
    const wchar_t* path;
    const wchar_t* name;
    bool present = false;
    DWORD type = 0;
    std::vector<BYTE> data;
};

RawValue ReadRaw(HKEY root, const wchar_t* path, const wchar_t* name) {
    RawValue value{root, path, name, false, 0, {}};
    DWORD size = 0;
    if (::RegGetValueW(root, path, name, RRF_RT_ANY | RRF_NOEXPAND, &value.type, nullptr, &size) !=
        ERROR_SUCCESS) {
        return value;
    }
    value.data.resize(size);
    value.present = ::RegGetValueW(root, path, name, RRF_RT_ANY | RRF_NOEXPAND, &value.type,
                                   value.data.data(), &size) == ERROR_SUCCESS;
    value.data.resize(size);
    return value;
}

void WriteRaw(const RawValue& value) {
    if (value.present) {
        ::RegSetKeyValueW(value.root, value.path, value.name, value.type, value.data.data(),
                          static_cast<DWORD>(value.data.size()));
        return;
    }
    HKEY key = nullptr;
    if (::RegOpenKeyExW(value.root, value.path, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        ::RegDeleteValueW(key, value.name);
        ::RegCloseKey(key);
    }
}

void DeleteValue(HKEY root, const wchar_t* path, const wchar_t* name) {
    WriteRaw(RawValue{root, path, name, false, 0, {}});
}

// Everything the soak may change, as it was before: put back whatever happens, failures included.
class RegistrySnapshot {
public:
    RegistrySnapshot() {
        for (const wchar_t* name : kSettingNames) {
            m_values.push_back(ReadRaw(HKEY_CURRENT_USER, kSettingsKey, name));
        }
        m_values.push_back(ReadRaw(HKEY_LOCAL_MACHINE, kRunKey, kRunEntry));
        m_values.push_back(ReadRaw(HKEY_CURRENT_USER, kRunKey, kRunEntry));
        m_values.push_back(ReadRaw(HKEY_CURRENT_USER, kX11Key, L"Managed"));
    }
    ~RegistrySnapshot() {
        for (const RawValue& value : m_values) {
            WriteRaw(value);
        }
    }
    RegistrySnapshot(const RegistrySnapshot&) = delete;
    RegistrySnapshot& operator=(const RegistrySnapshot&) = delete;

private:
    std::vector<RawValue> m_values;
};

// The six settings and the start-up entry, as the soak expects them or as the registry holds them.
struct Settings {
    std::array<std::optional<DWORD>, kSettingCount> values{};
    bool runEntry = false;

    bool operator==(const Settings&) const = default;

    std::string Describe() const {
        std::string out;
        for (int i = 0; i < kSettingCount; ++i) {
            out += Narrow(kSettingNames[static_cast<std::size_t>(i)]) + "=";
            out += values[static_cast<std::size_t>(i)] ? std::to_string(*values[static_cast<std::size_t>(i)])
                                                       : std::string("absent");
            out += " ";
        }
        return out + "run entry " + (runEntry ? "present" : "absent");
    }
};

Settings ReadSettings() {
    Settings settings;
    for (int i = 0; i < kSettingCount; ++i) {
        const RawValue raw =
            ReadRaw(HKEY_CURRENT_USER, kSettingsKey, kSettingNames[static_cast<std::size_t>(i)]);
        if (!raw.present) {
            continue;
        }
        if (raw.type != REG_DWORD || raw.data.size() != sizeof(DWORD)) {
            Fail("the setting " + Narrow(kSettingNames[static_cast<std::size_t>(i)]) +
                 " is no longer a 32-bit number (type " + std::to_string(raw.type) + ", " +
                 std::to_string(raw.data.size()) + " bytes)");
        }
        DWORD number = 0;
        std::copy(raw.data.begin(), raw.data.end(), reinterpret_cast<BYTE*>(&number));
        settings.values[static_cast<std::size_t>(i)] = number;
    }
    // A missing "Check" is read as 0 by every rule; whether a start writes the 0 is not the soak's
    // question, only that nothing else does.
    if (!settings.values[kCheck]) {
        settings.values[kCheck] = 0;
    }
    settings.runEntry = ReadRaw(HKEY_LOCAL_MACHINE, kRunKey, kRunEntry).present ||
                        ReadRaw(HKEY_CURRENT_USER, kRunKey, kRunEntry).present;
    return settings;
}

// ---------------------------------------------------------------------------------------------------
// The program seen from outside: its windows by class and control id, messages with a time limit.

// The main window's controls, by the ids the window gives them (1000 + their place in its design).
enum class Main {
    Option1_0 = 1001,
    Option1_1 = 1002,
    Option1_2 = 1003,
    Option2_0 = 1006,
    Option2_1 = 1007,
    Text1 = 1009,
    Command1 = 1010,
    Text2 = 1012,
    Text3 = 1013,
    Text4 = 1014,
    Command2 = 1015,
    Command3 = 1016,
    Command4 = 1017,
    Label3 = 1018,
};

// The main window's menu commands.
namespace command {
constexpr WPARAM kVB = 101, kDelphi = 102, kC = 103, kKeyCodeTest = 104, kChinese = 106, kEnglish = 107,
                 kEight = 108, kThousand = 109, kHideKey = 110, kRun = 111, kNew = 112, kAbout = 113,
                 kAscII0 = 201, kLanguage0 = 204, kLanguage1 = 205, kBai0 = 206, kBai1 = 207,
                 kHideKeySetting0 = 208, kHideKeySetting1 = 209, kHelpTopic0 = 210, kHelpTopic1 = 211,
                 kOther0 = 212;
}  // namespace command

// The secondary windows by class, and what the tray icon reports to.
constexpr wchar_t kMainClass[] = L"OrvellMain";
constexpr wchar_t kTrayClass[] = L"OrvellTrayIcon";
constexpr UINT kTrayCallback = WM_APP + 0x100;
constexpr UINT kTrayIconId = 1;
constexpr std::array<const wchar_t*, 4> kSecondaryClasses = {L"OrvellKeyCodeTest", L"OrvellHotkeySetting",
                                                             L"OrvellHelp", L"OrvellAbout"};

constexpr DWORD kAnswerMs = 10000;  // a program that takes longer to answer one message hangs

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
}

class Program {
public:
    explicit Program(std::wstring exe) : m_exe(std::move(exe)) {}
    ~Program() {
        if (m_process.hProcess != nullptr) {
            if (::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
                ::TerminateProcess(m_process.hProcess, 1);
                ::WaitForSingleObject(m_process.hProcess, 5000);
            }
            ::CloseHandle(m_process.hThread);
            ::CloseHandle(m_process.hProcess);
        }
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    void Start() {
        std::wstring commandLine = L"\"" + m_exe + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &m_process)) {
            Fail("cannot start " + Narrow(m_exe) + " (error " + std::to_string(::GetLastError()) + ")");
        }
        if (!WaitFor([this] {
                m_main = FindTop(kMainClass);
                return m_main != nullptr && ::IsWindowVisible(m_main);
            })) {
            Fail("the main window did not show");
        }
        Send(m_main, WM_NULL, 0, 0);
    }

    HANDLE Process() const { return m_process.hProcess; }
    DWORD Id() const { return m_process.dwProcessId; }
    HWND MainWindow() const { return m_main; }
    HWND Child(Main control) const { return ::GetDlgItem(m_main, static_cast<int>(control)); }
    bool Ended() const { return ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_OBJECT_0; }

    // A sent message and its answer; no answer in time is a hang.
    LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
        DWORD_PTR result = 0;
        if (::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kAnswerMs, &result) == 0) {
            const DWORD error = ::GetLastError();
            Fail(Ended() ? std::string("the program ended")
                         : "no answer to message 0x" + ToHex(message) + " for " + Narrow(ClassOf(window)) +
                               (error == ERROR_TIMEOUT ? " within 10 s"
                                                       : " (error " + std::to_string(error) + ")"));
        }
        return static_cast<LRESULT>(result);
    }
    void Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
        if (!::PostMessageW(window, message, wParam, lParam)) {
            Fail("cannot post to " + Narrow(ClassOf(window)));
        }
    }
    LRESULT Click(HWND button) const {
        if (button == nullptr) {
            Fail("a button to click is missing");
        }
        return Send(button, BM_CLICK, 0, 0);
    }
    std::wstring Text(HWND window) const {
        wchar_t text[4096] = {};
        Send(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text));
        return text;
    }

    // Polls until the condition holds, for at most the time a message may take; false if it never did.
    template <typename Condition>
    bool WaitFor(Condition condition, DWORD ms = kAnswerMs) const {
        const ULONGLONG end = ::GetTickCount64() + ms;
        for (;;) {
            if (condition()) {
                return true;
            }
            if (Ended()) {
                Fail("the program ended");
            }
            if (::GetTickCount64() > end) {
                return false;
            }
            // The soak's own window takes keys too: its messages are handled while it waits.
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 2, QS_ALLINPUT);
            MSG message{};
            while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                ::DispatchMessageW(&message);
            }
        }
    }

    // The program's top-level windows, visible or not.
    std::vector<HWND> TopWindows() const {
        struct Search {
            DWORD id;
            std::vector<HWND> found;
        } search{m_process.dwProcessId, {}};
        ::EnumWindows(
            [](HWND window, LPARAM parameter) {
                auto& s = *reinterpret_cast<Search*>(parameter);
                DWORD owner = 0;
                ::GetWindowThreadProcessId(window, &owner);
                if (owner == s.id) {
                    s.found.push_back(window);
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    HWND FindTop(const wchar_t* className, bool visibleOnly = true) const {
        for (HWND window : TopWindows()) {
            if (ClassOf(window) == className && (!visibleOnly || ::IsWindowVisible(window))) {
                return window;
            }
        }
        return nullptr;
    }
    // The popup menu of a menu loop running in the program, if one shows.
    HWND PopupMenu() const { return FindTop(L"#32768"); }
    // A message box of the program, if one shows.
    HWND MessageBox() const { return FindTop(L"#32770"); }
    // The secondary window open now: the one on top, which takes the input.
    HWND Secondary() const {
        for (HWND window : TopWindows()) {
            const std::wstring name = ClassOf(window);
            if (::IsWindowVisible(window) && ::IsWindowEnabled(window) &&
                std::find(kSecondaryClasses.begin(), kSecondaryClasses.end(), name) !=
                    kSecondaryClasses.end()) {
                return window;
            }
        }
        return nullptr;
    }
    int OpenSecondaryCount() const {
        int count = 0;
        for (HWND window : TopWindows()) {
            const std::wstring name = ClassOf(window);
            count += std::find(kSecondaryClasses.begin(), kSecondaryClasses.end(), name) !=
                     kSecondaryClasses.end();
        }
        return count;
    }

private:
    static std::string ToHex(UINT value) {
        char text[16];
        std::snprintf(text, sizeof text, "%X", value);
        return text;
    }

    std::wstring m_exe;
    PROCESS_INFORMATION m_process{};
    HWND m_main = nullptr;
};

// A child of a window by its class and, where given, a caption it contains (access-key marks removed).
HWND FindChild(HWND parent, const wchar_t* className, const std::vector<std::wstring>& captions = {}) {
    for (HWND child = ::FindWindowExW(parent, nullptr, className, nullptr); child != nullptr;
         child = ::FindWindowExW(parent, child, className, nullptr)) {
        if (captions.empty()) {
            return child;
        }
        wchar_t text[256] = {};
        ::GetWindowTextW(child, text, 256);
        std::wstring caption(text);
        caption.erase(std::remove(caption.begin(), caption.end(), L'&'), caption.end());
        for (const std::wstring& wanted : captions) {
            if (caption.find(wanted) != std::wstring::npos) {
                return child;
            }
        }
    }
    return nullptr;
}

// ---------------------------------------------------------------------------------------------------
// What the program holds: objects and memory, counted from outside.

struct Counts {
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;  // where the system counts them (Windows)
    DWORD windows = 0;      // every window of the process, hidden and message-only ones included
    DWORD handles = 0;      // kernel handles: keys, events, threads
    SIZE_T privateBytes = 0;
};

// GDI objects of another process. Wine's GetGuiResources counts nothing, so there they are counted
// in the GDI handle table that the system maps into each process (the PEB's GdiSharedHandleTable, at
// 0xF8 in a 64-bit PEB): 24-byte entries, in use while the type byte at 14 is set, 0x4000 of them.
DWORD GdiObjectsOf(HANDLE process) {
    if (const DWORD counted = ::GetGuiResources(process, GR_GDIOBJECTS)) {
        return counted;
    }
    using Query = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (query == nullptr || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) {
        return 0;
    }
    ULONG_PTR table = 0;
    const auto* tableField = reinterpret_cast<const BYTE*>(basic.PebBaseAddress) + 0xF8;
    if (!::ReadProcessMemory(process, tableField, &table, sizeof table, nullptr) || table == 0) {
        return 0;
    }
    constexpr std::size_t kEntries = 0x4000;
    constexpr std::size_t kEntrySize = 24;
    std::vector<BYTE> entries(kEntries * kEntrySize);
    if (!::ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(), entries.size(),
                             nullptr)) {
        return 0;
    }
    DWORD used = 0;
    for (std::size_t i = 0; i < kEntries; ++i) {
        used += entries[i * kEntrySize + 14] != 0 ? 1 : 0;
    }
    return used;
}

// Kernel handles of another process, from the system's list of every handle (Wine answers no count
// for another process).
DWORD HandlesOf(DWORD processId) {
    struct Entry {
        ULONG ownerId;
        BYTE type;
        BYTE flags;
        USHORT value;
        PVOID object;
        ULONG access;
    };
    using Query = NTSTATUS(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    constexpr ULONG kSystemHandleInformation = 16;
    std::vector<BYTE> buffer(1 << 20);
    for (int attempt = 0; query != nullptr && attempt < 6; ++attempt) {
        ULONG needed = 0;
        const NTSTATUS status =
            query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
        if (status == 0) {
            const ULONG count = *reinterpret_cast<const ULONG*>(buffer.data());
            const auto* entries = reinterpret_cast<const Entry*>(buffer.data() + sizeof(ULONG_PTR));
            return static_cast<DWORD>(std::count_if(
                entries, entries + count, [processId](const Entry& e) { return e.ownerId == processId; }));
        }
        buffer.resize(std::max<std::size_t>(buffer.size() * 2, needed + 4096));
    }
    return 0;
}

DWORD WindowsOf(const Program& program) {
    struct Tally {
        DWORD id;
        DWORD count;
    } tally{program.Id(), 0};
    const auto countTree = [](HWND window, LPARAM parameter) -> BOOL {
        auto& t = *reinterpret_cast<Tally*>(parameter);
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == t.id) {
            ++t.count;
            ::EnumChildWindows(
                window, [](HWND, LPARAM p) { return ++reinterpret_cast<Tally*>(p)->count, TRUE; }, parameter);
        }
        return TRUE;
    };
    ::EnumWindows(countTree, reinterpret_cast<LPARAM>(&tally));
    for (HWND window = ::FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); window != nullptr;
         window = ::FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr)) {
        countTree(window, reinterpret_cast<LPARAM>(&tally));
    }
    return tally.count;
}

Counts Measure(const Program& program) {
    Counts counts;
    counts.gdiObjects = GdiObjectsOf(program.Process());
    counts.userObjects = ::GetGuiResources(program.Process(), GR_USEROBJECTS);
    counts.windows = WindowsOf(program);
    if (!::GetProcessHandleCount(program.Process(), &counts.handles) || counts.handles == 0) {
        counts.handles = HandlesOf(program.Id());
    }
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (::GetProcessMemoryInfo(program.Process(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                               sizeof memory)) {
        // The same figure on Windows; Wine fills only the page-file one for another process.
        counts.privateBytes = memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
    }
    return counts;
}

void PrintCounts(const char* when, const Counts& counts) {
    // Wine counts no USER objects: its windows are the part of them that can be counted from outside.
    const std::string user =
        counts.userObjects != 0 ? std::to_string(counts.userObjects) : std::string("n/a");
    std::printf("%-22s GDI objects %5lu  USER objects %5s  windows %4lu  handles %5lu  private %8.1f KB\n",
                when, counts.gdiObjects, user.c_str(), counts.windows, counts.handles,
                static_cast<double>(counts.privateBytes) / 1024.0);
}

// Another program's window, in a corner of the screen: where the user works when the hotkey calls the
// program back from the tray (a hotkey reaches no program while no window has the keyboard).
class OtherWindow {
public:
    OtherWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = ::DefWindowProcW;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"OrvellSoakOtherProgram";
        ::RegisterClassW(&windowClass);
        m_window = ::CreateWindowExW(0, windowClass.lpszClassName, L"Another program", WS_POPUP | WS_VISIBLE,
                                     0, 0, 120, 80, nullptr, nullptr, windowClass.hInstance, nullptr);
    }
    ~OtherWindow() { ::DestroyWindow(m_window); }
    OtherWindow(const OtherWindow&) = delete;
    OtherWindow& operator=(const OtherWindow&) = delete;

    HWND Handle() const { return m_window; }

private:
    HWND m_window;
};

// ---------------------------------------------------------------------------------------------------
// Real keys, through the system's input queue: only they reach the hotkey and the menu loops' hooks.

void SendKeys(std::initializer_list<std::pair<WORD, bool>> keys) {
    std::vector<INPUT> inputs;
    for (const auto& [key, up] : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    }
    if (::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size()) {
        Fail("the system refused the soak's key presses");
    }
}

void PressKey(WORD key, std::optional<WORD> modifier = std::nullopt) {
    if (modifier) {
        SendKeys({{*modifier, false}, {key, false}, {key, true}, {*modifier, true}});
    } else {
        SendKeys({{key, false}, {key, true}});
    }
}

}  // namespace

namespace {

// ---------------------------------------------------------------------------------------------------
// The run: random actions from a seeded generator, the settings each should leave, and the checks.

// The hotkey window's modifier list, item by item, as the "Combo" value it stores.
constexpr std::array<DWORD, 6> kComboValues = {4, 2, 1, 6, 5, 7};
constexpr WORD kHotkey = VK_F12;  // the soak never stores another

class Soak {
public:
    Soak(Program& program, unsigned seed) : m_program(program), m_random(seed) {}

    // The hotkey from the program's own window or from another program's; hidden, only from another.
    void PressHotkey() {
        const bool fromOther = Hidden() || Chance(30);
        if (!Front(fromOther ? m_other.Handle() : MainWindow()) && !fromOther) {
            Front(m_other.Handle());
        }
        PressKey(kHotkey);
    }

    // A fresh key (the language and screen chosen by the seed), then the program started on it.
    void Start() {
        for (const wchar_t* name : kSettingNames) {
            DeleteValue(HKEY_CURRENT_USER, kSettingsKey, name);
        }
        DeleteValue(HKEY_LOCAL_MACHINE, kRunKey, kRunEntry);
        DeleteValue(HKEY_CURRENT_USER, kRunKey, kRunEntry);
        const DWORD language = Below(2);
        const DWORD screen = Below(2);
        ::RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"Language", REG_DWORD, &language,
                          sizeof language);
        ::RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"Screen", REG_DWORD, &screen, sizeof screen);
        Expect(kLanguage, language);
        Expect(kScreen, screen);
        Expect(kHotKey, 123);
        Expect(kCheck, 0);  // the hotkey timer's first tick writes it
        m_program.Start();
        // Keys pressed for real go to the window under the pointer when nothing manages the windows.
        RECT frame{};
        ::GetWindowRect(m_program.MainWindow(), &frame);
        ::SetCursorPos((frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2);
        if (!m_program.WaitFor([this] { return ReadSettings() == m_expected; })) {
            Fail("after start-up the settings are " + ReadSettings().Describe() + ", expected " +
                 m_expected.Describe());
        }
    }

    // One random action; its name goes to the log of recent actions.
    void Act() {
        if (Hidden()) {
            return ActHidden();
        }
        const int roll = Below(100);
        if (roll < 30) {
            Lookup();
        } else if (roll < 36) {
            ChangeOption();
        } else if (roll < 41) {
            CopyOutput();
        } else if (roll < 47) {
            ShowList();
        } else if (roll < 54) {
            SwitchLanguage();
        } else if (roll < 60) {
            SwitchScreen();
        } else if (roll < 68) {
            MenuLoop();
        } else if (roll < 75) {
            Hide();
        } else if (roll < 90) {
            SecondaryWindow();
        } else if (roll < 94) {
            ToggleStartup();
        } else {
            KeyNameShortcut();
        }
    }

    // Still answering, and a lookup's answer right: a random printable character found by its code.
    void CheckAnswers() {
        ToMainWindow();
        m_program.Send(m_program.MainWindow(), WM_NULL, 0, 0);
        m_program.Click(m_program.Child(Main::Option1_0));
        m_program.Click(m_program.Child(Main::Option2_0));
        const wchar_t character = static_cast<wchar_t>(L'!' + Below(94));
        Type(std::wstring(1, character));
        m_program.Click(m_program.Child(Main::Command1));
        const std::wstring output = m_program.Text(m_program.Child(Main::Text2));
        const std::wstring code = std::to_wstring(static_cast<int>(character));
        if (output.size() < code.size() ||
            output.compare(output.size() - code.size(), code.size(), code) != 0) {
            Fail("looking up '" + Narrow(std::wstring(1, character)) + "' answered \"" + Narrow(output) +
                 "\"");
        }
        CheckSettings();
    }

    void CheckSettings() const {
        const Settings actual = ReadSettings();
        if (actual != m_expected) {
            Fail("the settings are " + actual.Describe() + ", expected " + m_expected.Describe());
        }
    }

    // The program as a user leaves it before a count: no secondary window, shown, a lookup done.
    void Quiesce() {
        CheckAnswers();
        m_program.Send(m_program.Child(Main::Text1), WM_KEYDOWN, VK_DELETE, 0);
    }

    // The exit button, a menu command or the window's close; afterwards the program is gone, with
    // exit code 0. (Its tray icon is still there before: hidden and shown thousands of times, it must
    // not have been lost. After, Wine's notification area drops an icon whose window is gone by
    // itself, so only the program's own tests can tell that it removes its icon.)
    void Exit() {
        ToMainWindow();
        const HWND tray = m_program.FindTop(kTrayClass, false);
        if (tray == nullptr || !TrayIconShown(tray)) {
            Fail("the tray icon is not in the notification area before the exit");
        }
        const int way = Below(3);
        Log(way == 0 ? "exit: Command4" : way == 1 ? "exit: mnuExit" : "exit: WM_CLOSE");
        if (way == 0) {
            m_program.Post(m_program.Child(Main::Command4), BM_CLICK, 0, 0);
        } else {
            m_program.Post(m_program.MainWindow(), way == 1 ? WM_COMMAND : WM_CLOSE, way == 1 ? 105 : 0, 0);
        }
        if (::WaitForSingleObject(m_program.Process(), kAnswerMs) != WAIT_OBJECT_0) {
            Fail("the program did not end within 10 s of the exit");
        }
        DWORD code = 0;
        ::GetExitCodeProcess(m_program.Process(), &code);
        if (code != 0) {
            Fail("the program ended with exit code " + std::to_string(code));
        }
        CheckSettings();
    }

    const std::deque<std::string>& Recent() const { return m_recent; }
    // Per kind of action: how many ran and the seconds they took, checks included.
    const std::map<std::string, std::pair<int, double>>& Timing() const { return m_timing; }
    int Fallbacks() const { return m_fallbacks; }
    int KeysLost() const { return m_keysLost; }

private:
    // --- the random source
    int Below(int n) { return static_cast<int>(m_random() % static_cast<unsigned>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }

    void Log(std::string action) {
        const auto now = std::chrono::steady_clock::now();
        if (!m_recent.empty()) {
            const std::string& last = m_recent.back();
            auto& [count, seconds] = m_timing[last.substr(0, last.find_first_of(" :"))];
            ++count;
            seconds += std::chrono::duration<double>(now - m_lastLog).count();
        }
        m_lastLog = now;
        m_recent.push_back(std::move(action));
        if (m_recent.size() > 12) {
            m_recent.pop_front();
        }
    }
    void Expect(Setting setting, std::optional<DWORD> value) {
        m_expected.values[static_cast<std::size_t>(setting)] = value;
    }
    DWORD Expected(Setting setting) const {
        return m_expected.values[static_cast<std::size_t>(setting)].value_or(0);
    }

    bool Hidden() const { return m_program.Text(m_program.Child(Main::Label3)) == L"Yes"; }
    bool Visible(Main control) const { return ::IsWindowVisible(m_program.Child(control)) != FALSE; }
    bool Checked(Main control) const {
        return m_program.Send(m_program.Child(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    HWND MainWindow() const { return m_program.MainWindow(); }

    // Real keys reach the program through the system's keyboard focus, which under Wine without a
    // window manager now and then stays with no window or with another program's. A key that has no
    // effect within 3 s is counted, and the action takes its other way: a lost key is not the
    // program's failure, an unanswered message is.
    bool KeysTookEffect(const std::function<bool()>& condition) {
        if (m_program.WaitFor(condition, 3000)) {
            return true;
        }
        ++m_keysLost;
        return false;
    }

    // Menus that Esc did not close are closed as the system closes them when the focus goes elsewhere.
    void CloseMenus() {
        if (m_program.PopupMenu() == nullptr) {
            return;
        }
        ++m_keysLost;
        m_program.Send(MainWindow(), WM_CANCELMODE, 0, 0);
        m_program.Send(m_program.FindTop(kTrayClass, false), WM_CANCELMODE, 0, 0);
        Wait([this] { return m_program.PopupMenu() == nullptr; }, "closing a menu");
    }

    void Wait(const std::function<bool()>& condition, const std::string& what) const {
        if (!m_program.WaitFor(condition)) {
            Fail(what + " did not happen within 10 s");
        }
    }

    // Brings a window to the front for real keys; false when the system will not, and the action then
    // takes its command's way instead.
    bool Front(HWND window) {
        if (::GetForegroundWindow() != window) {
            ::SetForegroundWindow(window);
        }
        if (m_program.WaitFor([window] { return ::GetForegroundWindow() == window; }, 2000)) {
            return true;
        }
        ++m_fallbacks;
        return false;
    }

    void Command(WPARAM id) { m_program.Send(MainWindow(), WM_COMMAND, id, 0); }

    // Types into the empty input box, character by character, as the keyboard's characters arrive.
    void Type(const std::wstring& text) {
        const HWND text1 = m_program.Child(Main::Text1);
        m_program.Send(text1, WM_KEYDOWN, VK_DELETE, 0);
        for (wchar_t character : text) {
            m_program.Send(text1, WM_CHAR, character, 1);
        }
    }

    // No secondary window, no menu, the main window shown.
    void ToMainWindow() {
        for (int i = 0; i < 3 && m_program.PopupMenu() != nullptr; ++i) {
            m_program.Send(MainWindow(), WM_CANCELMODE, 0, 0);
            m_program.WaitFor([this] { return m_program.PopupMenu() == nullptr; }, 2000);
        }
        for (int i = 0; i < 4; ++i) {
            if (const HWND window = m_program.Secondary()) {
                m_program.Send(window, WM_CLOSE, 0, 0);
            }
        }
        if (Hidden()) {
            ShowByHotkey();
        }
    }

    // --- the actions

    void Lookup() {
        // Inputs a user types: printable characters, codes with and without leading zeros, characters
        // beyond ASCII and beyond the Basic Multilingual Plane, names of the full table, blanks.
        static const std::array<std::wstring, 12> kOdd = {
            L"中", L"┼", L"é", L"\U0001D11E", L"Ⅱ", L" ", L"NUL", L"TAB", L"4a", L"", L"\x7F", L"€"};
        const int type = Below(3);
        const bool reverse = Chance(40);
        m_program.Click(m_program.Child(type == 0   ? Main::Option1_0
                                        : type == 1 ? Main::Option1_1
                                                    : Main::Option1_2));
        m_program.Click(m_program.Child(reverse ? Main::Option2_1 : Main::Option2_0));
        std::wstring input;
        const int kind = Below(10);
        if (kind < 5) {
            input = reverse ? std::to_wstring(Below(300))
                            : std::wstring(1, static_cast<wchar_t>(L'!' + Below(94)));
            if (reverse && Chance(30)) {
                input.insert(0, 3 - std::min<std::size_t>(3, input.size()), L'0');
            }
        } else {
            input = kOdd[static_cast<std::size_t>(Below(static_cast<int>(kOdd.size())))];
        }
        Type(input);
        Log("lookup type " + std::to_string(type) + (reverse ? " reverse" : " search") + " \"" +
            Narrow(input) + "\"");
        m_program.Click(m_program.Child(Main::Command1));
        const std::wstring output = m_program.Text(m_program.Child(Main::Text2));
        if (output.empty()) {
            Fail("a lookup left the output box empty");
        }
        // A printable character looked up by itself ends in its code: two or three digits, three with
        // leading zeros in the full table.
        if (!reverse && input.size() == 1 && input[0] > L' ' && input[0] < 0x7F) {
            std::wstring code = std::to_wstring(static_cast<int>(input[0]));
            if (type == 2) {
                code.insert(0, 3 - code.size(), L'0');
            }
            if (output.size() < code.size() ||
                output.compare(output.size() - code.size(), code.size(), code)) {
                Fail("looking up \"" + Narrow(input) + "\" answered \"" + Narrow(output) + "\"");
            }
        }
    }

    void ChangeOption() {
        static constexpr std::array<Main, 5> kOptions = {Main::Option1_0, Main::Option1_1, Main::Option1_2,
                                                         Main::Option2_0, Main::Option2_1};
        const Main option = kOptions[static_cast<std::size_t>(Below(5))];
        Log("option " + std::to_string(static_cast<int>(option)));
        m_program.Click(m_program.Child(option));
        if (!Checked(option)) {
            Fail("a clicked option is not selected");
        }
    }

    // A double click on the output box puts its text on the clipboard.
    void CopyOutput() {
        Log("copy the output");
        const HWND text2 = m_program.Child(Main::Text2);
        if (!Visible(Main::Text2)) {
            Type(L"a");  // a typed key brings the output box back over a list
        }
        m_program.Send(text2, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
        m_program.Send(text2, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        const std::wstring shown = m_program.Text(text2);
        std::wstring copied;
        if (::OpenClipboard(nullptr)) {
            if (const HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
                if (const auto* text = static_cast<const wchar_t*>(::GlobalLock(data))) {
                    copied = text;
                    ::GlobalUnlock(data);
                }
            }
            ::CloseClipboard();
        }
        if (copied != shown) {
            Fail("the clipboard holds \"" + Narrow(copied) + "\" after copying \"" + Narrow(shown) + "\"");
        }
    }

    // The list button shows a list; a list command may end on the tips of the type it selects.
    void ShowList() {
        const int way = Below(8);
        Log("list " + std::to_string(way));
        const auto listShown = [this] { return Visible(Main::Text3) || Visible(Main::Text4); };
        if (way == 0) {
            m_program.Click(m_program.Child(Main::Command2));
            if (!listShown()) {
                Fail("the list button showed no list");
            }
        } else if (way < 4) {
            Command(command::kVB + static_cast<WPARAM>(way - 1));
        } else if (way < 7) {
            Command(command::kAscII0 + static_cast<WPARAM>(way - 4));
        } else if (Front(MainWindow())) {
            // Ctrl+V with the type it names and the output box showing (a change of type hides the
            // lists): its list comes up, so the key has been handled before the next action.
            m_program.Click(m_program.Child(Main::Option1_1));
            m_program.Click(m_program.Child(Main::Option1_0));
            if (listShown()) {
                Fail("a list stays shown after a change of type");
            }
            PressKey('V', VK_CONTROL);
            if (!KeysTookEffect(listShown)) {
                Command(command::kVB);
            }
        }
    }

    void SwitchLanguage() {
        const DWORD english = Below(2);
        const int way = Below(3);
        Log(std::string("language ") + (english ? "English" : "Chinese") + " way " + std::to_string(way));
        if (way == 2 && Expected(kLanguage) != english && Front(MainWindow())) {
            Expect(kLanguage, english);
            PressKey(english ? VK_F7 : VK_F6);
            return Wait([this, english] { return ReadSettings().values[kLanguage] == english; },
                        "a language key");
        }
        Command(way == 0 ? (english ? command::kEnglish : command::kChinese)
                         : (english ? command::kLanguage1 : command::kLanguage0));
        Expect(kLanguage, english);
    }

    void SwitchScreen() {
        const DWORD eightHundred = Below(2);
        const int way = Below(3);
        Log(std::string("screen ") + (eightHundred ? "800x600" : "1024x768") + " way " + std::to_string(way));
        Expect(kScreen, eightHundred);
        if (way == 2 && ReadSettings().values[kScreen] != eightHundred && Front(MainWindow())) {
            PressKey(eightHundred ? 'B' : 'E', VK_CONTROL);
            return Wait([this, eightHundred] { return ReadSettings().values[kScreen] == eightHundred; },
                        "a screen key");
        }
        Command(way == 0 ? (eightHundred ? command::kEight : command::kThousand)
                         : (eightHundred ? command::kBai0 : command::kBai1));
    }

    // A menu opened and walked by the keyboard, then left with Esc: the menu bar by Alt and a letter,
    // the shortcut menu by a right click, the tray icon's menu by its right click.
    void MenuLoop() {
        const int way = Below(4);
        Log("menu loop " + std::to_string(way));
        if (!Front(MainWindow())) {
            return;
        }
        // Alt+F: Alt+S is the search button's, which wins over the menu's letter. (Not F10: after
        // Alt+Y has hidden the window, the first F10 back in it opens no menu.)
        if (way < 2) {
            PressKey('F', VK_MENU);
        } else if (way == 2) {
            m_program.Post(m_program.Child(Main::Option1_0), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 3));
        } else {
            m_program.Post(m_program.FindTop(kTrayClass, false), kTrayCallback, kTrayIconId, WM_RBUTTONUP);
        }
        if (!KeysTookEffect([this] { return m_program.PopupMenu() != nullptr; })) {
            return;
        }
        // Up and down the one popup, then one Esc for its one level: a spare Esc, handled after the
        // soak has gone on, would close the next secondary window or name the key in the output box.
        for (int step = Below(8); step > 0; --step) {
            PressKey(Chance(70) ? VK_DOWN : VK_UP);
        }
        PressKey(VK_ESCAPE);
        m_program.WaitFor([this] { return m_program.PopupMenu() == nullptr; });
        CloseMenus();
        m_program.Send(MainWindow(), WM_NULL, 0, 0);
    }

    // Into the notification area: the hotkey, the hide button, or Alt+Y.
    void Hide() {
        const int way = Below(3);
        Log("hide " + std::to_string(way));
        if (way == 0) {
            PressHotkey();
        } else if (way == 1 || !Front(MainWindow())) {
            m_program.Click(m_program.Child(Main::Command3));
        } else {
            PressKey('Y', VK_MENU);
        }
        const auto hidden = [this] { return Hidden() && !::IsWindowVisible(MainWindow()); };
        if (way != 1 && !KeysTookEffect(hidden)) {
            m_program.Click(m_program.Child(Main::Command3));
        }
        Wait(hidden, "hiding into the tray");
    }

    void ShowByHotkey() {
        PressHotkey();
        const auto shown = [this] { return !Hidden() && ::IsWindowVisible(MainWindow()); };
        if (!KeysTookEffect(shown)) {
            m_program.Post(m_program.FindTop(kTrayClass, false), kTrayCallback, kTrayIconId,
                           WM_LBUTTONDBLCLK);
        }
        Wait(shown, "showing from the tray");
    }

    // Hidden in the tray: back by the hotkey, the icon's double click or a list item of its menu; or
    // the icon's menu walked and left.
    void ActHidden() {
        const int way = Below(10);
        Log("from the tray " + std::to_string(way));
        const HWND tray = m_program.FindTop(kTrayClass, false);
        if (way < 5) {
            return ShowByHotkey();
        }
        if (way < 8) {
            m_program.Post(tray, kTrayCallback, kTrayIconId, WM_LBUTTONDBLCLK);
        } else if (way == 8) {
            Command(command::kAscII0 + static_cast<WPARAM>(Below(3)));
        } else {
            m_program.Post(tray, kTrayCallback, kTrayIconId, WM_RBUTTONUP);
            if (KeysTookEffect([this] { return m_program.PopupMenu() != nullptr; })) {
                PressKey(VK_DOWN);
                PressKey(VK_ESCAPE);
                m_program.WaitFor([this] { return m_program.PopupMenu() == nullptr; }, 1000);
                CloseMenus();
            }
            return;
        }
        Wait([this] { return !Hidden() && ::IsWindowVisible(MainWindow()); }, "showing from the tray");
    }

    void ToggleStartup() {
        const bool on = !m_expected.runEntry;
        Log(std::string("start-up entry ") + (on ? "on" : "off"));
        m_expected.runEntry = on;
        Expect(kSoftwareRun, on ? std::optional<DWORD>(1) : std::nullopt);
        const int way = Below(3);
        if (way == 0 && Front(MainWindow())) {
            PressKey(VK_F8);
            return Wait([this] { return ReadSettings().runEntry == m_expected.runEntry; },
                        "the start-up key");
        }
        Command(way == 1 ? command::kRun : command::kOther0);
    }

    // Backspace, Enter, Esc or Space into the empty box of a printable-table search name the key.
    void KeyNameShortcut() {
        static constexpr std::array<wchar_t, 4> kKeys = {8, 13, 27, 32};
        const wchar_t key = kKeys[static_cast<std::size_t>(Below(4))];
        Log("key name " + std::to_string(key));
        m_program.Click(m_program.Child(Main::Option1_0));
        m_program.Click(m_program.Child(Main::Option2_0));
        Type(std::wstring(1, key));
        const std::wstring output = m_program.Text(m_program.Child(Main::Text2));
        if (output.find(L"对应的ASCⅡ值为：" + std::to_wstring(key)) == std::wstring::npos) {
            Fail("the key " + std::to_string(key) + " was named \"" + Narrow(output) + "\"");
        }
    }

    // One of the four secondary windows, opened from the menu bar, the shortcut menu or its key, used a
    // little and closed by its exit button or its title bar's close.
    void SecondaryWindow() {
        const int which = Below(4);
        const int way = Below(3);
        Log("secondary " + Narrow(kSecondaryClasses[static_cast<std::size_t>(which)]) + " way " +
            std::to_string(way));
        static constexpr std::array<WPARAM, 4> kBar = {command::kKeyCodeTest, command::kHideKey,
                                                       command::kNew, command::kAbout};
        static constexpr std::array<WPARAM, 4> kShortcut = {
            command::kHideKeySetting1, command::kHideKeySetting0, command::kHelpTopic0, command::kHelpTopic1};
        static constexpr std::array<WORD, 4> kKeys = {VK_F5, 0, VK_F1, VK_F2};
        const wchar_t* className = kSecondaryClasses[static_cast<std::size_t>(which)];
        const bool byKey = way == 2 && kKeys[static_cast<std::size_t>(which)] != 0 && Front(MainWindow());
        HWND window = nullptr;
        const auto opened = [&] { return (window = m_program.FindTop(className)) != nullptr; };
        if (byKey) {
            PressKey(kKeys[static_cast<std::size_t>(which)]);
        }
        if (!byKey || !KeysTookEffect(opened)) {
            Command((way == 0 ? kBar : kShortcut)[static_cast<std::size_t>(which)]);
        }
        Wait(opened, "opening a secondary window");
        m_program.Send(window, WM_NULL, 0, 0);  // answered once its opening has run to the end
        if (::IsWindowEnabled(MainWindow())) {
            Fail("the main window stays enabled under an open secondary window");
        }
        switch (which) {
            case 0:
                if (byKey) {
                    // The F5 that opened it is let go over it, and shown there.
                    m_program.WaitFor([&] { return m_program.Text(::GetDlgItem(window, 104)) == L"116"; },
                                      1000);
                }
                UseKeyCodeTest(window);
                break;
            case 1:
                UseHotkeySetting(window);
                break;
            case 2:
                UseHelp(window);
                break;
            default:
                break;
        }
        CloseSecondary(window);
    }

    void CloseSecondary(HWND window) {
        const HWND exit = FindChild(window, L"Button", {L"退出", L"Exit"});
        if (exit != nullptr && Chance(50)) {
            m_program.Click(exit);
        } else {
            m_program.Send(window, WM_CLOSE, 0, 0);
        }
        Wait([&] { return !::IsWindow(window) && m_program.OpenSecondaryCount() == 0; },
             "closing a secondary window");
        Wait([this] { return ::IsWindowEnabled(MainWindow()) != FALSE; }, "the main window's enabling");
    }

    void UseKeyCodeTest(HWND window) {
        for (int i = Below(6); i > 0; --i) {
            const WPARAM key = static_cast<WPARAM>('A' + Below(26));
            // The cell of the last key-down's code shows it. A real key of an earlier action may still
            // arrive after it (Esc, F5), so the key goes again once more if it was overwritten.
            const HWND cell = ::GetDlgItem(window, 103);
            for (int attempt = 0;
                 attempt < 3 && (attempt == 0 || m_program.Text(cell) != std::to_wstring(key)); ++attempt) {
                m_program.Send(window, WM_KEYDOWN, key, 1);
                m_program.Send(window, WM_CHAR, key + 32, 1);
                m_program.Send(window, WM_KEYUP, key, 0xC0000001);
                m_program.WaitFor([&] { return m_program.Text(cell) != std::to_wstring(key); }, 20);
            }
            if (m_program.Text(cell) != std::to_wstring(key)) {
                Fail("the key-code test shows \"" + Narrow(m_program.Text(::GetDlgItem(window, 103))) +
                     "\" for the key " + std::to_string(key));
            }
            if (Chance(30)) {
                m_program.Send(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(4, 40));
                m_program.Send(window, WM_RBUTTONUP, 0, MAKELPARAM(4, 40));
            }
        }
    }

    // Keys into the key field, the combination ticked and chosen; the set button only with F12 alone,
    // which every rule accepts: it stores F12, no combination and the list's choice.
    void UseHotkeySetting(HWND window) {
        const HWND field = FindChild(window, L"Edit");
        const HWND check = FindChild(window, L"OrvellXpCheckBox");
        const HWND combo = FindChild(window, L"ComboBox");
        const HWND set = FindChild(window, L"Button", {L"设置", L"Setting"});
        if (field == nullptr || check == nullptr || combo == nullptr || set == nullptr) {
            Fail("the hotkey window lacks its key field, check box, list or set button");
        }
        for (int i = Below(5); i > 0; --i) {
            static constexpr std::array<WPARAM, 8> kKeys = {VK_F9,    VK_F3,     'A', VK_SPACE,
                                                            VK_SHIFT, VK_ESCAPE, '7', VK_F12};
            m_program.Send(field, WM_KEYDOWN, kKeys[static_cast<std::size_t>(Below(8))], 1);
            if (Chance(30)) {
                m_program.Click(check);
            }
            if (::IsWindowEnabled(combo)) {
                m_program.Send(combo, CB_SETCURSEL, static_cast<WPARAM>(Below(6)), 0);
            }
        }
        if (Chance(15)) {
            // The Help window's list of keys over it, by a double click on its surface.
            m_program.Send(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(4, 60));
            HWND help = nullptr;
            Wait([&] { return (help = m_program.FindTop(L"OrvellHelp")) != nullptr; },
                 "Help over the hotkey window");
            m_program.Send(help, WM_CLOSE, 0, 0);
            Wait([&] { return !::IsWindow(help); }, "closing Help over the hotkey window");
        }
        if (Chance(40)) {
            m_program.Send(field, WM_KEYDOWN, VK_F12, 1);
            if (m_program.Send(check, BM_GETCHECK, 0, 0) == BST_CHECKED) {
                m_program.Click(check);
            }
            const auto item = m_program.Send(combo, CB_GETCURSEL, 0, 0);
            m_program.Click(set);
            if (m_program.MessageBox() != nullptr) {
                Fail("F12 alone was refused by the hotkey window");
            }
            Expect(kHotKey, 123);
            Expect(kCheck, 0);
            if (item >= 0 && item < 6) {
                Expect(kCombo, kComboValues[static_cast<std::size_t>(item)]);
            }
            CheckSettings();
        }
    }

    void UseHelp(HWND window) {
        const HWND tabs = FindChild(window, L"SysTabControl32");
        if (tabs == nullptr) {
            Fail("the Help window has no tabs");
        }
        for (int i = Below(5); i > 0; --i) {
            m_program.Send(tabs, WM_KEYDOWN, Chance(50) ? VK_RIGHT : VK_LEFT, 1);
        }
    }

    // The tray icon of a window is there when the notification area accepts a change to it.
    static bool TrayIconShown(HWND tray) {
        NOTIFYICONDATAW data{};
        data.cbSize = sizeof data;
        data.hWnd = tray;
        data.uID = kTrayIconId;
        return ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
    }

    Program& m_program;
    std::mt19937 m_random;
    Settings m_expected;
    std::deque<std::string> m_recent;
    int m_fallbacks = 0;
    int m_keysLost = 0;
    OtherWindow m_other;
    std::map<std::string, std::pair<int, double>> m_timing;
    std::chrono::steady_clock::time_point m_lastLog = std::chrono::steady_clock::now();
};

}  // namespace

namespace {

// How much the counts may grow from the first to the last sample: a few objects that a later state
// holds for good (a font of a size not shown before), and memory the system's heap keeps.
constexpr long kObjectMargin = 8;
constexpr long kWindowMargin = 0;
constexpr double kMemoryMargin = 1024.0 * 1024.0;

bool UnderWine() {
    return ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// The prefix named by WINEPREFIX, and not the user's own ~/.wine, which Wine takes when none is named.
bool InNamedPrefix() {
    wchar_t prefix[1024] = {};
    const DWORD length = ::GetEnvironmentVariableW(L"WINEPREFIX", prefix, 1024);
    const std::wstring path(prefix, std::min<DWORD>(length, 1024));
    return !path.empty() && path.find(L"/.wine") == std::wstring::npos;
}

std::wstring BesideThisProgram(const wchar_t* name) {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.erase(folder.find_last_of(L"\\/") + 1);
    return folder + name;
}

void CheckFlat(const Counts& first, const Counts& last, std::vector<std::string>& problems) {
    const auto grew = [](DWORD a, DWORD b) { return static_cast<long>(b) - static_cast<long>(a); };
    if (grew(first.gdiObjects, last.gdiObjects) > kObjectMargin) {
        problems.push_back("GDI objects grew from " + std::to_string(first.gdiObjects) + " to " +
                           std::to_string(last.gdiObjects));
    }
    if (grew(first.userObjects, last.userObjects) > kObjectMargin) {
        problems.push_back("USER objects grew from " + std::to_string(first.userObjects) + " to " +
                           std::to_string(last.userObjects));
    }
    if (grew(first.windows, last.windows) > kWindowMargin) {
        problems.push_back("windows grew from " + std::to_string(first.windows) + " to " +
                           std::to_string(last.windows));
    }
    if (grew(first.handles, last.handles) > kObjectMargin) {
        problems.push_back("handles grew from " + std::to_string(first.handles) + " to " +
                           std::to_string(last.handles));
    }
    if (static_cast<double>(last.privateBytes) - static_cast<double>(first.privateBytes) > kMemoryMargin) {
        problems.push_back("private memory grew from " + std::to_string(first.privateBytes / 1024) +
                           " KB to " + std::to_string(last.privateBytes / 1024) + " KB");
    }
}

void PrintTiming(const Soak& soak) {
    for (const auto& [kind, timing] : soak.Timing()) {
        std::printf("  %-10s %5d actions, %6.1f ms each\n", kind.c_str(), timing.first,
                    1000.0 * timing.second / timing.first);
    }
}

int Run(const std::wstring& exe, int actions, unsigned seed) {
    const auto started = std::chrono::steady_clock::now();
    // Nothing may be put back over a program that still runs: the registry is restored after it ends.
    const RegistrySnapshot snapshot;
    // Without a window manager Wine waits for one each time a managed window hides: the program's
    // windows are left unmanaged while it is soaked.
    const wchar_t no[] = L"N";
    ::RegSetKeyValueW(HKEY_CURRENT_USER, kX11Key, L"Managed", REG_SZ, no, sizeof no);
    Program program(exe);
    Soak soak(program, seed);
    const int firstSample = std::min(1000, std::max(1, actions / 2));
    Counts first;
    Counts last;
    int done = 0;
    try {
        soak.Start();
        std::printf("soak of %d actions, seed %u\n", actions, seed);
        PrintCounts("after start-up", Measure(program));
        for (done = 1; done <= actions; ++done) {
            soak.Act();
            if (done % 500 == 0 || done == firstSample || done == actions) {
                soak.CheckAnswers();
            }
            if (done == firstSample || done == actions) {
                soak.Quiesce();
                Counts& sample = done == firstSample ? first : last;
                sample = Measure(program);
                const std::string when = "after " + std::to_string(done) + " actions";
                PrintCounts(when.c_str(), sample);
                std::fflush(stdout);
            }
        }
        done = actions;
        soak.Exit();
    } catch (const SoakFailure& failure) {
        std::printf("FAILED at action %d of %d (seed %u): %s\nlast actions:\n", done, actions, seed,
                    failure.what.c_str());
        for (const std::string& action : soak.Recent()) {
            std::printf("  %s\n", action.c_str());
        }
        PrintTiming(soak);
        return 1;
    }
    std::vector<std::string> problems;
    CheckFlat(first, last, problems);
    std::printf(
        "%d actions in %.1f s; %d real key actions took their command's way (no foreground); "
        "%d key actions had no effect and took their other way\n",
        actions, SecondsSince(started), soak.Fallbacks(), soak.KeysLost());
    PrintTiming(soak);
    for (const std::string& problem : problems) {
        std::printf("NOT FLAT: %s\n", problem.c_str());
    }
    if (!problems.empty()) {
        return 1;
    }
    std::printf("answering, flat, settings as the actions left them, clean exit\n");
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    int actions = 10000;
    unsigned seed = 1;
    std::wstring exe = BesideThisProgram(L"orvell.exe");
    for (int i = 1; i < argc; ++i) {
        const std::wstring argument = argv[i];
        if (argument == L"--actions" && i + 1 < argc) {
            actions = std::max(1, _wtoi(argv[++i]));
        } else if (argument == L"--seed" && i + 1 < argc) {
            seed = static_cast<unsigned>(std::wcstoul(argv[++i], nullptr, 10));
        } else if (argument == L"--program" && i + 1 < argc) {
            exe = argv[++i];
        } else {
            std::fputs("usage: orvell_soak.exe [--actions N] [--seed S] [--program path\\to\\orvell.exe]\n",
                       stderr);
            return 2;
        }
    }
    if (!UnderWine() || !InNamedPrefix()) {
        std::fputs(
            "The soak rewrites the program's settings and start-up entry thousands of times; it runs only "
            "under Wine, in a prefix named by WINEPREFIX (bench/soak.sh gives the build's own).\n",
            stderr);
        return 2;
    }
    if (::FindWindowW(kMainClass, nullptr) != nullptr) {
        std::fputs("orvell.exe runs already in this Wine prefix; close it first.\n", stderr);
        return 2;
    }
    return Run(exe, actions, seed);
}
