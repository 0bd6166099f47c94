#include "tempfolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

class ScopedTmpdir {
public:
    explicit ScopedTmpdir(const char* value)
    {
        if (const char* old = std::getenv("TMPDIR"))
            m_old = old;
        if (value != nullptr)
            setenv("TMPDIR", value, 1);
        else
            unsetenv("TMPDIR");
    }
    ~ScopedTmpdir()
    {
        if (m_old)
            setenv("TMPDIR", m_old->c_str(), 1);
        else
            unsetenv("TMPDIR");
    }

private:
    std::optional<std::string> m_old;
};

TEST(TempFolder, HonoursTmpdirAndEndsWithASeparator)
{
    const ScopedTmpdir tmpdir("/var/tmp/tessaril");
    EXPECT_EQ(cadhost::tempFolder(), L"/var/tmp/tessaril/");
    wchar_t buffer[MAX_PATH];
    EXPECT_EQ(GetTempPathW(MAX_PATH, buffer), 18U);
    EXPECT_STREQ(buffer, L"/var/tmp/tessaril/");
}

TEST(TempFolder, FallsBackToTmp)
{
    const ScopedTmpdir tmpdir(nullptr);
    EXPECT_EQ(cadhost::tempFolder(), L"/tmp/");
    const ScopedTmpdir empty("");
    EXPECT_EQ(cadhost::tempFolder(), L"/tmp/");
}

TEST(TempFolder, SmallBufferGetsTheSizeNeeded)
{
    const ScopedTmpdir tmpdir("/tmp/");
    wchar_t buffer[5] = L"xxxx";
    EXPECT_EQ(GetTempPathW(5, buffer), 6U);
    EXPECT_STREQ(buffer, L"xxxx");
}

} // namespace
