// The root of the entity data records: what every recorded database object has.
#pragma once

#include "acadstrc.h"
#include "adsdef.h"
#include "afxstr.h"
#include "dbidmap.h"
#include "dbmain.h"

class GObjectData {
public:
    GObjectData() = default;
    GObjectData(const GObjectData&) = delete;
    GObjectData& operator=(const GObjectData&) = delete;
    virtual ~GObjectData() = default;

    virtual AcRxClass* recordObject(AcDbObject* object);
    virtual void applyObject(AcDbObject* object);
    virtual Acad::ErrorStatus writeObjectVersion(AcDbDwgFiler* filer);
    virtual Acad::ErrorStatus readObjectVersion(AcDbDwgFiler* filer);
    // Translates an id through idMapping; with no mapping the output is the input. An id the
    // mapping does not know leaves the output as it was and answers false.
    virtual bool mapId(AcDbObjectId& output, const AcDbObjectId& input);
    virtual void release();

    resbuf* xdata = nullptr;
    AcRxClass* objectClass = nullptr;
    CString handleText;
    AcDbObjectId objectId;
    AcDbIdMapping* idMapping = nullptr;
    Adesk::UInt32 objectVersion = 1;
};
