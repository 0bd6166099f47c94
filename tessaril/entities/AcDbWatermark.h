// The watermark entity: one per protected drawing, in model space under everything else. It keeps the
// copyright notes and the rectangle it covers, and draws afresh in every viewport the selected notes in
// a grid of grey, 45-degree texts and a frame of red tick marks on the rectangle's edges. Its data is
// stored in the drawing as a scrambled recording.
#pragma once

#include "AcDbExtentsEx.h"
#include "ui/GCopyrightOption.h"

#include "dbmain.h"

class AcDbWatermark : public AcDbEntity {
public:
    // Stored layouts: up to version 1 the notes and the rectangle go straight into the drawing's filer,
    // version 2 puts them into a scrambled recording.
    static constexpr Adesk::UInt32 kVersion = 2;
    static constexpr Adesk::UInt32 kLastDirectVersion = 1;
    // Grid texts are drawn in this grey; the frame in colour index 1 (red).
    static constexpr Adesk::UInt8 kTextGrey = 183;
    static constexpr Adesk::UInt16 kFrameColorIndex = 1;

    AcDbWatermark();
    ~AcDbWatermark() override;
    AcDbWatermark(const AcDbWatermark&) = delete;
    AcDbWatermark& operator=(const AcDbWatermark&) = delete;

    AcRxClass* isA() const override { return desc(); }
    // The class's descriptor in the host's class dictionary; null while the class is not registered.
    static AcRxClass* desc();
    static AcDbWatermark* cast(const AcRxObject* object);
    // Registers the class ("AcDbWatermark", DXF name "GWATERMARKA") unless it is registered.
    static void rxInit();
    // Deletes the class from the class dictionary; its live objects become proxies.
    static void rxUninit();
    static const ACHAR* className() { return ACRX_T("AcDbWatermark"); }
    static const ACHAR* dxfName() { return ACRX_T("GWATERMARKA"); }

    // The layout of the next save: the current one for a new watermark, the stored one after a load.
    Adesk::UInt32 watermarkVersion() const { return m_version; }

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

    // The rectangle covered, filled in by placement; the frame lies on it.
    AcDbExtentsEx extents;
    // The notes, their on-screen and plot switches and the grid's rows and columns.
    GCopyrightOption option;

protected:
    // Draws nothing, so that the host asks for every viewport's drawing.
    Adesk::Boolean subWorldDraw(AcGiWorldDraw* worldDraw) override;
    void subViewportDraw(AcGiViewportDraw* viewportDraw) override;
    // The stored rectangle, valid or not.
    Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const override;

private:
    Adesk::UInt32 m_version = kVersion;
};
