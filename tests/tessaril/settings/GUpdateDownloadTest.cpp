#include "settings/GUpdateDownload.h"
#include "FileBytes.h"
#include "LoopbackHttpServer.h"
#include "ScopedTempFolder.h"

#include <gtest/gtest.h>

namespace {

std::string binaryBody()
{
    std::string body;
    for (int i = 0; i < 5000; ++i)
        body += static_cast<char>(i % 256);
    return body;
}

class UpdateDownloadTest : public ::testing::Test {
protected:
    std::string fileBytes() const { return readBytes(m_file); }

    ScopedTempFolder m_folder;
    std::filesystem::path m_file = m_folder / "TessarilUpdate_Server.xml";
    std::string m_cacheControl;
    LoopbackHttpServer m_server{[this](httplib::Server& server) {
        server.Get("/binary", [this](const httplib::Request& request, httplib::Response& response) {
            m_cacheControl = request.get_header_value("Cache-Control");
            response.set_content(binaryBody(), "application/octet-stream");
        });
        server.Get("/empty", [](const httplib::Request&, httplib::Response& response) { response.status = 200; });
        server.Get("/moved",
                   [](const httplib::Request&, httplib::Response& response) { response.set_redirect("/binary"); });
        server.Get("/broken", [](const httplib::Request&, httplib::Response& response) {
            response.status = 500;
            response.set_content("<Update/>", "text/xml");
        });
    }};
};

TEST_F(UpdateDownloadTest, TheBodyArrivesByteForByteAndBypassesCaches)
{
    long status = 0;
    ASSERT_TRUE(downloadFile(m_server.url("/moved").c_str(), m_file, status));
    EXPECT_EQ(status, 200);
    EXPECT_EQ(fileBytes(), binaryBody());
    EXPECT_EQ(m_cacheControl, "no-cache");
}

TEST_F(UpdateDownloadTest, AnEmptyBodyTruncatesTheFile)
{
    writeBytes(m_file, "old");
    long status = 0;
    ASSERT_TRUE(downloadFile(m_server.url("/empty").c_str(), m_file, status));
    EXPECT_EQ(fileBytes(), "");
}

struct FailureCase {
    std::string target; // empty: no server answers at all
    long status;
};

class UpdateDownloadFailureTest : public UpdateDownloadTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(UpdateDownloadFailureTest, LeavesTheFileAloneAndReportsTheStatus)
{
    writeBytes(m_file, "old");
    std::wstring address = m_server.url(GetParam().target);
    if (GetParam().target.empty()) {
        const LoopbackHttpServer stopped([](httplib::Server&) {});
        address = stopped.url("/binary");
    }
    long status = 0;
    EXPECT_FALSE(downloadFile(address.c_str(), m_file, status));
    EXPECT_EQ(status, GetParam().status);
    EXPECT_EQ(fileBytes(), "old");
}

INSTANTIATE_TEST_SUITE_P(Answers, UpdateDownloadFailureTest,
                         ::testing::Values(FailureCase{"/missing", 404}, FailureCase{"/broken", 500},
                                           FailureCase{"", 404}));

TEST_F(UpdateDownloadTest, AFileThatCannotBeCreatedFails)
{
    long status = 0;
    EXPECT_FALSE(downloadFile(m_server.url("/binary").c_str(), m_folder / "missing" / "x.xml", status));
    EXPECT_EQ(status, 200);
    EXPECT_FALSE(std::filesystem::exists(m_folder / "missing"));
}

} // namespace
