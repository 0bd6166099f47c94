#include "uptime.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

TEST(Uptime, AgreesWithTheSystemsUptime)
{
    double seconds = 0;
    std::ifstream("/proc/uptime") >> seconds;
    const ULONGLONG before = GetTickCount64();
    ASSERT_GT(seconds, 0.0);
    EXPECT_GE(before + 2000, static_cast<ULONGLONG>(seconds * 1000));
    EXPECT_LE(before, static_cast<ULONGLONG>(seconds * 1000) + 2000);
    EXPECT_GE(GetTickCount64(), before);
}

TEST(Uptime, TheShortCountIsTheLow32Bits)
{
    const ULONGLONG wide = GetTickCount64();
    const DWORD narrow = GetTickCount();
    EXPECT_LE(static_cast<DWORD>(narrow - static_cast<DWORD>(wide)), 1000U);
}

} // namespace
