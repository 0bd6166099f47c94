// Layouts: the model tab and the paper-space tabs, each bound to its block table record.
#pragma once

#include "dbmain.h"

#include <string>

namespace cadhost {
class FieldIo;
}

class CADHOST_EXPORT AcDbLayout : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbLayout);
    AcDbLayout() = default;

    Acad::ErrorStatus getLayoutName(const ACHAR*& name) const;
    Acad::ErrorStatus getLayoutName(AcString& name) const;
    // A copy made with acutNewString; release it with acutDelString.
    Acad::ErrorStatus getLayoutName(ACHAR*& name) const;
    Acad::ErrorStatus setLayoutName(const ACHAR* name);
    int getTabOrder() const;
    void setTabOrder(int order);
    bool getTabSelected() const;
    void setTabSelected(bool selected);
    AcDbObjectId getBlockTableRecordId() const;
    Acad::ErrorStatus setBlockTableRecordId(AcDbObjectId blockId);
    // The viewports of the layout's block in entity order; in a paper-space layout the first one
    // is the overall viewport of the sheet.
    AcDbObjectIdArray getViewportArray() const;
    void getViewportArray(AcDbObjectIdArray& viewportIds) const { viewportIds = getViewportArray(); }

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

private:
    void fileFields(cadhost::FieldIo& io);

    std::wstring m_name;
    Adesk::Int32 m_tabOrder = 0;
    bool m_tabSelected = false;
    AcDbObjectId m_blockId;
};
