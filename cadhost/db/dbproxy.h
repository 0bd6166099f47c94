// Proxies: objects and entities of classes that are not registered. A proxy keeps the original
// class entry, the bytes of the object's own fields and the ids they refer to, and files them
// back unchanged; a proxy entity keeps its common entity data (layer, colour ...) live.
#pragma once

#include "dbmain.h"

#include <memory>

namespace cadhost {
struct ProxyRecord;
}

// Operations that the original class allows on its proxies, with the host's values.
namespace AcDbProxyFlags {
enum : int {
    kNoOperation = 0,
    kEraseAllowed = 0x1,
    kTransformAllowed = 0x2,
    kColorChangeAllowed = 0x4,
    kLayerChangeAllowed = 0x8,
    kLinetypeChangeAllowed = 0x10,
    kLinetypeScaleChangeAllowed = 0x20,
    kVisibilityChangeAllowed = 0x40,
    kCloningAllowed = 0x80,
    kLineWeightChangeAllowed = 0x100,
    kPlotStyleNameChangeAllowed = 0x200,
    kAllButCloningAllowed = 0x37F,
    kAllAllowedBits = 0x3FF,
    kDisableProxyWarning = 0x400,
    kMaterialChangeAllowed = 0x800
};
} // namespace AcDbProxyFlags

class CADHOST_EXPORT AcDbProxyObject : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbProxyObject);
    AcDbProxyObject();
    ~AcDbProxyObject() override;

    virtual int proxyFlags() const;
    virtual const ACHAR* originalClassName() const;
    virtual const ACHAR* originalDxfName() const;
    virtual const ACHAR* applicationDescription() const;
    // The ids the object's fields refer to, with their kinds (0 hard ownership, 1 soft ownership,
    // 2 hard pointer, 3 soft pointer).
    virtual Acad::ErrorStatus getReferences(AcDbObjectIdArray& ids, AcDbIntArray& types) const;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

    // Internal state of the database layer; not part of the host API.
    cadhost::ProxyRecord& record() const { return *m_record; }

protected:
    Acad::ErrorStatus subDeepClone(AcDbObject* owner, AcDbObject*& clone, AcDbIdMapping& mapping,
                                   Adesk::Boolean isPrimary) const override;
    Acad::ErrorStatus subWblockClone(AcRxObject* owner, AcDbObject*& clone, AcDbIdMapping& mapping,
                                     Adesk::Boolean isPrimary) const override;

private:
    std::unique_ptr<cadhost::ProxyRecord> m_record;
};

class CADHOST_EXPORT AcDbProxyEntity : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbProxyEntity);
    enum GraphicsMetafileType { kNoMetafile = 0, kBoundingBox = 1, kFullGraphics = 2 };
    AcDbProxyEntity();
    ~AcDbProxyEntity() override;

    virtual int proxyFlags() const;
    virtual const ACHAR* originalClassName() const;
    virtual const ACHAR* originalDxfName() const;
    virtual const ACHAR* applicationDescription() const;
    virtual Acad::ErrorStatus getReferences(AcDbObjectIdArray& ids, AcDbIntArray& types) const;
    virtual GraphicsMetafileType graphicsMetafileType() const;

    // Property changes are refused with eNotAllowedForThisProxy unless the proxy flags allow them.
    Acad::ErrorStatus setColor(const AcCmColor& color, Adesk::Boolean doSubents = true,
                               AcDbDatabase* database = nullptr) override;
    Acad::ErrorStatus setColorIndex(Adesk::UInt16 colorIndex, Adesk::Boolean doSubents = true) override;
    Acad::ErrorStatus setLayer(const ACHAR* layerName, Adesk::Boolean doSubents = true,
                               bool allowHiddenLayer = false) override;
    Acad::ErrorStatus setLayer(AcDbObjectId layerId, Adesk::Boolean doSubents = true,
                               bool allowHiddenLayer = false) override;
    Acad::ErrorStatus setLinetype(const ACHAR* linetypeName, Adesk::Boolean doSubents = true) override;
    Acad::ErrorStatus setLinetype(AcDbObjectId linetypeId, Adesk::Boolean doSubents = true) override;
    Acad::ErrorStatus setLinetypeScale(double scale, Adesk::Boolean doSubents = true) override;
    Acad::ErrorStatus setLineWeight(AcDb::LineWeight lineWeight, Adesk::Boolean doSubents = true) override;
    Acad::ErrorStatus setVisibility(AcDb::Visibility visibility, Adesk::Boolean doSubents = true) override;
    Acad::ErrorStatus setMaterial(AcDbObjectId materialId, Adesk::Boolean doSubents = true) override;
    Acad::ErrorStatus setMaterial(const ACHAR* materialName, Adesk::Boolean doSubents = true) override;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

    cadhost::ProxyRecord& record() const { return *m_record; }

protected:
    Adesk::Boolean subWorldDraw(AcGiWorldDraw* worldDraw) override;
    void subList() const override;
    Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& transform) override;
    Acad::ErrorStatus subDeepClone(AcDbObject* owner, AcDbObject*& clone, AcDbIdMapping& mapping,
                                   Adesk::Boolean isPrimary) const override;
    Acad::ErrorStatus subWblockClone(AcRxObject* owner, AcDbObject*& clone, AcDbIdMapping& mapping,
                                     Adesk::Boolean isPrimary) const override;

private:
    bool allows(int flag) const;

    std::unique_ptr<cadhost::ProxyRecord> m_record;
};
