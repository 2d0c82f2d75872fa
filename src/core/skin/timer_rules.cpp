#include "skin/timer_rules.h"

#include <algorithm>

namespace orvell::skin {

bool TimerTable::Add(void* timer, std::uintptr_t id) {
    for (int slot = 0; slot < kSlots; ++slot) {
        if (m_slots[slot].timer == nullptr) {
            m_slots[slot] = {timer, id};
            m_highest = std::max(m_highest, slot + 1);
            return true;
        }
    }
    return false;
}

bool TimerTable::Remove(std::uintptr_t id) {
    for (int slot = 0; slot < m_highest; ++slot) {
        if (m_slots[slot].timer != nullptr && m_slots[slot].id == id) {
            m_slots[slot] = {};
            return true;
        }
    }
    return false;
}

void* TimerTable::Find(std::uintptr_t id) const {
    for (int slot = 0; slot < m_highest; ++slot) {
        if (m_slots[slot].timer != nullptr && m_slots[slot].id == id) {
            return m_slots[slot].timer;
        }
    }
    return nullptr;
}

IntervalChange DecideInterval(int current, int requested) {
    if (requested >= 1) {
        return requested == current ? IntervalChange::kKeep : IntervalChange::kRestart;
    }
    return current > 0 ? IntervalChange::kStop : IntervalChange::kKeep;
}

}  // namespace orvell::skin
