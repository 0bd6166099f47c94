#include "DbTestClasses.h"

namespace {
template <class T>
void registerClass(AcRxClass*& desc, const ACHAR* name, const ACHAR* parent, const ACHAR* dxfName, int flags)
{
    if (desc == nullptr)
        desc = newAcRxClass(name, parent, 31, 8, flags, &acrxMakeObject<T>, dxfName, L"\"|Product Desc: tests\"");
}

void unregisterClass(AcRxClass*& desc)
{
    deleteAcRxClass(desc);
    desc = nullptr;
}
} // namespace

AcRxClass* TestMarker::gpDesc = nullptr;
AcRxClass* TestMarker::desc()
{
    return gpDesc;
}
AcRxClass* TestMarker::isA() const
{
    return gpDesc;
}
void TestMarker::rxInit()
{
    registerClass<TestMarker>(gpDesc, L"TestMarker", L"AcDbEntity", L"TESTMARKER", 0);
}
void TestMarker::unregister()
{
    unregisterClass(gpDesc);
}

Acad::ErrorStatus TestMarker::dwgOutFields(AcDbDwgFiler* filer) const
{
    if (Acad::ErrorStatus status = AcDbEntity::dwgOutFields(filer); status != Acad::eOk)
        return status;
    filer->writeInt32(number);
    filer->writeString(label.c_str());
    filer->writeSoftPointerId(linked);
    return filer->filerStatus();
}

Acad::ErrorStatus TestMarker::dwgInFields(AcDbDwgFiler* filer)
{
    if (Acad::ErrorStatus status = AcDbEntity::dwgInFields(filer); status != Acad::eOk)
        return status;
    AcString text;
    AcDbSoftPointerId id;
    filer->readInt32(&number);
    filer->readString(text);
    filer->readSoftPointerId(&id);
    label = text.str();
    linked = id;
    return filer->filerStatus();
}

AcRxClass* TestNote::gpDesc = nullptr;
AcRxClass* TestNote::desc()
{
    return gpDesc;
}
AcRxClass* TestNote::isA() const
{
    return gpDesc;
}
void TestNote::rxInit()
{
    registerClass<TestNote>(gpDesc, L"TestNote", L"AcDbObject", L"TESTNOTE", 0x80);
}
void TestNote::unregister()
{
    unregisterClass(gpDesc);
}

Acad::ErrorStatus TestNote::dwgOutFields(AcDbDwgFiler* filer) const
{
    if (Acad::ErrorStatus status = AcDbObject::dwgOutFields(filer); status != Acad::eOk)
        return status;
    filer->writeUInt32(version);
    filer->writeDouble(value);
    filer->writeHardOwnershipId(owned);
    filer->writeHardPointerId(pointed);
    return filer->filerStatus();
}

Acad::ErrorStatus TestNote::dwgInFields(AcDbDwgFiler* filer)
{
    if (Acad::ErrorStatus status = AcDbObject::dwgInFields(filer); status != Acad::eOk)
        return status;
    filer->readUInt32(&version);
    if (version > 1)
        return Acad::eMakeMeProxy;
    AcDbHardOwnershipId ownedId;
    AcDbHardPointerId pointedId;
    filer->readDouble(&value);
    filer->readHardOwnershipId(&ownedId);
    filer->readHardPointerId(&pointedId);
    owned = ownedId;
    pointed = pointedId;
    return filer->filerStatus();
}

TestClassesRegistered::TestClassesRegistered()
{
    TestMarker::rxInit();
    TestNote::rxInit();
    acrxBuildClassHierarchy();
}

TestClassesRegistered::~TestClassesRegistered()
{
    TestMarker::unregister();
    TestNote::unregister();
}
