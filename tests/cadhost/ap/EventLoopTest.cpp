#include "EventLoop.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
struct Firing {
    HWND window;
    UINT message;
    UINT_PTR id;
    DWORD time;
    bool operator==(const Firing&) const = default;
};

std::vector<Firing> gFirings;

HWND window(std::uintptr_t value)
{
    return reinterpret_cast<HWND>(value);
}

void CALLBACK record(HWND hwnd, UINT message, UINT_PTR id, DWORD time)
{
    gFirings.push_back({hwnd, message, id, time});
}

// Fires once and moves itself to window 7 with id 55, as a timer that retries on another window does.
void CALLBACK moveToWindow(HWND hwnd, UINT message, UINT_PTR id, DWORD time)
{
    record(hwnd, message, id, time);
    KillTimer(hwnd, id);
    SetTimer(window(7), 55, 1000, record);
}

class EventLoopTest : public testing::Test {
protected:
    void SetUp() override
    {
        cadhost::EventLoop::instance().reset();
        gFirings.clear();
    }
    void TearDown() override { cadhost::EventLoop::instance().reset(); }
    cadhost::EventLoop& loop = cadhost::EventLoop::instance();
};

TEST_F(EventLoopTest, FiresWhenThePeriodHasPassed)
{
    ASSERT_EQ(SetTimer(window(1), 55, 1000, record), 55u);
    loop.advance(999);
    EXPECT_TRUE(gFirings.empty());
    loop.advance(1);
    EXPECT_EQ(gFirings, (std::vector<Firing>{{window(1), WM_TIMER, 55, 1000}}));
}

TEST_F(EventLoopTest, RepeatsEveryPeriodUntilKilled)
{
    SetTimer(window(1), 3, 1000, record);
    loop.advance(3500);
    EXPECT_EQ(gFirings,
              (std::vector<Firing>{
                  {window(1), WM_TIMER, 3, 1000}, {window(1), WM_TIMER, 3, 2000}, {window(1), WM_TIMER, 3, 3000}}));
    EXPECT_EQ(KillTimer(window(1), 3), TRUE);
    loop.advance(5000);
    EXPECT_EQ(gFirings.size(), 3u);
    EXPECT_EQ(KillTimer(window(1), 3), FALSE);
}

TEST_F(EventLoopTest, FiresTimersInTheOrderTheyFallDue)
{
    SetTimer(window(1), 1, 300, record);
    SetTimer(window(2), 1, 200, record);
    loop.advance(600);
    EXPECT_EQ(gFirings, (std::vector<Firing>{{window(2), WM_TIMER, 1, 200},
                                             {window(1), WM_TIMER, 1, 300},
                                             {window(2), WM_TIMER, 1, 400},
                                             {window(1), WM_TIMER, 1, 600},
                                             {window(2), WM_TIMER, 1, 600}}));
}

TEST_F(EventLoopTest, WindowlessTimersGetTheirOwnIds)
{
    const UINT_PTR first = SetTimer(nullptr, 55, 100, record);
    const UINT_PTR second = SetTimer(nullptr, 55, 100, record);
    EXPECT_NE(first, 0u);
    EXPECT_NE(second, 0u);
    EXPECT_NE(first, second);
    EXPECT_EQ(loop.timerCount(), 2u);
    // Naming an existing windowless timer sets that one again.
    EXPECT_EQ(SetTimer(nullptr, first, 100, record), first);
    EXPECT_EQ(loop.timerCount(), 2u);
    EXPECT_EQ(KillTimer(nullptr, first), TRUE);
    EXPECT_EQ(KillTimer(nullptr, second), TRUE);
    EXPECT_EQ(loop.timerCount(), 0u);
}

TEST_F(EventLoopTest, SettingATimerAgainRestartsItsPeriod)
{
    SetTimer(window(1), 9, 1000, record);
    loop.advance(800);
    SetTimer(window(1), 9, 1000, record);
    loop.advance(800);
    EXPECT_TRUE(gFirings.empty());
    loop.advance(200);
    EXPECT_EQ(gFirings, (std::vector<Firing>{{window(1), WM_TIMER, 9, 1800}}));
}

TEST_F(EventLoopTest, AProcedureMayKillItselfAndSetAnotherTimer)
{
    const UINT_PTR id = SetTimer(nullptr, 55, 1000, moveToWindow);
    loop.advance(2000);
    EXPECT_EQ(gFirings, (std::vector<Firing>{{nullptr, WM_TIMER, id, 1000}, {window(7), WM_TIMER, 55, 2000}}));
    EXPECT_FALSE(loop.hasTimer(nullptr, id));
    EXPECT_TRUE(loop.hasTimer(window(7), 55));
}

TEST_F(EventLoopTest, ShortPeriodsAreRaisedToTheMinimum)
{
    SetTimer(window(1), 1, 0, record);
    loop.advance(25);
    EXPECT_EQ(gFirings, (std::vector<Firing>{{window(1), WM_TIMER, 1, 10}, {window(1), WM_TIMER, 1, 20}}));
}

TEST_F(EventLoopTest, RefusesATimerWithoutProcedure)
{
    EXPECT_EQ(SetTimer(window(1), 1, 100, nullptr), 0u);
    EXPECT_EQ(loop.timerCount(), 0u);
}

TEST_F(EventLoopTest, RunUntilIdleFiresOnlyWhatIsDue)
{
    SetTimer(window(1), 1, 100, record);
    loop.runUntilIdle();
    EXPECT_TRUE(gFirings.empty());
    EXPECT_EQ(loop.nextDueTime(), 100);
}

TEST_F(EventLoopTest, ChangingTheClockKeepsTheTimeTimersHaveLeft)
{
    loop.advance(5000);
    SetTimer(window(1), 1, 1000, record);
    loop.advance(400);
    loop.setClock(std::make_unique<cadhost::ManualClock>());
    EXPECT_EQ(loop.nextDueTime(), 600);
}

TEST_F(EventLoopTest, NoTimersNoDueTime)
{
    EXPECT_EQ(loop.nextDueTime(), std::nullopt);
    loop.advance(1000);
    EXPECT_EQ(loop.clock().nowMs(), 1000);
}
} // namespace
