#include "skin/c_timer.h"

#include "skin/subclass.h"
#include "skin/timer_rules.h"

namespace orvell::win {

namespace {

// Every running CTimer of the program, found again by the identifier the system hands the timer
// procedure.
skin::TimerTable g_timers;

void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD) noexcept {
    if (auto* timer = static_cast<CTimer*>(g_timers.Find(id))) {
        try {
            timer->PulseTimer();
        } catch (...) {
            // Nothing waits for the event's outcome; the timer keeps running.
        }
    }
}

}  // namespace

CTimer::~CTimer() {
    Stop();
}

void CTimer::Interval(int interval) {
    switch (skin::DecideInterval(m_interval, interval)) {
        case skin::IntervalChange::kKeep:
            return;
        case skin::IntervalChange::kStop:
            m_interval = 0;
            Stop();
            return;
        case skin::IntervalChange::kRestart:
            Stop();
            m_interval = interval;
            Start();
            return;
    }
}

void CTimer::PulseTimer() {
    if (ThatTime) {
        ThatTime();
    }
}

void CTimer::Start() {
    m_id = ::SetTimer(nullptr, 0, static_cast<UINT>(m_interval), &TimerProc);
    if (m_id == 0) {
        m_interval = 0;
        throw SubclassError(skin::SkinError::kCantCreateTimer);
    }
    if (!g_timers.Add(this, m_id)) {
        // No slot to find it by: a system timer left running would fire into nothing for ever.
        ::KillTimer(nullptr, m_id);
        m_id = 0;
        m_interval = 0;
        throw SubclassError(skin::SkinError::kTooManyTimers);
    }
}

void CTimer::Stop() noexcept {
    if (m_id != 0) {
        g_timers.Remove(m_id);
        ::KillTimer(nullptr, m_id);
        m_id = 0;
    }
}

}  // namespace orvell::win
