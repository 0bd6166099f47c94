#include "dblayout.h"

#include "FieldIo.h"
#include "dbimpobject.h"
#include "dbsymtb.h"

Acad::ErrorStatus AcDbLayout::getLayoutName(const ACHAR*& name) const
{
    assertReadEnabled();
    name = m_name.c_str();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLayout::getLayoutName(AcString& name) const
{
    assertReadEnabled();
    name = AcString(m_name);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLayout::getLayoutName(ACHAR*& name) const
{
    assertReadEnabled();
    return acutNewString(m_name.c_str(), name);
}

Acad::ErrorStatus AcDbLayout::setLayoutName(const ACHAR* name)
{
    if (name == nullptr || *name == 0)
        return Acad::eRenameInvalidLayoutName;
    assertWriteEnabled();
    m_name = name;
    return Acad::eOk;
}

int AcDbLayout::getTabOrder() const
{
    assertReadEnabled();
    return m_tabOrder;
}

void AcDbLayout::setTabOrder(int order)
{
    assertWriteEnabled();
    m_tabOrder = order;
}

bool AcDbLayout::getTabSelected() const
{
    assertReadEnabled();
    return m_tabSelected;
}

void AcDbLayout::setTabSelected(bool selected)
{
    assertWriteEnabled();
    m_tabSelected = selected;
}

AcDbObjectId AcDbLayout::getBlockTableRecordId() const
{
    assertReadEnabled();
    return m_blockId;
}

Acad::ErrorStatus AcDbLayout::setBlockTableRecordId(AcDbObjectId blockId)
{
    if (!blockId.isNull() && peekObject<AcDbBlockTableRecord>(blockId) == nullptr)
        return Acad::eWrongObjectType;
    assertWriteEnabled();
    m_blockId = blockId;
    return Acad::eOk;
}

AcDbObjectIdArray AcDbLayout::getViewportArray() const
{
    AcDbObjectIdArray viewports;
    const AcDbBlockTableRecord* block = peekObject<AcDbBlockTableRecord>(m_blockId);
    auto* viewportClass = static_cast<AcRxClass*>(acrxClassDictionary->at(ACRX_T("AcDbViewport")));
    if (block == nullptr || viewportClass == nullptr)
        return viewports;
    for (const AcDbObjectId& id : block->entityIds()) {
        if (id.stub()->object()->isKindOf(viewportClass))
            viewports.append(id);
    }
    return viewports;
}

void AcDbLayout::fileFields(cadhost::FieldIo& io)
{
    io(m_name)(m_tabOrder)(m_tabSelected).hardPointer(m_blockId);
}

Acad::ErrorStatus AcDbLayout::dwgOutFields(AcDbDwgFiler* filer) const
{
    if (Acad::ErrorStatus status = AcDbObject::dwgOutFields(filer); status != Acad::eOk)
        return status;
    cadhost::FieldIo io(filer, cadhost::FieldIo::kOut);
    const_cast<AcDbLayout*>(this)->fileFields(io);
    return io.status();
}

Acad::ErrorStatus AcDbLayout::dwgInFields(AcDbDwgFiler* filer)
{
    if (Acad::ErrorStatus status = AcDbObject::dwgInFields(filer); status != Acad::eOk)
        return status;
    cadhost::FieldIo io(filer, cadhost::FieldIo::kIn);
    fileFields(io);
    return io.status();
}
