#include "EventLoop.h"

#include <algorithm>
#include <chrono>
#include <thread>

UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc)
{
    return cadhost::EventLoop::instance().setTimer(hWnd, nIDEvent, uElapse, lpTimerFunc);
}

BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent)
{
    return cadhost::EventLoop::instance().killTimer(hWnd, uIDEvent) ? TRUE : FALSE;
}

namespace cadhost {
void ManualClock::waitUntil(std::int64_t timeMs)
{
    m_now = std::max(m_now, timeMs);
}

std::int64_t SystemClock::nowMs() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void SystemClock::waitUntil(std::int64_t timeMs)
{
    std::this_thread::sleep_until(std::chrono::steady_clock::time_point(std::chrono::milliseconds(timeMs)));
}

EventLoop::EventLoop() : m_clock(std::make_unique<ManualClock>())
{
}

EventLoop& EventLoop::instance()
{
    // Never destroyed: modules may kill their timers while the process exits.
    static auto* loop = new EventLoop();
    return *loop;
}

void EventLoop::setClock(std::unique_ptr<Clock> clock)
{
    const std::int64_t before = m_clock->nowMs();
    m_clock = std::move(clock);
    // Pending timers keep the time they still have to wait.
    const std::int64_t shift = m_clock->nowMs() - before;
    for (auto& [key, timer] : m_timers)
        timer.dueMs += shift;
}

UINT_PTR EventLoop::setTimer(HWND window, UINT_PTR id, UINT elapseMs, TIMERPROC procedure)
{
    if (procedure == nullptr)
        return 0;
    if (window == nullptr && !m_timers.contains(Key{nullptr, id})) {
        while (m_timers.contains(Key{nullptr, m_nextWindowlessId}) || m_nextWindowlessId == 0)
            ++m_nextWindowlessId;
        id = m_nextWindowlessId++;
    }
    const UINT period = std::max(elapseMs, USER_TIMER_MINIMUM);
    m_timers[Key{window, id}] = Timer{period, procedure, m_clock->nowMs() + period};
    return id;
}

bool EventLoop::killTimer(HWND window, UINT_PTR id)
{
    return m_timers.erase(Key{window, id}) > 0;
}

bool EventLoop::hasTimer(HWND window, UINT_PTR id) const
{
    return m_timers.contains(Key{window, id});
}

template <class Timers> auto EventLoop::earliestDue(Timers& timers)
{
    return std::min_element(timers.begin(), timers.end(),
                            [](const auto& left, const auto& right) { return left.second.dueMs < right.second.dueMs; });
}

std::optional<std::int64_t> EventLoop::nextDueTime() const
{
    if (m_timers.empty())
        return std::nullopt;
    return earliestDue(m_timers)->second.dueMs;
}

void EventLoop::runUntilIdle()
{
    const std::int64_t now = m_clock->nowMs();
    for (auto due = earliestDue(m_timers); due != m_timers.end() && due->second.dueMs <= now;
         due = earliestDue(m_timers)) {
        const Key key = due->first;
        const Timer fired = due->second;
        // The next period starts now; the procedure may still kill or set the timer again.
        due->second.dueMs = now + fired.elapseMs;
        fired.procedure(key.first, WM_TIMER, key.second, static_cast<DWORD>(now));
    }
}

void EventLoop::advance(std::int64_t durationMs)
{
    const std::int64_t target = m_clock->nowMs() + std::max<std::int64_t>(durationMs, 0);
    for (auto next = nextDueTime(); next && *next <= target; next = nextDueTime()) {
        m_clock->waitUntil(*next);
        runUntilIdle();
    }
    m_clock->waitUntil(target);
    runUntilIdle();
}

void EventLoop::reset()
{
    m_timers.clear();
    m_clock = std::make_unique<ManualClock>();
    m_nextWindowlessId = 1;
}
} // namespace cadhost
