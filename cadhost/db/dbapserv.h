// Host application services: the working database.
#pragma once

#include "dbmain.h"

class CADHOST_EXPORT AcDbHostApplicationServices {
public:
    AcDbDatabase* workingDatabase() const { return m_workingDatabase; }
    void setWorkingDatabase(AcDbDatabase* database) { m_workingDatabase = database; }

private:
    AcDbDatabase* m_workingDatabase = nullptr;
};

CADHOST_EXPORT AcDbHostApplicationServices* acdbHostApplicationServices();
