#include "ui/GCopyrightOption.h"
#include "MemoryDwgFiler.h"
#include "TempInstallRoot.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

namespace {

using Calls = std::vector<std::string>;

std::vector<std::wstring> linesOf(const CStringArray& lines)
{
    std::vector<std::wstring> texts;
    for (const CString& line : lines)
        texts.push_back(line.str());
    return texts;
}

GCopyrightOption sampleOption()
{
    GCopyrightOption option;
    option.owner = GCopyrightItem(L"Owner A", true, false);
    option.user = GCopyrightItem(L"User B", false, true);
    option.date = GCopyrightItem(L"2024/5/7", true, true);
    option.extra.lines.Add(L"tel");
    option.extra.lines.Add(L"QQ");
    option.extra.stamp = true;
    option.rows = 3;
    option.columns = 8;
    return option;
}

TEST(GCopyrightOption, NewRecordHasTheProductDefaults)
{
    const GCopyrightOption option;
    EXPECT_STREQ(option.owner.text, L"Tessaril 图纸外发保护");
    EXPECT_STREQ(option.user.text, L"https://www.tessaril.com");
    EXPECT_STREQ(option.date.text, L"");
    for (const GCopyrightItem* note : {&option.owner, &option.user, &option.date}) {
        EXPECT_TRUE(note->stamp);
        EXPECT_TRUE(note->plot);
    }
    EXPECT_EQ(option.extra.lines.GetSize(), 0);
    EXPECT_FALSE(option.extra.stamp);
    EXPECT_FALSE(option.extra.plot);
    EXPECT_EQ(option.rows, 10);
    EXPECT_EQ(option.columns, 10);
    EXPECT_EQ(option.version, 1);
    const GCopyrightItem note;
    EXPECT_STREQ(note.text, L"");
    EXPECT_TRUE(note.stamp);
    EXPECT_TRUE(note.plot);
}

TEST(GCopyrightOption, CopyTakesEveryFieldAndItsOwnLines)
{
    const GCopyrightOption original = sampleOption();
    GCopyrightOption copy;
    copy = original;
    copy.extra.lines[0] = L"changed";
    EXPECT_STREQ(original.extra.lines[0], L"tel");
    EXPECT_EQ(linesOf(copy.extra.lines), (std::vector<std::wstring>{L"changed", L"QQ"}));
    EXPECT_STREQ(copy.owner.text, L"Owner A");
    EXPECT_FALSE(copy.owner.plot);
    EXPECT_FALSE(copy.user.stamp);
    EXPECT_EQ(copy.rows, 3);
    EXPECT_EQ(copy.columns, 8);
}

TEST(GCopyrightOption, FiledFormInOrder)
{
    MemoryDwgFiler filer;
    ASSERT_EQ(sampleOption().dwgOutFields(&filer), Acad::eOk);
    EXPECT_EQ(filer.calls(), (Calls{"writeUInt32 1", "writeString Owner A", "writeBool 1", "writeBool 0",
                                    "writeString User B", "writeBool 0", "writeBool 1", "writeString 2024/5/7",
                                    "writeBool 1", "writeBool 1", "writeUInt32 2", "writeString tel", "writeString QQ",
                                    "writeBool 1", "writeBool 0", "writeUInt32 3", "writeUInt32 8"}));
}

TEST(GCopyrightOption, RecordWithoutExtraLinesFilesTheCountAlone)
{
    GCopyrightOption option;
    option.date.text = L"d";
    MemoryDwgFiler filer;
    ASSERT_EQ(option.dwgOutFields(&filer), Acad::eOk);
    const Calls calls = filer.calls();
    ASSERT_EQ(calls.size(), 15U);
    EXPECT_EQ(Calls(calls.begin() + 10, calls.end()),
              (Calls{"writeUInt32 0", "writeBool 0", "writeBool 0", "writeUInt32 10", "writeUInt32 10"}));
}

TEST(GCopyrightOption, ReadingRestoresEveryField)
{
    MemoryDwgFiler filer;
    ASSERT_EQ(sampleOption().dwgOutFields(&filer), Acad::eOk);
    filer.rewind();
    GCopyrightOption read;
    read.extra.lines.Add(L"stale");
    ASSERT_EQ(read.dwgInFields(&filer), Acad::eOk);
    EXPECT_EQ(filer.unreadCount(), 0U);
    EXPECT_STREQ(read.owner.text, L"Owner A");
    EXPECT_TRUE(read.owner.stamp);
    EXPECT_FALSE(read.owner.plot);
    EXPECT_STREQ(read.user.text, L"User B");
    EXPECT_FALSE(read.user.stamp);
    EXPECT_TRUE(read.user.plot);
    EXPECT_STREQ(read.date.text, L"2024/5/7");
    EXPECT_EQ(linesOf(read.extra.lines), (std::vector<std::wstring>{L"tel", L"QQ"}));
    EXPECT_TRUE(read.extra.stamp);
    EXPECT_FALSE(read.extra.plot);
    EXPECT_EQ(read.rows, 3);
    EXPECT_EQ(read.columns, 8);
    EXPECT_EQ(read.version, 1);
}

TEST(GCopyrightOption, ANewerVersionIsLeftToTheProxy)
{
    MemoryDwgFiler filer;
    filer.writeUInt32(2);
    filer.writeString(L"owner");
    filer.rewind();
    filer.clearCalls();
    GCopyrightOption read;
    EXPECT_EQ(read.dwgInFields(&filer), Acad::eMakeMeProxy);
    EXPECT_EQ(filer.calls(), (Calls{"readUInt32 2"}));
    EXPECT_STREQ(read.owner.text, L"Tessaril 图纸外发保护");
    EXPECT_EQ(read.version, 1);
}

TEST(GCopyrightOption, EveryReadFailureStopsTheReadingAtOnce)
{
    MemoryDwgFiler written;
    ASSERT_EQ(sampleOption().dwgOutFields(&written), Acad::eOk);
    const Calls writes = written.calls();
    std::map<std::string, int> occurrences;
    for (std::size_t i = 0; i < writes.size(); ++i) {
        const std::string operation = "read" + writes[i].substr(5, writes[i].find(' ') - 5);
        const int occurrence = ++occurrences[operation];
        MemoryDwgFiler filer;
        ASSERT_EQ(sampleOption().dwgOutFields(&filer), Acad::eOk);
        filer.rewind();
        filer.clearCalls();
        filer.failOn(operation, occurrence, Acad::eEndOfFile);
        GCopyrightOption read;
        EXPECT_EQ(read.dwgInFields(&filer), Acad::eEndOfFile) << writes[i];
        EXPECT_EQ(filer.calls().size(), i + 1) << writes[i];
    }
}

TEST(GCopyrightOption, AFilerFailureIsReturnedAtOnce)
{
    MemoryDwgFiler filer;
    filer.failOn("writeBool", 3, Acad::eOutOfDisk);
    EXPECT_EQ(sampleOption().dwgOutFields(&filer), Acad::eOutOfDisk);
    EXPECT_EQ(filer.calls().size(), 6U);
    EXPECT_EQ(filer.calls().back(), "writeBool !eOutOfDisk");
}

TEST(GCopyrightOption, ReadingAStreamCutShortFails)
{
    MemoryDwgFiler filer;
    filer.writeUInt32(1);
    filer.writeString(L"甲");
    filer.writeBool(true);
    filer.rewind();
    filer.clearCalls();
    GCopyrightOption read;
    EXPECT_EQ(read.dwgInFields(&filer), Acad::eEndOfFile);
    EXPECT_EQ(filer.calls().back(), "readBool !eEndOfFile");
    EXPECT_STREQ(read.owner.text, L"甲");
}

TEST(GCopyrightOption, AHugeLineCountEndsAtTheEndOfTheStream)
{
    MemoryDwgFiler filer;
    filer.writeUInt32(0xFFFFFFFF);
    filer.writeString(L"only");
    filer.rewind();
    GCopyrightItemEx extra;
    EXPECT_EQ(extra.dwgInFields(&filer), Acad::eEndOfFile);
    EXPECT_EQ(linesOf(extra.lines), (std::vector<std::wstring>{L"only"}));
}

class CopyrightSettingsTest : public ::testing::Test {
protected:
    void store(const std::string& bytes) const { std::ofstream(m_root.settingsFile(), std::ios::binary) << bytes; }
    std::string stored() const
    {
        std::ifstream in(m_root.settingsFile(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    TempInstallRoot m_root;
};

TEST_F(CopyrightSettingsTest, SavingWritesEveryKey)
{
    sampleOption().saveToSettings();
    EXPECT_EQ(stored(), "[CopyrightOption_Owner]\nText=Owner A\nStamp=True\nPlot=False\n\n\n"
                        "[CopyrightOption_User]\nText=User B\nStamp=False\nPlot=True\n\n\n"
                        "[CopyrightOption_Date]\nText=2024/5/7\nStamp=True\nPlot=True\n\n\n"
                        "[CopyrightOption_Extra]\nNum=2\nText1=tel\nText2=QQ\nStamp=True\nPlot=False\n\n\n"
                        "[CopyrightOption]\nRow=3\nCol=8\n");
}

TEST_F(CopyrightSettingsTest, SaveAndLoadRoundTrip)
{
    sampleOption().saveToSettings();
    GCopyrightOption loaded;
    loaded.loadFromSettings();
    EXPECT_STREQ(loaded.owner.text, L"Owner A");
    MemoryDwgFiler expected;
    MemoryDwgFiler actual;
    sampleOption().dwgOutFields(&expected);
    loaded.dwgOutFields(&actual);
    EXPECT_EQ(actual.calls(), expected.calls());
}

TEST_F(CopyrightSettingsTest, ChineseTextsRoundTrip)
{
    GCopyrightOption option;
    option.owner.text = L"某某设计研究院";
    option.extra.lines.Add(L"电话：010-12345678");
    option.saveToSettings();
    GCopyrightOption loaded;
    loaded.loadFromSettings();
    EXPECT_STREQ(loaded.owner.text, L"某某设计研究院");
    EXPECT_EQ(linesOf(loaded.extra.lines), (std::vector<std::wstring>{L"电话：010-12345678"}));
}

TEST_F(CopyrightSettingsTest, MissingKeysKeepTheCurrentValues)
{
    store("[CopyrightOption_User]\nStamp=false\n");
    GCopyrightOption option = sampleOption();
    option.loadFromSettings();
    EXPECT_STREQ(option.owner.text, L"Owner A");
    EXPECT_FALSE(option.owner.plot);
    EXPECT_FALSE(option.user.stamp);
    EXPECT_TRUE(option.user.plot);
    EXPECT_EQ(option.extra.lines.GetSize(), 0);
    EXPECT_TRUE(option.extra.stamp);
    EXPECT_EQ(option.rows, 10);
    EXPECT_EQ(option.columns, 10);
}

TEST_F(CopyrightSettingsTest, EmptyExtraLinesAreSkipped)
{
    store("[CopyrightOption_Extra]\nNum=3\nText1=a\nText2=\nText3=b\nText4=ignored\n");
    GCopyrightOption option;
    option.loadFromSettings();
    EXPECT_EQ(linesOf(option.extra.lines), (std::vector<std::wstring>{L"a", L"b"}));
}

// A damaged count costs no more than the keys the section holds; lines come in number order.
TEST_F(CopyrightSettingsTest, AHugeCountReadsOnlyTheLinesTheFileHolds)
{
    store("[CopyrightOption_Extra]\nNum=2147483647\nText2000000000=far\ntext7=b\nText1=a\nText01=zero\n");
    GCopyrightOption option;
    option.loadFromSettings();
    EXPECT_EQ(linesOf(option.extra.lines), (std::vector<std::wstring>{L"a", L"b", L"far"}));
}

TEST_F(CopyrightSettingsTest, ANegativeOrTextualCountMeansNoLines)
{
    for (const char* count : {"-2", "abc"}) {
        store(std::string("[CopyrightOption_Extra]\nNum=") + count + "\nText1=a\n");
        GCopyrightOption option;
        option.loadFromSettings();
        EXPECT_EQ(option.extra.lines.GetSize(), 0) << count;
    }
}

TEST_F(CopyrightSettingsTest, AShorterListLeavesTheOldKeysButLoadsOnlyItsOwn)
{
    GCopyrightOption option;
    for (const wchar_t* line : {L"1", L"2", L"3", L"4"})
        option.extra.lines.Add(line);
    option.saveToSettings();
    option.extra.lines.RemoveAt(2, 2);
    option.saveToSettings();
    EXPECT_NE(stored().find("Text3=3\nText4=4\n"), std::string::npos);
    GCopyrightOption loaded;
    loaded.loadFromSettings();
    EXPECT_EQ(linesOf(loaded.extra.lines), (std::vector<std::wstring>{L"1", L"2"}));
}

TEST_F(CopyrightSettingsTest, ALongNoteComesBackAsItsFirst127Characters)
{
    GCopyrightOption option;
    option.owner.text = CString(L'权', 200);
    option.saveToSettings();
    GCopyrightOption loaded;
    loaded.loadFromSettings();
    EXPECT_EQ(loaded.owner.text.GetLength(), 127);
    EXPECT_STREQ(loaded.owner.text, CString(L'权', 127));
}

TEST_F(CopyrightSettingsTest, FlagsAreTrueOnlyForTrueInAnyCase)
{
    store("[CopyrightOption_Owner]\nStamp=TRUE\nPlot=yes\n[CopyrightOption_Date]\nStamp=true\nPlot=1\n");
    GCopyrightOption option;
    option.loadFromSettings();
    EXPECT_TRUE(option.owner.stamp);
    EXPECT_FALSE(option.owner.plot);
    EXPECT_TRUE(option.date.stamp);
    EXPECT_FALSE(option.date.plot);
}

} // namespace
