#include "DbTestClasses.h"
#include "ResbufType.h"
#include "dbapserv.h"
#include "dbobjptr.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
// "code:value" for every item of a chain, for compact comparisons.
std::vector<std::wstring> describe(const resbuf* chain)
{
    std::vector<std::wstring> items;
    for (const resbuf* item = chain; item != nullptr; item = item->rbnext) {
        std::wstring text = std::to_wstring(item->restype) + L":";
        switch (item->restype) {
        case AcDb::kDxfRegAppName:
        case AcDb::kDxfXdAsciiString:
            text += item->resval.rstring;
            break;
        case AcDb::kDxfXdInteger16:
            text += std::to_wstring(item->resval.rint);
            break;
        case AcDb::kDxfXdInteger32:
            text += std::to_wstring(item->resval.rlong);
            break;
        case AcDb::kDxfXdReal:
            text += std::to_wstring(item->resval.rreal);
            break;
        default:
            break;
        }
        items.push_back(text);
    }
    return items;
}

class XDataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        acdbHostApplicationServices()->setWorkingDatabase(&database);
        ASSERT_EQ(RTNORM, acdbRegApp(L"KelvoLockEntity"));
        ASSERT_EQ(RTNORM, acdbRegApp(L"OTHER"));
        AcDbBlockTableRecordPointer space(database.modelSpaceId(), AcDb::kForWrite);
        auto* marker = new TestMarker();
        ASSERT_EQ(Acad::eOk, space->appendAcDbEntity(id, marker));
        marker->close();
    }
    void TearDown() override { acdbHostApplicationServices()->setWorkingDatabase(nullptr); }

    TestClassesRegistered classes;
    AcDbDatabase database;
    AcDbObjectId id;
};

TEST_F(XDataTest, EachApplicationKeepsItsOwnItems)
{
    AcDbEntityPointer entity(id, AcDb::kForWrite);
    cadhost::ResbufChain first(acutBuildList(AcDb::kDxfRegAppName, L"KelvoLockEntity", AcDb::kDxfXdAsciiString,
                                             L"locked", AcDb::kDxfXdInteger16, 3, RTNONE));
    cadhost::ResbufChain second(
        acutBuildList(AcDb::kDxfRegAppName, L"OTHER", AcDb::kDxfXdInteger32, 70000, AcDb::kDxfXdReal, 2.5, RTNONE));
    ASSERT_EQ(Acad::eOk, entity->setXData(first.get()));
    ASSERT_EQ(Acad::eOk, entity->setXData(second.get()));

    cadhost::ResbufChain mine(entity->xData(L"kelvolockentity"));
    EXPECT_EQ((std::vector<std::wstring>{L"1001:KelvoLockEntity", L"1000:locked", L"1070:3"}), describe(mine.get()));
    cadhost::ResbufChain all(entity->xData());
    EXPECT_EQ((std::vector<std::wstring>{L"1001:KelvoLockEntity", L"1000:locked", L"1070:3", L"1001:OTHER",
                                         L"1071:70000", L"1040:2.500000"}),
              describe(all.get()));
    EXPECT_EQ(nullptr, entity->xData(L"ACAD"));
}

TEST_F(XDataTest, AGroupWithoutItemsRemovesTheApplication)
{
    AcDbEntityPointer entity(id, AcDb::kForWrite);
    cadhost::ResbufChain data(acutBuildList(AcDb::kDxfRegAppName, L"OTHER", AcDb::kDxfXdAsciiString, L"x", RTNONE));
    ASSERT_EQ(Acad::eOk, entity->setXData(data.get()));
    cadhost::ResbufChain removal(acutBuildList(AcDb::kDxfRegAppName, L"OTHER", RTNONE));
    ASSERT_EQ(Acad::eOk, entity->setXData(removal.get()));
    EXPECT_EQ(nullptr, entity->xData());
}

TEST_F(XDataTest, UnregisteredApplicationsAreRefused)
{
    AcDbEntityPointer entity(id, AcDb::kForWrite);
    cadhost::ResbufChain data(acutBuildList(AcDb::kDxfRegAppName, L"NOBODY", AcDb::kDxfXdAsciiString, L"x", RTNONE));
    EXPECT_EQ(Acad::eRegappIdNotFound, entity->setXData(data.get()));
    EXPECT_EQ(nullptr, entity->xData());
}

TEST_F(XDataTest, MalformedChainsAreRefusedWithoutChange)
{
    AcDbEntityPointer entity(id, AcDb::kForWrite);
    cadhost::ResbufChain good(acutBuildList(AcDb::kDxfRegAppName, L"OTHER", AcDb::kDxfXdInteger16, 1, RTNONE));
    ASSERT_EQ(Acad::eOk, entity->setXData(good.get()));
    cadhost::ResbufChain noApp(acutBuildList(AcDb::kDxfXdAsciiString, L"x", RTNONE));
    EXPECT_EQ(Acad::eInvalidResBuf, entity->setXData(noApp.get()));
    cadhost::ResbufChain badCode(acutBuildList(AcDb::kDxfRegAppName, L"OTHER", 8, L"layer", RTNONE));
    EXPECT_EQ(Acad::eInvalidResBuf, entity->setXData(badCode.get()));
    std::wstring big(9000, L'x');
    cadhost::ResbufChain tooBig(
        acutBuildList(AcDb::kDxfRegAppName, L"OTHER", AcDb::kDxfXdAsciiString, big.c_str(), RTNONE));
    EXPECT_EQ(Acad::eXdataSizeExceeded, entity->setXData(tooBig.get()));
    cadhost::ResbufChain kept(entity->xData());
    EXPECT_EQ((std::vector<std::wstring>{L"1001:OTHER", L"1070:1"}), describe(kept.get()));
}

TEST_F(XDataTest, SettingNeedsWriteAccess)
{
    AcDbEntityPointer entity(id, AcDb::kForRead);
    cadhost::ResbufChain data(acutBuildList(AcDb::kDxfRegAppName, L"OTHER", AcDb::kDxfXdInteger16, 1, RTNONE));
    EXPECT_EQ(Acad::eNotOpenForWrite, entity->setXData(data.get()));
}

TEST(ResbufTest, DuplicatesAreDeep)
{
    ads_point point = {1.0, 2.0, 3.0};
    char bytes[] = {1, 2, 3};
    ads_binary chunk{3, bytes};
    cadhost::ResbufChain chain(acutBuildList(AcDb::kDxfXdAsciiString, L"text", AcDb::kDxfXdXCoord, point,
                                             AcDb::kDxfXdBinaryChunk, &chunk, RTNONE));
    cadhost::ResbufChain copy(acutRbDup(chain.get()));
    ASSERT_NE(nullptr, copy);
    EXPECT_NE(chain->resval.rstring, copy->resval.rstring);
    EXPECT_STREQ(L"text", copy->resval.rstring);
    EXPECT_EQ(3.0, copy->rbnext->resval.rpoint[2]);
    const resbuf* binary = copy->rbnext->rbnext;
    ASSERT_EQ(3, binary->resval.rbinary.clen);
    EXPECT_NE(bytes, binary->resval.rbinary.buf);
    EXPECT_EQ(3, binary->resval.rbinary.buf[2]);
    EXPECT_EQ(nullptr, binary->rbnext);
}
} // namespace
