#include "DrawingFile.h"
#include "DrawingFixture.h"
#include "dbdict.h"
#include "dbproxy.h"

namespace {
using Records = std::vector<std::pair<Adesk::UInt64, std::vector<Adesk::UInt8>>>;

class ProxyTest : public DrawingFixture {
protected:
    void SetUp() override
    {
        markerId = addMarker(database, 42, L"标记");
        otherId = addMarker(database, 7);
        {
            AcDbObjectPointer<TestMarker> marker(markerId, AcDb::kForWrite);
            marker->linked = otherId;
            marker->setColorIndex(1);
        }
        AcDbDictionary* named = nullptr;
        ASSERT_EQ(Acad::eOk, database.getNamedObjectsDictionary(named, AcDb::kForWrite));
        auto* child = new TestNote();
        child->value = 1.5;
        auto* note = new TestNote();
        note->value = 2.5;
        note->pointed = database.layerZero();
        ASSERT_EQ(Acad::eOk, named->setAt(L"TEST_NOTE", note, noteId));
        AcDbObjectId childId;
        ASSERT_EQ(Acad::eOk, database.addAcDbObject(childId, child));
        child->setOwnerId(noteId);
        note->owned = childId;
        child->close();
        note->close();
        named->close();
        source = save(database, "source.dwg");
    }

    static Records records(const std::wstring& path)
    {
        Records stored;
        EXPECT_EQ(Acad::eOk, cadhost::objectRecords(readBytes(path), stored));
        return stored;
    }

    AcDbObjectId markerId;
    AcDbObjectId otherId;
    AcDbObjectId noteId;
    std::wstring source;
};

TEST_F(ProxyTest, UnknownClassesBecomeProxiesThatKeepEverything)
{
    TestMarker::unregister();
    TestNote::unregister();
    auto opened = open(source);
    AcDbObjectId proxyId;
    ASSERT_EQ(Acad::eOk, opened->getAcDbObjectId(proxyId, false, markerId.handle()));
    AcDbObjectPointer<AcDbProxyEntity> proxy(proxyId, AcDb::kForRead);
    ASSERT_EQ(Acad::eOk, proxy.openStatus());
    EXPECT_STREQ(L"TestMarker", proxy->originalClassName());
    EXPECT_STREQ(L"TESTMARKER", proxy->originalDxfName());
    EXPECT_STREQ(L"\"|Product Desc: tests\"", proxy->applicationDescription());
    EXPECT_EQ(0, proxy->proxyFlags());
    EXPECT_EQ(1, proxy->colorIndex());
    EXPECT_EQ(opened->layerZero(), proxy->layerId());
    AcDbObjectIdArray ids;
    AcDbIntArray kinds;
    ASSERT_EQ(Acad::eOk, proxy->getReferences(ids, kinds));
    AcDbObjectId otherInOpened;
    opened->getAcDbObjectId(otherInOpened, false, otherId.handle());
    ASSERT_EQ(3, ids.length());
    EXPECT_EQ(opened->layerZero(), ids[0]);
    EXPECT_EQ(otherInOpened, ids[2]);
    EXPECT_EQ(3, kinds[2]);

    AcDbDictionary* named = nullptr;
    ASSERT_EQ(Acad::eOk, opened->getNamedObjectsDictionary(named, AcDb::kForRead));
    AcDbObject* note = nullptr;
    ASSERT_EQ(Acad::eOk, named->getAt(L"test_note", note, AcDb::kForRead));
    named->close();
    ASSERT_NE(nullptr, AcDbProxyObject::cast(note));
    EXPECT_EQ(0x80, AcDbProxyObject::cast(note)->proxyFlags());
    note->close();
    proxy.close();

    std::wstring resaved = save(*opened, "resaved.dwg");
    EXPECT_EQ(records(source), records(resaved));
    EXPECT_EQ(readBytes(source), readBytes(resaved));

    TestMarker::rxInit();
    TestNote::rxInit();
    auto live = open(resaved);
    AcDbObjectId liveId;
    ASSERT_EQ(Acad::eOk, live->getAcDbObjectId(liveId, false, markerId.handle()));
    AcDbObjectPointer<TestMarker> marker(liveId, AcDb::kForRead);
    ASSERT_EQ(Acad::eOk, marker.openStatus());
    EXPECT_EQ(42, marker->number);
    EXPECT_EQ(L"标记", marker->label);
    EXPECT_EQ(otherId.handle(), marker->linked.handle());
    EXPECT_EQ(1, marker->colorIndex());
}

TEST_F(ProxyTest, ProxiesWithoutFlagsRefuseChanges)
{
    TestMarker::unregister();
    auto opened = open(source);
    AcDbObjectId proxyId;
    opened->getAcDbObjectId(proxyId, false, markerId.handle());
    AcDbEntityPointer proxy(proxyId, AcDb::kForWrite);
    ASSERT_EQ(Acad::eOk, proxy.openStatus());
    EXPECT_EQ(Acad::eNotAllowedForThisProxy, proxy->setColorIndex(2));
    EXPECT_EQ(Acad::eNotAllowedForThisProxy, proxy->setLayer(opened->layerZero()));
    EXPECT_EQ(Acad::eNotAllowedForThisProxy, proxy->erase());
    EXPECT_EQ(Acad::eNotAllowedForThisProxy, proxy->transformBy(AcGeMatrix3d()));
}

TEST_F(ProxyTest, AClassThatAsksForAProxyIsKeptAsOne)
{
    {
        AcDbObjectPointer<TestNote> note(noteId, AcDb::kForWrite);
        note->version = 2;
    }
    std::wstring future = save(database, "future.dwg");
    auto opened = open(future);
    AcDbObjectId id;
    ASSERT_EQ(Acad::eOk, opened->getAcDbObjectId(id, false, noteId.handle()));
    AcDbObjectPointer<AcDbProxyObject> proxy(id, AcDb::kForRead);
    ASSERT_EQ(Acad::eOk, proxy.openStatus());
    EXPECT_STREQ(L"TestNote", proxy->originalClassName());
    proxy.close();
    std::wstring resaved = save(*opened, "future-resaved.dwg");
    EXPECT_EQ(readBytes(future), readBytes(resaved));
}

TEST_F(ProxyTest, DeletingAClassTurnsLiveObjectsIntoProxies)
{
    TestMarker::unregister();
    AcDbObjectPointer<AcDbProxyEntity> proxy(markerId, AcDb::kForRead);
    ASSERT_EQ(Acad::eOk, proxy.openStatus());
    EXPECT_STREQ(L"TestMarker", proxy->originalClassName());
    EXPECT_EQ(1, proxy->colorIndex());
    EXPECT_EQ(database.modelSpaceId(), proxy->ownerId());
    proxy.close();
    std::wstring path = save(database, "after-unload.dwg");
    EXPECT_EQ(records(source), records(path));

    TestMarker::rxInit();
    auto live = open(path);
    AcDbObjectId liveId;
    live->getAcDbObjectId(liveId, false, markerId.handle());
    AcDbObjectPointer<TestMarker> marker(liveId, AcDb::kForRead);
    ASSERT_EQ(Acad::eOk, marker.openStatus());
    EXPECT_EQ(42, marker->number);
}
} // namespace
