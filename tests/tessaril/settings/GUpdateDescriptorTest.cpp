#include "settings/GUpdateDescriptor.h"
#include "FileBytes.h"
#include "ScopedTempFolder.h"

#include <gtest/gtest.h>

namespace {

class UpdateDescriptorTest : public ::testing::Test {
protected:
    std::filesystem::path store(const std::string& bytes) const
    {
        writeBytes(m_file, bytes);
        return m_file;
    }
    std::string stored() const { return readBytes(m_file); }

    ScopedTempFolder m_folder;
    std::filesystem::path m_file = m_folder / "TessarilUpdate.xml";
};

TEST_F(UpdateDescriptorTest, ReadsTheVersionElementUnderAnyDocumentElement)
{
    GUpdateDescriptor descriptor;
    ASSERT_TRUE(descriptor.read(store(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Update>\n"
        " <Version Current=\"1.2.6\" VersiuonURL=\"http://example.com/u.xml\" URL=\"http://example.com/setup.exe\"\n"
        "  LastUpdateTime=\"2023-11-14 22:13:20\"><UpdatDescribe>修正 <![CDATA[<水印>]]></UpdatDescribe></Version>\n"
        " <Version Current=\"9.9.9\"/>\n</Update>\n")));
    EXPECT_STREQ(descriptor.m_current, L"1.2.6");
    EXPECT_STREQ(descriptor.m_versionUrl, L"http://example.com/u.xml");
    EXPECT_STREQ(descriptor.m_url, L"http://example.com/setup.exe");
    EXPECT_STREQ(descriptor.m_lastUpdateTime, L"2023-11-14 22:13:20");
    EXPECT_STREQ(descriptor.m_describe, L"修正 <水印>");
}

TEST_F(UpdateDescriptorTest, AbsentAttributesAndDescriptionReadAsEmpty)
{
    GUpdateDescriptor descriptor{L"old", L"old", L"old", L"old", L"old"};
    ASSERT_TRUE(descriptor.read(store("<a><Version current=\"1.0\" URL=\"u\"/></a>")));
    EXPECT_STREQ(descriptor.m_current, L"");
    EXPECT_STREQ(descriptor.m_url, L"u");
    EXPECT_STREQ(descriptor.m_describe, L"");
    EXPECT_STREQ(descriptor.m_lastUpdateTime, L"");
}

class UnreadableDescriptorTest : public UpdateDescriptorTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(UnreadableDescriptorTest, IsRefusedAndNeitherReadNorStamped)
{
    if (GetParam() != nullptr)
        store(GetParam());
    GUpdateDescriptor descriptor{L"1.0", L"v", L"u", L"d", L"t"};
    EXPECT_FALSE(descriptor.read(m_file));
    EXPECT_STREQ(descriptor.m_current, L"1.0");
    EXPECT_STREQ(descriptor.m_describe, L"d");

    EXPECT_FALSE(stampDescriptorCheckTime(m_file, L"2023-11-14 22:13:20"));
    EXPECT_EQ(std::filesystem::exists(m_file), GetParam() != nullptr);
    if (GetParam() != nullptr) {
        EXPECT_EQ(stored(), GetParam());
    }
}

INSTANTIATE_TEST_SUITE_P(Files, UnreadableDescriptorTest,
                         ::testing::Values(nullptr, "", "<Update><Version Current=\"1.2.6\">",
                                           "<Update><version Current=\"1.2.6\"/></Update>",
                                           "<Update><Old><Version Current=\"1.2.6\"/></Old></Update>",
                                           "<Version Current=\"1.2.6\"/>", "\x01\x02 not xml"));

TEST_F(UpdateDescriptorTest, StampingChangesOnlyTheCheckTime)
{
    store("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- shipped -->\n<Update>\n"
          "\t<Version Current=\"1.2.6\" LastUpdateTime=\"bad\" URL=\"u\">\n\t\t<UpdatDescribe>新版</UpdatDescribe>\n"
          "\t</Version>\n</Update>\n");
    ASSERT_TRUE(stampDescriptorCheckTime(m_file, L"2023-11-14 22:13:20"));
    EXPECT_EQ(stored(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- shipped -->\n<Update>\n"
                        "\t<Version Current=\"1.2.6\" LastUpdateTime=\"2023-11-14 22:13:20\" URL=\"u\">\n"
                        "\t\t<UpdatDescribe>新版</UpdatDescribe>\n\t</Version>\n</Update>\n");
}

TEST_F(UpdateDescriptorTest, StampingAddsAMissingCheckTime)
{
    store("<Update><Version Current=\"1.2.6\"/></Update>");
    ASSERT_TRUE(stampDescriptorCheckTime(m_file, L"2023-11-14 22:13:20"));
    EXPECT_EQ(stored(), "<Update><Version Current=\"1.2.6\" LastUpdateTime=\"2023-11-14 22:13:20\"/></Update>\n");
}

} // namespace
