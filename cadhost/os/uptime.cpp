#include "uptime.h"

#include <ctime>

ULONGLONG GetTickCount64()
{
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<ULONGLONG>(now.tv_sec) * 1000U + static_cast<ULONGLONG>(now.tv_nsec) / 1000000U;
}

DWORD GetTickCount()
{
    return static_cast<DWORD>(GetTickCount64());
}
