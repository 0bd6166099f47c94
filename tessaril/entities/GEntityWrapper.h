// The wrapper entity: a custom entity class that holds one ordinary host entity (the inner entity),
// draws, measures, lists, explodes and transforms through it, keeps its own properties in step with
// it, and stores it in the drawing as a (scrambled) recording. One template serves every wrapped
// class; each instance is a run-time class of its own, registered below AcDbEntity, so a wrapper is
// never of its inner entity's class in a run-time class test.
#pragma once

#include "CommonProperties.h"
#include "CustomClassRegistration.h"
#include "FilingWithoutExceptions.h"
#include "GDwgFiler.h"
#include "OneColorGradient.h"
#include "app/DebugTrace.h"
#include "records/EntityDataStream.h"

#include "dbcurve.h"
#include "dbmain.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <type_traits>

// A class name as a template argument.
template <std::size_t N> struct GClassName {
    wchar_t text[N]{};
    constexpr GClassName(const wchar_t (&value)[N]) { std::copy_n(value, N, text); }
};

// Stored layouts: versions 1 to 3 put the inner entity's stream straight into the drawing's filer,
// version 4 puts it into a plain recording, versions 5 to 8 into a scrambled one.
struct GWrapperVersion {
    static constexpr Adesk::UInt32 kLastDirect = 3;
    static constexpr Adesk::UInt32 kLastPlainRecording = 4;
    static constexpr Adesk::UInt32 kCurrent = 8;
};

template <class Inner, GClassName Name, GClassName DxfName> class GEntityWrapper : public AcDbEntity {
public:
    using InnerEntity = Inner;

    GEntityWrapper() : m_inner(std::make_unique<Inner>()) {}
    ~GEntityWrapper() override = default;
    AcRxClass* isA() const override { return desc(); }

    static AcRxClass* desc() { return findCustomClass(gpDesc, className()); }
    static GEntityWrapper* cast(const AcRxObject* object)
    {
        return object != nullptr && object->isKindOf(desc())
                   ? const_cast<GEntityWrapper*>(static_cast<const GEntityWrapper*>(object))
                   : nullptr;
    }
    static void rxInit()
    {
        initCustomClass(gpDesc, {className(), dxfName(), &acrxMakeObject<GEntityWrapper>,
                                 GClassNamePlacement::kBehindFirstSegment});
    }
    static void rxUninit() { deleteCustomClass(gpDesc, className()); }
    static const ACHAR* className() { return Name.text; }
    static const ACHAR* dxfName() { return DxfName.text; }

    // The inner entity; never in a database. The conversion fills it while the wrapper is open for write.
    Inner* inner() const { return m_inner.get(); }
    // The layout of the next save: the current one for a new wrapper, the stored one after a load.
    Adesk::UInt32 wrapperVersion() const { return m_version; }

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override
    {
        return fileWithoutExceptions(filer, [&] { return readFields(filer); });
    }

    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override
    {
        return fileWithoutExceptions(filer, [&] { return writeFields(filer); });
    }

    // A wrapper is neither exported to nor imported from DXF.
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler*) override
    {
        traceLine(L"%s::dxfInFields", className());
        assertWriteEnabled();
        return Acad::eNotImplementedYet;
    }

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler*) const override
    {
        traceLine(L"%s::dxfOutFields", className());
        assertReadEnabled();
        return Acad::eNotImplementedYet;
    }

    // Each setter sets the wrapper through the host's base and answers what the inner entity answers,
    // so the wrapper's own properties always equal the inner entity's.
    Acad::ErrorStatus setColor(const AcCmColor& color, Adesk::Boolean doSubents = true,
                               AcDbDatabase* database = nullptr) override
    {
        AcDbEntity::setColor(color, doSubents, database);
        return m_inner->setColor(color, doSubents, database);
    }

    Acad::ErrorStatus setColorIndex(Adesk::UInt16 colorIndex, Adesk::Boolean doSubents = true) override
    {
        AcDbEntity::setColorIndex(colorIndex, doSubents);
        return m_inner->setColorIndex(colorIndex, doSubents);
    }

    Acad::ErrorStatus setLayer(AcDbObjectId layerId, Adesk::Boolean doSubents = true,
                               bool allowHiddenLayer = false) override
    {
        AcDbEntity::setLayer(layerId, doSubents, allowHiddenLayer);
        return m_inner->setLayer(layerId, doSubents, allowHiddenLayer);
    }

    Acad::ErrorStatus setLayer(const ACHAR* layerName, Adesk::Boolean doSubents = true,
                               bool allowHiddenLayer = false) override
    {
        AcDbEntity::setLayer(layerName, doSubents, allowHiddenLayer);
        return m_inner->setLayer(layerName, doSubents, allowHiddenLayer);
    }

    Acad::ErrorStatus setLinetype(AcDbObjectId linetypeId, Adesk::Boolean doSubents = true) override
    {
        AcDbEntity::setLinetype(linetypeId, doSubents);
        return m_inner->setLinetype(linetypeId, doSubents);
    }

    Acad::ErrorStatus setLinetype(const ACHAR* linetypeName, Adesk::Boolean doSubents = true) override
    {
        AcDbEntity::setLinetype(linetypeName, doSubents);
        return m_inner->setLinetype(linetypeName, doSubents);
    }

    Acad::ErrorStatus setLinetypeScale(double scale, Adesk::Boolean doSubents = true) override
    {
        AcDbEntity::setLinetypeScale(scale, doSubents);
        return m_inner->setLinetypeScale(scale, doSubents);
    }

    Acad::ErrorStatus setLineWeight(AcDb::LineWeight lineWeight, Adesk::Boolean doSubents = true) override
    {
        AcDbEntity::setLineWeight(lineWeight, doSubents);
        return m_inner->setLineWeight(lineWeight, doSubents);
    }

    // The inner entity's area when it is a curve, 0 otherwise.
    virtual Acad::ErrorStatus getInnerArea(double& area) const
    {
        assertReadEnabled();
        if constexpr (std::is_base_of_v<AcDbCurve, Inner>) {
            return m_inner->getArea(area);
        } else {
            area = 0.0;
            return Acad::eOk;
        }
    }

    virtual Acad::ErrorStatus transformInner(const AcGeMatrix3d& transform)
    {
        assertWriteEnabled();
        return m_inner->transformBy(transform);
    }

protected:
    Adesk::Boolean subWorldDraw(AcGiWorldDraw* worldDraw) override
    {
        assertReadEnabled();
        return m_inner->worldDraw(worldDraw);
    }

    void subViewportDraw(AcGiViewportDraw* viewportDraw) override
    {
        assertReadEnabled();
        m_inner->viewportDraw(viewportDraw);
    }

    Acad::ErrorStatus subDeepClone(AcDbObject* owner, AcDbObject*& clone, AcDbIdMapping& mapping,
                                   Adesk::Boolean isPrimary) const override
    {
        traceLine(L"%s::deepClone Start", className());
        Acad::ErrorStatus status = AcDbObject::subDeepClone(owner, clone, mapping, isPrimary);
        traceLine(L"%s::deepClone End %s", className(), acadErrorStatusText(status));
        return status;
    }

    Acad::ErrorStatus subWblockClone(AcRxObject* owner, AcDbObject*& clone, AcDbIdMapping& mapping,
                                     Adesk::Boolean isPrimary) const override
    {
        traceLine(L"%s::wblockClone Start", className());
        Acad::ErrorStatus status = AcDbObject::subWblockClone(owner, clone, mapping, isPrimary);
        traceLine(L"%s::wblockClone End %s", className(), acadErrorStatusText(status));
        return status;
    }

    void subList() const override
    {
        assertReadEnabled();
        m_inner->list();
    }

    Acad::ErrorStatus subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker gsSelectionMark,
                                        const AcGePoint3d& pickPoint, const AcGePoint3d& lastPoint,
                                        const AcGeMatrix3d& viewTransform, AcGePoint3dArray& snapPoints,
                                        AcDbIntArray& geomIds) const override
    {
        assertReadEnabled();
        return m_inner->getOsnapPoints(osnapMode, gsSelectionMark, pickPoint, lastPoint, viewTransform, snapPoints,
                                       geomIds);
    }

    Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& transform) override { return transformInner(transform); }

    Acad::ErrorStatus subExplode(AcDbVoidPtrArray& entitySet) const override
    {
        assertReadEnabled();
        return m_inner->explode(entitySet);
    }

    Acad::ErrorStatus subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray& osnapModes,
                                       AcDbIntArray& geomIds) const override
    {
        assertReadEnabled();
        return m_inner->getGripPoints(gripPoints, osnapModes, geomIds);
    }

    Acad::ErrorStatus subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) override
    {
        assertWriteEnabled();
        return m_inner->moveGripPointsAt(indices, offset);
    }

    Acad::ErrorStatus subGetStretchPoints(AcGePoint3dArray& stretchPoints) const override
    {
        assertReadEnabled();
        return m_inner->getStretchPoints(stretchPoints);
    }

    Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const override
    {
        assertReadEnabled();
        return m_inner->getGeomExtents(extents);
    }

private:
    Acad::ErrorStatus readFields(AcDbDwgFiler* filer)
    {
        traceLine(L"%s::dwgInFields Start", className());
        if (Acad::ErrorStatus status = AcDbEntity::dwgInFields(filer); status != Acad::eOk)
            return status;
        if (Acad::ErrorStatus status = filer->readUInt32(&m_version); status != Acad::eOk)
            return status;
        if (m_version > GWrapperVersion::kCurrent)
            return Acad::eMakeMeProxy;
        if (m_version > GWrapperVersion::kLastDirect) {
            GDwgFiler recording(filer);
            recording.setScramble(m_version > GWrapperVersion::kLastPlainRecording);
            traceLine(L"%s::dwgInFields End1", className());
            Acad::ErrorStatus status = recording.readRecording();
            traceLine(L"%s::dwgInFields End2", className());
            if (status != Acad::eOk)
                return status;
            status = readEntityData(m_inner.get(), &recording);
            if (status != Acad::eOk) {
                // The drawing's filer carries the failure, as the host expects of a failed read.
                filer->setFilerStatus(recording.filerStatus() != Acad::eOk ? recording.filerStatus() : status);
                return status;
            }
        } else if (Acad::ErrorStatus status = readEntityData(m_inner.get(), filer); status != Acad::eOk) {
            return status;
        }
        copyCommonProperties(m_inner.get(), this);
        restoreOneColorGradient(*m_inner);
        traceLine(L"%s::dwgInFields End", className());
        return filer->filerStatus();
    }

    Acad::ErrorStatus writeFields(AcDbDwgFiler* filer) const
    {
        traceLine(L"%s::dwgOutFields Start", className());
        if (Acad::ErrorStatus status = AcDbEntity::dwgOutFields(filer); status != Acad::eOk)
            return status;
        if (Acad::ErrorStatus status = filer->writeUInt32(m_version); status != Acad::eOk)
            return status;
        if (m_version > GWrapperVersion::kLastDirect) {
            GDwgFiler recording(filer);
            recording.setScramble(m_version > GWrapperVersion::kLastPlainRecording);
            if (Acad::ErrorStatus status = writeEntityData(m_inner.get(), &recording); status != Acad::eOk)
                return status;
            if (Acad::ErrorStatus status = recording.writeRecording(); status != Acad::eOk)
                return status;
        } else if (Acad::ErrorStatus status = writeEntityData(m_inner.get(), filer); status != Acad::eOk) {
            return status;
        }
        traceLine(L"%s::dwgOutFields End", className());
        return Acad::eOk;
    }

    static inline AcRxClass* gpDesc = nullptr;

    std::unique_ptr<Inner> m_inner;
    Adesk::UInt32 m_version = GWrapperVersion::kCurrent;
};
