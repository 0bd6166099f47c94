#include "settings/GUpdateInfo.h"
#include "FileBytes.h"
#include "LoopbackHttpServer.h"
#include "TempInstallRoot.h"
#include "codepage.h"
#include "settings/GUpdateCheckTime.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <regex>

namespace {

std::string descriptor(const std::string& current, const std::string& lastUpdateTime, const std::wstring& versionUrl)
{
    return "<Update><Version Current=\"" + current + "\" VersiuonURL=\"" + cadhost::toUtf8(versionUrl) +
           "\" URL=\"http://example.com/setup.exe\" LastUpdateTime=\"" + lastUpdateTime +
           "\"><UpdatDescribe>d</UpdatDescribe></Version></Update>";
}

// An installation whose server copy is published by a loopback server; downloads land in the test's own
// temporary folder.
class UpdateInfoTest : public ::testing::Test {
protected:
    UpdateInfoTest() { setenv("TMPDIR", m_temp.path().c_str(), 1); }
    ~UpdateInfoTest() override { unsetenv("TMPDIR"); }

    void install(const std::string& local, const std::string& server, const std::string& lastUpdateTime = "",
                 const std::wstring& versionUrl = L"")
    {
        writeBytes(localDescriptorPath(),
                   descriptor(local, lastUpdateTime, versionUrl.empty() ? m_server.url("/update.xml") : versionUrl));
        writeBytes(serverDescriptorPath(), descriptor(server, "", L""));
    }

    TempInstallRoot m_root;
    ScopedTempFolder m_temp;
    LoopbackHttpServer m_server{[](httplib::Server& server) {
        server.Get("/update.xml", [](const httplib::Request&, httplib::Response& response) {
            response.set_content(descriptor("1.2.7", "", L""), "text/xml");
        });
    }};
    GUpdateInfo m_info;
};

struct VersionCase {
    const char* local;
    const char* server;
    bool link;
};

class UpdateVersionTest : public UpdateInfoTest, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(UpdateVersionTest, ADifferentServerVersionShowsTheLinkAnEqualOneRefreshesTheServerCopy)
{
    install(GetParam().local, GetParam().server);
    m_info.runUpdateCheck();
    m_info.waitForDownload();
    EXPECT_EQ(m_info.showDownloadLink(), GetParam().link);
    EXPECT_STREQ(m_info.captionVersion(), CString(GetParam().local));
    if (GetParam().link) {
        EXPECT_STREQ(m_info.serverVersion(), CString(GetParam().server));
        EXPECT_STREQ(m_info.downloadAddress(), L"http://example.com/setup.exe");
    }
    EXPECT_EQ(m_server.requests(), GetParam().link ? 0 : 1);
    EXPECT_EQ(readBytes(serverDescriptorPath()), descriptor(GetParam().link ? GetParam().server : "1.2.7", "", L""));
}

INSTANTIATE_TEST_SUITE_P(Versions, UpdateVersionTest,
                         ::testing::Values(VersionCase{"1.2.6", "1.2.6", false}, VersionCase{"1.2.6", "1.2.5", true},
                                           VersionCase{"beta", "BETA", false}));

struct CheckTimeCase {
    std::function<std::string(std::time_t now, std::time_t started)> lastCheckTime;
    bool checked;
};

std::string at(std::time_t time)
{
    return cadhost::toUtf8(formatCheckTime(time).str());
}

class UpdateCheckTimeTest : public UpdateInfoTest, public ::testing::WithParamInterface<CheckTimeCase> {};

TEST_P(UpdateCheckTimeTest, OnlyACheckTimeBeforeTheComputerStartedOrUnreadableLetsTheCheckRun)
{
    const std::time_t now = std::time(nullptr);
    const std::string last = GetParam().lastCheckTime(now, now - static_cast<std::time_t>(secondsSinceComputerStart()));
    install("1.2.6", "1.2.5", last);
    const std::string before = readBytes(localDescriptorPath());
    m_info.runUpdateCheck();
    EXPECT_EQ(m_info.showDownloadLink(), GetParam().checked) << last;
    if (GetParam().checked) {
        const std::regex stamped("LastUpdateTime=\"(\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d)\"");
        const std::string after = readBytes(localDescriptorPath());
        std::smatch time;
        ASSERT_TRUE(std::regex_search(after, time, stamped));
        EXPECT_NE(time[1].str(), last);
    } else {
        EXPECT_EQ(readBytes(localDescriptorPath()), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Times, UpdateCheckTimeTest,
    ::testing::Values(CheckTimeCase{[](std::time_t, std::time_t started) { return at(started + 1); }, false},
                      CheckTimeCase{[](std::time_t now, std::time_t) { return at(now + 3600); }, false},
                      CheckTimeCase{[](std::time_t, std::time_t started) { return at(started - 60); }, true},
                      CheckTimeCase{[](std::time_t, std::time_t) { return "14/11/2023"; }, true},
                      CheckTimeCase{[](std::time_t, std::time_t) { return ""; }, true}));

TEST_F(UpdateInfoTest, ASecondCommandDoesNotCheckAgain)
{
    install("1.2.6", "1.2.5");
    m_info.runUpdateCheck();
    install("1.2.6", "1.2.6", "never");
    m_info.runUpdateCheck();
    m_info.waitForDownload();
    EXPECT_EQ(m_server.requests(), 0);
    EXPECT_NE(readBytes(localDescriptorPath()).find("LastUpdateTime=\"never\""), std::string::npos);
}

TEST_F(UpdateInfoTest, AFailedDownloadLeavesTheServerCopyAsItWas)
{
    std::wstring silent;
    {
        const LoopbackHttpServer stopped([](httplib::Server&) {});
        silent = stopped.url("/update.xml");
    }
    for (const std::wstring& address : {m_server.url("/missing"), silent}) {
        GUpdateInfo info;
        install("1.2.6", "1.2.6", "", address);
        info.runUpdateCheck();
        info.waitForDownload();
        EXPECT_EQ(readBytes(serverDescriptorPath()), descriptor("1.2.6", "", L""));
    }
    EXPECT_EQ(m_server.requests(), 1);
}

TEST_F(UpdateInfoTest, WithoutTheServerCopyNothingIsDownloadedWithoutTheLocalOneNothingIsChecked)
{
    install("1.2.6", "1.2.6");
    std::filesystem::remove(serverDescriptorPath());
    m_info.runUpdateCheck();
    m_info.waitForDownload();
    EXPECT_EQ(m_server.requests(), 0);

    GUpdateInfo withoutLocal;
    std::filesystem::remove(localDescriptorPath());
    withoutLocal.runUpdateCheck();
    EXPECT_STREQ(withoutLocal.captionVersion(), L"");
    EXPECT_FALSE(withoutLocal.showDownloadLink());
}

} // namespace
