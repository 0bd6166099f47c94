#include "LockMarker.h"

#include "ResbufType.h"
#include "acutads.h"
#include "dbobjptr.h"
#include "dbsymtb.h"

#include <memory>

namespace {

Acad::ErrorStatus registerApplication(AcDbDatabase* database)
{
    if (database == nullptr)
        return Acad::eNoDatabase;
    AcDbRegAppTablePointer table(database, AcDb::kForRead);
    if (table.openStatus() != Acad::eOk)
        return table.openStatus();
    if (table->has(kLockMarkerApplication))
        return Acad::eOk;
    if (Acad::ErrorStatus status = table->upgradeOpen(); status != Acad::eOk)
        return status;
    auto record = std::make_unique<AcDbRegAppTableRecord>();
    record->setName(kLockMarkerApplication);
    if (Acad::ErrorStatus status = table->add(record.get()); status != Acad::eOk)
        return status;
    record.release()->close();
    return Acad::eOk;
}

} // namespace

Acad::ErrorStatus setLockMarker(AcDbEntity* entity, const wchar_t* marker)
{
    cadhost::ResbufChain chain(entity->xData(kLockMarkerApplication));
    Acad::ErrorStatus status = Acad::eOk;
    if (chain) {
        acutRelRb(chain->rbnext);
        chain->rbnext = nullptr;
    } else {
        status = registerApplication(entity->database());
        chain.reset(acutBuildList(AcDb::kDxfRegAppName, kLockMarkerApplication, RTNONE));
    }
    if (status == Acad::eOk) {
        chain->rbnext = acutBuildList(AcDb::kDxfXdAsciiString, marker, RTNONE);
        status = entity->setXData(chain.get());
    }
    if (status != Acad::eOk)
        acutPrintf(L"\n%s\n", acadErrorStatusText(status));
    return status;
}
