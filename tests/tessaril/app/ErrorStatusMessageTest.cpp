#include "app/ErrorStatusMessage.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

namespace {
struct Expected {
    int code;
    const wchar_t* text;
};

class ErrorStatusMessageTest : public testing::TestWithParam<Expected> {};

TEST_P(ErrorStatusMessageTest, DescribesTheCode)
{
    EXPECT_STREQ(errorStatusMessage(static_cast<Acad::ErrorStatus>(GetParam().code)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Codes, ErrorStatusMessageTest,
                         testing::Values(Expected{0, L"正确"}, Expected{3, L"无效的输入"},
                                         Expected{45, L"不是可写打开"}, Expected{100, L"不是可写打开"},
                                         Expected{301, L"自我代理"},
                                         Expected{600, L"无效的对象ID或者对象ID不在当前数据库"},
                                         Expected{20046, L"HTTP网关超时"}, Expected{20052, L"已经是不活动的了"},
                                         // Not in the table: the host's own text.
                                         Expected{78, L"未知错误"}, Expected{19, L"未知错误"},
                                         Expected{-1, L"未知错误"}, Expected{181, L"eUserUnloaded"},
                                         Expected{1300, L"eNoAcDbHostApplication"}));

TEST(ErrorStatusMessageBufferTest, EachCallOverwritesTheSameBuffer)
{
    const wchar_t* first = errorStatusMessage(Acad::eOk);
    const wchar_t* second = errorStatusMessage(Acad::eMakeMeProxy);
    EXPECT_EQ(first, second);
    EXPECT_STREQ(first, L"自我代理");
}

// The codes of the host's status table, with whether the message table describes each.
std::map<int, bool> hostCodes()
{
    std::ifstream file(TESSARIL_TEST_DATA_DIR "/host/status-codes.tsv");
    std::map<int, bool> codes;
    std::string line;
    std::getline(file, line);
    while (std::getline(file, line)) {
        std::istringstream fields(line);
        std::string code;
        std::string name;
        std::string described;
        if (std::getline(fields, code, '\t') && std::getline(fields, name, '\t') && std::getline(fields, described))
            codes[std::stoi(code)] = described == "yes";
    }
    return codes;
}

TEST(ErrorMessageTableTest, DescribesExactlyTheCodesMarkedInTheHostTable)
{
    const std::map<int, bool> codes = hostCodes();
    ASSERT_EQ(codes.size(), 424u);
    std::set<int> described;
    for (const ErrorMessage& entry : errorMessageTable())
        described.insert(entry.code);
    for (const auto& [code, marked] : codes)
        EXPECT_EQ(described.contains(code), marked) << code;
    for (int code : described)
        EXPECT_TRUE(codes.contains(code)) << code;
    EXPECT_EQ(errorMessageTable().size(), 391u);
}

TEST(ErrorMessageTableTest, OnlyCodes45And100ShareATextAndNoTextIsEmpty)
{
    std::map<std::wstring, std::vector<int>> codesByText;
    for (const ErrorMessage& entry : errorMessageTable()) {
        EXPECT_GT(std::wcslen(entry.text), 0u) << entry.code;
        codesByText[entry.text].push_back(entry.code);
    }
    EXPECT_EQ(codesByText.size(), 390u);
    EXPECT_EQ(codesByText[L"不是可写打开"], (std::vector<int>{45, 100}));
}

TEST(ErrorMessageTableTest, IsOrderedByCode)
{
    const auto table = errorMessageTable();
    EXPECT_TRUE(std::is_sorted(table.begin(), table.end(), [](const ErrorMessage& left, const ErrorMessage& right) {
        return left.code < right.code;
    }));
}
} // namespace
