#include "CommandString.h"
#include "rxmfcapi.h"

#include <gtest/gtest.h>

namespace {
class CommandStringTest : public ::testing::Test {
protected:
    void SetUp() override { cadhost::clearSentCommandStrings(); }
    void TearDown() override { cadhost::clearSentCommandStrings(); }

    static LRESULT send(ULONG_PTR code, const std::wstring& text, DWORD bytes)
    {
        COPYDATASTRUCT data{code, bytes, const_cast<wchar_t*>(text.c_str())};
        CWnd* frame = acedGetAcadFrame();
        return frame->SendMessage(WM_COPYDATA, reinterpret_cast<WPARAM>(frame->GetSafeHwnd()),
                                  reinterpret_cast<LPARAM>(&data));
    }
    static LRESULT send(ULONG_PTR code, const std::wstring& text)
    {
        return send(code, text, static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
};

TEST_F(CommandStringTest, TwoCancelCharactersCancel)
{
    EXPECT_EQ(send(100, L"\u0003\u0003"), TRUE);

    const auto sent = cadhost::sentCommandStrings();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].code, 100u);
    EXPECT_EQ(sent[0].text, L"\u0003\u0003");
    EXPECT_TRUE(sent[0].cancels);
    EXPECT_EQ(cadhost::cancelRequests(), 1);
}

TEST_F(CommandStringTest, OtherStringsAreRecordedWithoutCancelling)
{
    EXPECT_EQ(send(1, L"\u0003_line "), TRUE);
    EXPECT_EQ(send(1, L"_qsave\n"), TRUE);

    const auto sent = cadhost::sentCommandStrings();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_FALSE(sent[0].cancels);
    EXPECT_EQ(sent[1].text, L"_qsave\n");
    EXPECT_EQ(cadhost::cancelRequests(), 0);
}

TEST_F(CommandStringTest, TextStopsAtTheDataLengthWithoutATerminator)
{
    EXPECT_EQ(send(100, L"abcdef", 3 * sizeof(wchar_t)), TRUE);

    ASSERT_EQ(cadhost::sentCommandStrings().size(), 1u);
    EXPECT_EQ(cadhost::sentCommandStrings()[0].text, L"abc");
}

TEST_F(CommandStringTest, MessageWithoutDataIsIgnored)
{
    CWnd* frame = acedGetAcadFrame();
    EXPECT_EQ(frame->SendMessage(WM_COPYDATA, 0, 0), FALSE);
    EXPECT_TRUE(cadhost::sentCommandStrings().empty());
}
} // namespace
