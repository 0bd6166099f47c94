#include "settings/GUpdateCheckTime.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// Check times are local times; the tests pin the zone so that the literal times below mean one instant.
class UtcZone {
public:
    UtcZone()
    {
        if (const char* zone = std::getenv("TZ"))
            m_saved = zone;
        setenv("TZ", "UTC", 1);
        tzset();
    }
    ~UtcZone()
    {
        if (m_saved.empty())
            unsetenv("TZ");
        else
            setenv("TZ", m_saved.c_str(), 1);
        tzset();
    }

private:
    std::string m_saved;
};

constexpr std::time_t kNow = 1700000000; // 2023-11-14 22:13:20
constexpr std::uint64_t kUptime = 3600;  // the computer started at 21:13:20

struct DueCase {
    const wchar_t* lastCheckTime;
    bool due;
};

class CheckDueTest : public ::testing::TestWithParam<DueCase> {
    UtcZone m_zone;
};

TEST_P(CheckDueTest, OneCheckPerStartOfTheComputer)
{
    EXPECT_EQ(isCheckDue(GetParam().lastCheckTime, kNow, kUptime), GetParam().due) << GetParam().lastCheckTime;
}

INSTANTIATE_TEST_SUITE_P(LastCheckTimes, CheckDueTest,
                         ::testing::Values(DueCase{L"2023-11-14 21:13:19", true},    // before the start
                                           DueCase{L"2023-11-14 21:13:20", false},   // at the start
                                           DueCase{L"2023-11-14 22:13:19", false},   // after the start
                                           DueCase{L" 2023-11-14 22:00:00 ", false}, // blanks around
                                           DueCase{L"2023-11-14 22:13:21", false},   // in the future
                                           DueCase{L"2023-11-13 23:59:59", true},    // the day before
                                           DueCase{L"", true}, DueCase{L"yesterday", true},
                                           DueCase{L"2023-11-14", true}, DueCase{L"2023-11-14 22:13", true},
                                           DueCase{L"2023/11/14 22:13:20", true}, DueCase{L"2023-02-30 22:13:20", true},
                                           DueCase{L"2023-11-14 24:00:00", true},
                                           DueCase{L"2023-11-14 22:13:20 tomorrow", true}));

TEST(CheckTimeTest, IsWrittenInLocalTimeAndReadBack)
{
    const UtcZone zone;
    EXPECT_STREQ(formatCheckTime(kNow), L"2023-11-14 22:13:20");
    EXPECT_EQ(parseCheckTime(L"2023-11-14 22:13:20"), kNow);
}

TEST(CheckTimeTest, ALongRunOfBlanksIsNoTime)
{
    const UtcZone zone;
    const std::wstring blanks(30000, L' ');
    EXPECT_EQ(parseCheckTime(CString((L"2023-11-14 22:13:20" + blanks).c_str())), std::nullopt);
    EXPECT_EQ(parseCheckTime(CString((blanks + L"2023-11-14 22:13:20").c_str())), std::nullopt);
    EXPECT_EQ(parseCheckTime(CString((L"2023-11-14 22:13:20" + std::wstring(8, L'\t')).c_str())), kNow);
}

} // namespace
