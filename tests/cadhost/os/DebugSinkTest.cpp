#include "DebugSink.h"

#include <gtest/gtest.h>

namespace {
using Messages = std::vector<std::wstring>;

TEST(DebugSinkTest, CaptureReceivesEachMessage)
{
    cadhost::DebugCapture capture;
    OutputDebugStringW(L"增加图纸外发菜单:7");
    OutputDebugStringW(nullptr);
    OutputDebugStringW(L"second\n");
    EXPECT_EQ(capture.messages(), (Messages{L"增加图纸外发菜单:7", L"", L"second\n"}));
}

TEST(DebugSinkTest, OnlyTheNewestCaptureReceives)
{
    cadhost::DebugCapture outer;
    {
        cadhost::DebugCapture inner;
        OutputDebugStringW(L"inner");
        EXPECT_EQ(inner.messages(), Messages{L"inner"});
    }
    OutputDebugStringW(L"outer");
    EXPECT_EQ(outer.messages(), Messages{L"outer"});
}

TEST(DebugSinkTest, WritesToStandardErrorWhenAsked)
{
    cadhost::setDebugEcho(true);
    testing::internal::CaptureStderr();
    OutputDebugStringW(L"顶级菜单:EXPRESS");
    OutputDebugStringW(L"ends\n");
    const std::string written = testing::internal::GetCapturedStderr();
    cadhost::setDebugEcho(false);
    EXPECT_EQ(written, "顶级菜单:EXPRESS\nends\n");
}

TEST(DebugSinkTest, StaysQuietOtherwise)
{
    cadhost::setDebugEcho(false);
    testing::internal::CaptureStderr();
    OutputDebugStringW(L"quiet");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(DebugSinkTest, DebuggerIsPresentOnlyWhileSomeoneListens)
{
    cadhost::setDebugEcho(false);
    EXPECT_FALSE(IsDebuggerPresent());
    {
        const cadhost::DebugCapture capture;
        EXPECT_TRUE(IsDebuggerPresent());
    }
    EXPECT_FALSE(IsDebuggerPresent());
    cadhost::setDebugEcho(true);
    EXPECT_TRUE(IsDebuggerPresent());
    cadhost::setDebugEcho(false);
}
} // namespace
