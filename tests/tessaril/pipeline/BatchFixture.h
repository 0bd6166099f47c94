// A batch on disk for the pipeline tests: an installation with the recipient's files and the archiver,
// drawings in a source folder, an output folder, and a temporary folder of its own that the test can
// inspect. Everything the batch reads or leaves is reachable from here.
#pragma once

#include "PipelineTestSupport.h"
#include "RunProcess.h"
#include "ScopedTempFolder.h"
#include "TempInstallRoot.h"

#include "pipeline/GFileResult.h"
#include "pipeline/GGuardOption.h"
#include "pipeline/OverwriteAnswer.h"
#include "pipeline/RunBatch.h"

#include "ScriptedUiDriver.h"
#include "acdocman.h"
#include "codepage.h"
#include "dbents.h"
#include "faultplan.h"
#include "process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

inline std::string fileBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Every file and folder below the folder, relative to it and sorted.
inline std::vector<std::string> treeNames(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (auto entry = std::filesystem::recursive_directory_iterator(folder, error);
         entry != std::filesystem::recursive_directory_iterator(); entry.increment(error))
        names.push_back(std::filesystem::relative(entry->path(), folder).string());
    std::sort(names.begin(), names.end());
    return names;
}

class BatchFixture : public ::testing::Test {
protected:
    static constexpr int kLines = 40;

    void SetUp() override
    {
        const std::filesystem::path source = std::filesystem::path(TESSARIL_SOURCE_DIR) / "install" / "root";
        for (const std::filesystem::path& name :
             {std::filesystem::path("setup.exe"), readmeName(), std::filesystem::path("3rd/Rar.exe")}) {
            std::filesystem::create_directories((m_install.path() / name).parent_path());
            std::filesystem::copy_file(source / name, m_install.path() / name);
        }
        std::filesystem::create_directories(m_sources);
        std::filesystem::create_directories(m_output);
        std::filesystem::create_directories(m_temporary);
        if (const char* previous = std::getenv("TMPDIR"))
            m_previousTemporary = previous;
        useTemporaryFolder(m_temporary);
        GuardOption = GGuardOption();
        GuardOption.outputFolder = wide(m_output).c_str();
        GuardOption.kindFlags.curves = true;
        FileResults.RemoveAll();
        OverwriteAnswer = OverwriteAnswerState();
    }

    void TearDown() override
    {
        cadhost::setFileFaults({});
        cadhost::waitForStartedProcesses();
        if (m_previousTemporary)
            setenv("TMPDIR", m_previousTemporary->c_str(), 1);
        else
            unsetenv("TMPDIR");
        GuardOption = GGuardOption();
        FileResults.RemoveAll();
        EXPECT_EQ(acDocManager->documentCount(), 0);
    }

    static std::filesystem::path readmeName() { return std::filesystem::path(u8"使用说明.txt"); }

    void useTemporaryFolder(const std::filesystem::path& folder) { setenv("TMPDIR", folder.c_str(), 1); }

    static void saveLineDrawing(const std::filesystem::path& path)
    {
        WorkingDatabase working;
        for (int i = 0; i < kLines; ++i)
            appendTo(working.database.modelSpaceId(), new AcDbLine(AcGePoint3d(0, i, 0), AcGePoint3d(10, i, 0)));
        ASSERT_EQ(working.database.saveAs(path.wstring().c_str()), Acad::eOk);
    }

    // A drawing in the source folder, listed with its size as the dialog lists it.
    void addDrawing(const std::filesystem::path& relative)
    {
        const std::filesystem::path path = m_sources / relative;
        std::filesystem::create_directories(path.parent_path());
        saveLineDrawing(path);
        m_sourceBytes[path] = fileBytes(path);
        GuardOption.sourcePaths.Add(wide(path).c_str());
        GuardOption.listedSizes.push_back(static_cast<Adesk::UInt32>(std::filesystem::file_size(path)));
    }

    void runExpecting(const std::wstring& summary)
    {
        cadhost::ScriptedUiDriver ui;
        ui.expectMessageBox(summary, IDOK);
        const cadhost::UiDriverScope scope(ui);
        runBatch();
        EXPECT_TRUE(ui.finished()) << ui.pending();
    }

    // The summary's block for one failed source.
    std::wstring failure(const std::filesystem::path& source, const std::wstring& reason) const
    {
        return L"\r\n加密文件\"" + wide(source) + L"\"失败\r\n失败原因:" + reason;
    }

    // The sources are as they were, and no temporary copy is left once the batch is over.
    void expectSourcesUntouchedAndNoCopiesLeft() const
    {
        for (const auto& [path, bytes] : m_sourceBytes)
            EXPECT_TRUE(std::filesystem::exists(path) && fileBytes(path) == bytes) << path;
        EXPECT_EQ(treeNames(m_temporary), std::vector<std::string>{});
    }

    bool isProtected(const std::filesystem::path& path) const
    {
        AcDbDatabase database(false, true);
        if (database.readDwgFile(path.wstring().c_str()) != Acad::eOk)
            return false;
        const std::vector<std::wstring> names = classNames(database.modelSpaceId());
        return std::count(names.begin(), names.end(), L"AcDbLineEx") == kLines;
    }

    // UTF-8 as the host converts it, whatever the C library's locale.
    static std::wstring wide(const std::filesystem::path& path) { return cadhost::fromUtf8(path.string()); }

    TempInstallRoot m_install;
    ScopedTempFolder m_work;
    std::filesystem::path m_sources = m_work / "drawings";
    std::filesystem::path m_output = m_work / "send" / "job1";
    std::filesystem::path m_temporary = m_work / "temporary";
    std::map<std::filesystem::path, std::string> m_sourceBytes;
    std::optional<std::string> m_previousTemporary;
};
