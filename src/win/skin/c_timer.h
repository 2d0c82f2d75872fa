#pragma once

#include <windows.h>

#include <functional>

namespace orvell::win {

// A repeating thread timer that raises ThatTime every Interval milliseconds while Interval is above 0.
// It stops when it is destroyed. ThatTime runs from the thread's message loop (or any modal loop); an
// exception it throws is dropped there.
class CTimer {
public:
    CTimer() = default;
    ~CTimer();
    CTimer(const CTimer&) = delete;
    CTimer& operator=(const CTimer&) = delete;

    int Interval() const noexcept { return m_interval; }
    // A new positive interval restarts the timer; the same one changes nothing; 0 or less stops it.
    // Throws SubclassError 13652 when the system gives no timer (the timer is stopped then) and 13651
    // when a hundred timers run already.
    void Interval(int interval);
    // Raises ThatTime once, now.
    void PulseTimer();

    std::function<void()> ThatTime;

private:
    void Start();
    void Stop() noexcept;

    int m_interval = 0;
    UINT_PTR m_id = 0;
};

}  // namespace orvell::win
