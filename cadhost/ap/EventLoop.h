// Timers and the loop that fires them. SetTimer and KillTimer behave as in Windows; the event loop fires
// a due timer by calling its procedure. The clock is replaceable: cadhost's executable runs on the real
// clock, tests on a manual one that only moves when they advance it.
#pragma once

#include "adesk.h"
#include "windef.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <utility>

constexpr UINT WM_TIMER = 0x0113;
constexpr UINT USER_TIMER_MINIMUM = 0x0000000A;

// A timer without a window gets an id of its own unless nIDEvent names an existing windowless timer;
// the answer is the id to kill it with (0 without a procedure). Periods below USER_TIMER_MINIMUM are
// raised to it. Setting an existing timer again restarts its period.
CADHOST_EXPORT UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc);
CADHOST_EXPORT BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent);

namespace cadhost {
class CADHOST_EXPORT Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t nowMs() const = 0;
    // Returns once the clock shows at least timeMs.
    virtual void waitUntil(std::int64_t timeMs) = 0;
};

// Stands still until waited on, then jumps to the time waited for.
class CADHOST_EXPORT ManualClock : public Clock {
public:
    std::int64_t nowMs() const override { return m_now; }
    void waitUntil(std::int64_t timeMs) override;

private:
    std::int64_t m_now = 0;
};

// Milliseconds of the system's monotonic clock; waiting sleeps.
class CADHOST_EXPORT SystemClock : public Clock {
public:
    std::int64_t nowMs() const override;
    void waitUntil(std::int64_t timeMs) override;
};

class CADHOST_EXPORT EventLoop {
public:
    // The loop starts on a manual clock at 0 ms.
    static EventLoop& instance();

    void setClock(std::unique_ptr<Clock> clock);
    const Clock& clock() const { return *m_clock; }

    // Fires every timer that is due now, earliest first; a timer set again by its own procedure waits
    // for its next period.
    void runUntilIdle();
    // Lets durationMs pass on the clock, firing each timer whenever it falls due.
    void advance(std::int64_t durationMs);

    bool hasTimer(HWND window, UINT_PTR id) const;
    std::size_t timerCount() const { return m_timers.size(); }
    // When the next timer falls due; nothing without timers.
    std::optional<std::int64_t> nextDueTime() const;
    // No timers and a manual clock at 0 ms.
    void reset();

    UINT_PTR setTimer(HWND window, UINT_PTR id, UINT elapseMs, TIMERPROC procedure);
    bool killTimer(HWND window, UINT_PTR id);

private:
    EventLoop();

    struct Timer {
        UINT elapseMs;
        TIMERPROC procedure;
        std::int64_t dueMs;
    };
    using Key = std::pair<HWND, UINT_PTR>;

    template <class Timers> static auto earliestDue(Timers& timers);

    std::unique_ptr<Clock> m_clock;
    std::map<Key, Timer> m_timers;
    UINT_PTR m_nextWindowlessId = 1;
};
} // namespace cadhost
