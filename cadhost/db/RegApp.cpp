#include "acutads.h"
#include "dbapserv.h"
#include "dbsymtb.h"

int acdbRegApp(const ACHAR* appName)
{
    AcDbDatabase* database = acdbHostApplicationServices()->workingDatabase();
    if (database == nullptr || appName == nullptr)
        return RTERROR;
    AcDbRegAppTable* table = nullptr;
    if (database->getRegAppTable(table, AcDb::kForRead) != Acad::eOk)
        return RTERROR;
    int result = RTNORM;
    if (!table->has(appName)) {
        auto* record = new AcDbRegAppTableRecord();
        if (table->upgradeOpen() != Acad::eOk || record->setName(appName) != Acad::eOk ||
            table->add(record) != Acad::eOk) {
            delete record;
            result = RTERROR;
        } else {
            record->close();
        }
    }
    table->close();
    return result;
}
