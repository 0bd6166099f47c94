#include "GObjectData.h"

#include "RecordFields.h"
#include "acutads.h"

namespace {
constexpr Adesk::UInt32 kObjectVersion = 1;
constexpr std::size_t kHandleTextLength = 256;
} // namespace

AcRxClass* GObjectData::recordObject(AcDbObject* object)
{
    ACHAR buffer[kHandleTextLength] = {};
    object->getAcDbHandle().getIntoAsciiBuffer(buffer, kHandleTextLength);
    handleText = buffer;
    objectId = object->objectId();
    if (xdata != nullptr)
        acutRelRb(xdata);
    xdata = object->xData(nullptr);
    objectClass = object->isA();
    return objectClass;
}

void GObjectData::applyObject(AcDbObject*)
{
}

Acad::ErrorStatus GObjectData::writeObjectVersion(AcDbDwgFiler* filer)
{
    return filer->writeUInt32(objectVersion);
}

Acad::ErrorStatus GObjectData::readObjectVersion(AcDbDwgFiler* filer)
{
    return records::readVersion(filer, objectVersion, kObjectVersion);
}

bool GObjectData::mapId(AcDbObjectId& output, const AcDbObjectId& input)
{
    if (idMapping == nullptr) {
        output = input;
        return true;
    }
    AcDbIdPair pair(input, AcDbObjectId::kNull, false, false, true);
    if (!idMapping->compute(pair))
        return false;
    output = pair.value();
    return true;
}

void GObjectData::release()
{
    if (xdata != nullptr)
        acutRelRb(xdata);
    xdata = nullptr;
}
