#pragma once

#include <array>
#include <cstdint>

namespace orvell::skin {

// The live interval timers of the whole program, by the system's timer identifier. Slots are taken
// from the lowest empty one; the highest slot ever used bounds every search and never comes down.
class TimerTable {
public:
    static constexpr int kSlots = 100;

    // Puts timer in the first empty slot; false when all are taken.
    bool Add(void* timer, std::uintptr_t id);
    // Empties the first slot with that identifier; false when there is none.
    bool Remove(std::uintptr_t id);
    // The timer of the first slot with that identifier, or null.
    void* Find(std::uintptr_t id) const;
    // 1-based; 0 before the first Add.
    int HighestSlot() const { return m_highest; }

private:
    struct Slot {
        void* timer = nullptr;
        std::uintptr_t id = 0;
    };
    std::array<Slot, kSlots> m_slots{};
    int m_highest = 0;
};

// What writing a new interval does to a timer: a different positive interval replaces the running
// timer (if any) with a new one, the same one changes nothing, and zero or less stops a running timer.
enum class IntervalChange { kKeep, kRestart, kStop };
IntervalChange DecideInterval(int current, int requested);

}  // namespace orvell::skin
