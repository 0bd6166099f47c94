// The summary message of a batch and the archiver call.
#include "pipeline/ArchiveCommand.h"
#include "pipeline/BatchSummary.h"

#include <gtest/gtest.h>

namespace {

CArray<GFileResult> rows(std::initializer_list<GFileResult> list)
{
    CArray<GFileResult> result;
    for (const GFileResult& row : list)
        result.Add(row);
    return result;
}

TEST(BatchSummaryTest, AllSucceeded)
{
    EXPECT_EQ(batchSummary(rows({{L"/a.dwg", true, L"", Acad::eOk}, {L"/b.dwg", true, L"", Acad::eOk}})),
              CString(L"加密2个文件全部成功"));
}

TEST(BatchSummaryTest, EmptyBatchIsAFullSuccessOfNone)
{
    EXPECT_EQ(batchSummary(rows({})), CString(L"加密0个文件全部成功"));
}

TEST(BatchSummaryTest, FailuresAreCountedAndNamedInOrder)
{
    const CString text = batchSummary(rows({{L"/a.dwg", true, L"", Acad::eOk},
                                            {L"/b.dwg", false, L"打开文件失败:x", Acad::eFileNotFound},
                                            {L"/c.dwg", true, L"", Acad::eOk},
                                            {L"/d.dwg", false, L"保存DWG文件失败:y", Acad::eInvalidInput}}));
    EXPECT_EQ(text, CString(L"加密4个文件,其中成功2个,失败2个"
                            L"\r\n加密文件\"/b.dwg\"失败\r\n失败原因:打开文件失败:x"
                            L"\r\n加密文件\"/d.dwg\"失败\r\n失败原因:保存DWG文件失败:y"));
}

CStringArray files(std::initializer_list<const wchar_t*> list)
{
    CStringArray result;
    for (const wchar_t* file : list)
        result.Add(file);
    return result;
}

TEST(ArchiveCommandTest, ArchiveLiesBesideTheOutputFolderNamedAfterIt)
{
    const ArchiveCommand command = makeArchiveCommand(L"/inst/3rd/Rar.exe", L"/send/job1", L"zip",
                                                      files({L"/send/job1/a.dwg", L"/send/job1/setup.exe"}));
    EXPECT_EQ(command.commandLine(), CString(L"\"/inst/3rd/Rar.exe\" a \"/send/job1.zip\" \"/send/job1/a.dwg\" "
                                             L"\"/send/job1/setup.exe\""));
    const std::vector<std::wstring> expected{L"/inst/3rd/Rar.exe", L"a", L"/send/job1.zip", L"/send/job1/a.dwg",
                                             L"/send/job1/setup.exe"};
    EXPECT_EQ(command.arguments(), expected);
}

TEST(ArchiveCommandTest, TrailingSeparatorsDoNotChangeTheArchiveName)
{
    EXPECT_EQ(makeArchiveCommand(L"R", L"C:\\send\\job1\\", L"rar", files({})).archivePath,
              CString(L"C:\\send/job1.rar"));
    EXPECT_EQ(makeArchiveCommand(L"R", L"/send/job1//", L"zip", files({})).archivePath, CString(L"/send/job1.zip"));
}

TEST(ArchiveCommandTest, QuoteInsideAPathStaysOneArgument)
{
    const ArchiveCommand command = makeArchiveCommand(L"R", L"/s/o", L"7z", files({L"/s/o/a\"b.dwg"}));
    ASSERT_EQ(command.arguments().size(), 4u);
    EXPECT_EQ(command.arguments()[3], L"/s/o/a\"b.dwg");
}

} // namespace
