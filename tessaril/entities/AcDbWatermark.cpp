#include "AcDbWatermark.h"

#include "CustomClassRegistration.h"
#include "FilingWithoutExceptions.h"
#include "GDwgFiler.h"
#include "WatermarkText.h"
#include "app/DebugTrace.h"

#include "acedads.h"
#include "acgi.h"
#include "acutads.h"
#include "dbapserv.h"
#include "dbdict.h"
#include "dblayout.h"
#include "dbobjptr.h"
#include "dbviewport.h"

#include <cmath>

namespace {
// The class descriptor, kept once found or registered.
AcRxClass* gWatermarkClass = nullptr;

// Ten tick marks per edge, each a fifth of a tenth of the edge long.
constexpr int kTicksPerEdge = 10;
constexpr double kHalfTick = 0.1;
// The copyright page offers grids from 2 to 8 and the record's own default is 10; one cell still draws.
constexpr Adesk::Int32 kSmallestGrid = 1;
constexpr Adesk::Int32 kLargestGrid = 10;

struct ViewRectangle {
    AcGePoint3d min;
    AcGePoint3d max;
};

bool readPointVariable(const ACHAR* name, AcGePoint3d& point)
{
    resbuf value{};
    if (acedGetVar(name, &value) != RTNORM || value.restype != RT3DPOINT)
        return false;
    point.set(value.resval.rpoint[0], value.resval.rpoint[1], value.resval.rpoint[2]);
    return true;
}

// The layout the current document shows, by the name of its tab.
AcDbObjectId activeLayoutId(AcDbDatabase* database)
{
    resbuf value{};
    if (acedGetVar(ACRX_T("CTAB"), &value) != RTNORM || value.restype != RTSTR)
        return AcDbObjectId::kNull;
    ACHAR* name = value.resval.rstring;
    AcDbObjectId layoutId;
    AcDbDictionary* layouts = nullptr;
    if (name != nullptr && database->getLayoutDictionary(layouts, AcDb::kForRead) == Acad::eOk) {
        layouts->getAt(name, layoutId);
        layouts->close();
    }
    acutDelString(name);
    return layoutId;
}

// On a layout the first floating viewport (the second of the list; the first is the sheet) gives the
// rectangle; without one the rectangle stays.
void useFirstFloatingViewport(AcDbDatabase* database, ViewRectangle& view)
{
    AcDbObjectIdArray viewportIds;
    {
        AcDbObjectPointer<AcDbLayout> layout(activeLayoutId(database), AcDb::kForRead);
        if (layout.openStatus() != Acad::eOk)
            return;
        AcDbObjectPointer<AcDbBlockTableRecord> block(layout->getBlockTableRecordId(), AcDb::kForRead);
        if (block.openStatus() != Acad::eOk)
            return;
        viewportIds = layout->getViewportArray();
    }
    if (viewportIds.length() <= 1)
        return;
    AcDbObjectPointer<AcDbViewport> viewport(viewportIds[1], AcDb::kForRead);
    if (viewport.openStatus() != Acad::eOk)
        return;
    const AcGePoint3d centre = viewport->centerPoint();
    const double halfWidth = viewport->width() / 2.0;
    const double halfHeight = viewport->height() / 2.0;
    view.min.set(centre.x - halfWidth, centre.y - halfHeight, 0.0);
    view.max.set(centre.x + halfWidth, centre.y + halfHeight, 0.0);
}

// When plotting, the grid covers what is plotted: the current view of model space, or the first
// floating viewport of a layout.
void useVisibleArea(AcGiViewportDraw* viewportDraw, ViewRectangle& view)
{
    AcDbDatabase* database = acdbHostApplicationServices()->workingDatabase();
    if (database == nullptr && viewportDraw->context() != nullptr)
        database = viewportDraw->context()->database();
    if (database == nullptr)
        return;
    if (database->tilemode()) {
        AcGePoint3d min;
        AcGePoint3d max;
        if (readPointVariable(ACRX_T("vsmin"), min) && readPointVariable(ACRX_T("vsmax"), max))
            view = {min, max};
        return;
    }
    useFirstFloatingViewport(database, view);
}

// The note lines that show: on screen those with the stamp switch, when plotting those with the plot
// switch; owner, user, date, then the extra lines.
CStringArray selectedLines(const GCopyrightOption& option, bool plotting)
{
    const auto selected = [plotting](bool stamp, bool plot) { return plotting ? plot : stamp; };
    CStringArray lines;
    for (const GCopyrightItem* note : {&option.owner, &option.user, &option.date}) {
        if (selected(note->stamp, note->plot))
            lines.Add(note->text);
    }
    if (selected(option.extra.stamp, option.extra.plot)) {
        for (const CString& line : option.extra.lines)
            lines.Add(line);
    }
    return lines;
}

CString joinedLines(const CStringArray& lines)
{
    CString joined;
    for (INT_PTR i = 0; i < lines.GetSize(); ++i) {
        if (i > 0)
            joined += L"\\P";
        joined += lines[i];
    }
    return joined;
}

// The grid texts: grey, turned, and placed so that the centre of each text's tight extents lies one
// text height below its cell centre. Every grid text has the same contents, size and turn, so one
// measurement places them all and one text object is drawn in every cell; measuring each text anew
// would cost a multi-line layout per cell and regenerations would no longer keep pace.
void drawGrid(AcGiViewportDraw* viewportDraw, const ViewRectangle& view, const CString& contents,
              const GCopyrightOption& option)
{
    // Each cell costs a text: a stored grid beyond the largest one the product writes is damage,
    // and the watermark then shows its frame only.
    const auto drawable = [](Adesk::Int32 size) { return size >= kSmallestGrid && size <= kLargestGrid; };
    if (!drawable(option.rows) || !drawable(option.columns))
        return;
    const double cellW = (view.max.x - view.min.x) / option.columns;
    const double cellH = (view.max.y - view.min.y) / option.rows;
    // A cell that is no positive size fits no view (no columns or rows, or an empty view).
    if (!(cellW > 0.0) || !(cellH > 0.0) || !std::isfinite(cellW) || !std::isfinite(cellH))
        return;
    const double textHeight = fitWatermarkHeight(contents, cellW, cellH);
    traceLine(L"水印字体文字高度:%5.2f", textHeight);

    AcDbMText text;
    text.setDatabaseDefaults();
    AcCmColor grey;
    grey.setRGB(AcDbWatermark::kTextGrey, AcDbWatermark::kTextGrey, AcDbWatermark::kTextGrey);
    text.setColor(grey);
    shapeWatermarkText(text, contents, cellW);
    text.setTextHeight(textHeight);
    text.setLocation(AcGePoint3d::kOrigin);
    const AcDbExtents measured = measureTextExtents(text);
    const AcGePoint3d measuredCentre = measured.minPoint() + (measured.maxPoint() - measured.minPoint()) / 2.0;
    const AcGeVector3d placement(-measuredCentre.x, -(measuredCentre.y + textHeight), 0.0);

    // A cell fits while its far edge lies inside the view; testing its centre instead keeps the last
    // row and column when rounding puts their edge a hair outside.
    for (int c = 1; view.min.x + (c - 0.5) * cellW < view.max.x; ++c) {
        for (int r = 1; view.min.y + (r - 0.5) * cellH < view.max.y; ++r) {
            const AcGePoint3d cellCentre(view.min.x + (c - 0.5) * cellW, view.min.y + (r - 0.5) * cellH, 0.0);
            text.setLocation(cellCentre + placement);
            viewportDraw->geometry().draw(&text);
        }
    }
}

// The two directions of filing, so that the content is described once.
struct Writing {
    template <class Part> static Acad::ErrorStatus file(const Part& part, AcDbDwgFiler* filer)
    {
        return part.dwgOutFields(filer);
    }
};
struct Reading {
    template <class Part> static Acad::ErrorStatus file(Part& part, AcDbDwgFiler* filer)
    {
        return part.dwgInFields(filer);
    }
};

// The content of the stored form: the notes, then the rectangle.
template <class Direction, class Watermark> Acad::ErrorStatus fileContent(Watermark& self, AcDbDwgFiler* filer)
{
    if (Acad::ErrorStatus status = Direction::file(self.option, filer); status != Acad::eOk)
        return status;
    return Direction::file(self.extents, filer);
}

void drawTick(AcGiViewportDraw* viewportDraw, const AcGePoint3d& from, const AcGePoint3d& to)
{
    const AcGePoint3d points[] = {from, to};
    viewportDraw->geometry().polyline(2, points);
}

// Ten short marks centred in the ten equal parts of every edge of the stored rectangle.
void drawFrame(AcGiViewportDraw* viewportDraw, const AcDbExtentsEx& extents)
{
    const AcGePoint3d min = extents.minPoint();
    const AcGePoint3d max = extents.maxPoint();
    const double w = extents.width() / kTicksPerEdge;
    const double t = extents.height() / kTicksPerEdge;
    for (int i = 0; i < kTicksPerEdge; ++i) {
        const double x = min.x + (i + 0.5) * w;
        const double y = min.y + (i + 0.5) * t;
        drawTick(viewportDraw, AcGePoint3d(x - kHalfTick * w, max.y, 0.0), AcGePoint3d(x + kHalfTick * w, max.y, 0.0));
        drawTick(viewportDraw, AcGePoint3d(x - kHalfTick * w, min.y, 0.0), AcGePoint3d(x + kHalfTick * w, min.y, 0.0));
        drawTick(viewportDraw, AcGePoint3d(min.x, y - kHalfTick * t, 0.0), AcGePoint3d(min.x, y + kHalfTick * t, 0.0));
        drawTick(viewportDraw, AcGePoint3d(max.x, y - kHalfTick * t, 0.0), AcGePoint3d(max.x, y + kHalfTick * t, 0.0));
    }
}
} // namespace

AcDbWatermark::AcDbWatermark() = default;

AcDbWatermark::~AcDbWatermark() = default;

AcRxClass* AcDbWatermark::desc()
{
    return findCustomClass(gWatermarkClass, className());
}

AcDbWatermark* AcDbWatermark::cast(const AcRxObject* object)
{
    return object != nullptr && object->isKindOf(desc())
               ? const_cast<AcDbWatermark*>(static_cast<const AcDbWatermark*>(object))
               : nullptr;
}

void AcDbWatermark::rxInit()
{
    initCustomClass(gWatermarkClass,
                    {className(), dxfName(), &acrxMakeObject<AcDbWatermark>, GClassNamePlacement::kInsideFirstSegment});
}

void AcDbWatermark::rxUninit()
{
    deleteCustomClass(gWatermarkClass, className());
}

Acad::ErrorStatus AcDbWatermark::dwgOutFields(AcDbDwgFiler* filer) const
{
    return fileWithoutExceptions(filer, [&]() -> Acad::ErrorStatus {
        if (Acad::ErrorStatus status = AcDbEntity::dwgOutFields(filer); status != Acad::eOk)
            return status;
        if (Acad::ErrorStatus status = filer->writeUInt32(m_version); status != Acad::eOk)
            return status;
        if (m_version <= kLastDirectVersion) {
            if (Acad::ErrorStatus status = fileContent<Writing>(*this, filer); status != Acad::eOk)
                return status;
        } else {
            GDwgFiler recording(filer);
            recording.setScramble(true);
            if (Acad::ErrorStatus status = fileContent<Writing>(*this, &recording); status != Acad::eOk)
                return status;
            if (Acad::ErrorStatus status = recording.writeRecording(); status != Acad::eOk)
                return status;
        }
        return filer->filerStatus();
    });
}

Acad::ErrorStatus AcDbWatermark::dwgInFields(AcDbDwgFiler* filer)
{
    return fileWithoutExceptions(filer, [&]() -> Acad::ErrorStatus {
        if (Acad::ErrorStatus status = AcDbEntity::dwgInFields(filer); status != Acad::eOk)
            return status;
        Adesk::UInt32 version = 0;
        if (Acad::ErrorStatus status = filer->readUInt32(&version); status != Acad::eOk)
            return status;
        if (version > kVersion)
            return Acad::eMakeMeProxy;
        m_version = version;
        if (m_version <= kLastDirectVersion) {
            if (Acad::ErrorStatus status = fileContent<Reading>(*this, filer); status != Acad::eOk)
                return status;
        } else {
            GDwgFiler recording(filer);
            recording.setScramble(true);
            if (Acad::ErrorStatus status = recording.readRecording(); status != Acad::eOk)
                return status;
            if (Acad::ErrorStatus status = fileContent<Reading>(*this, &recording); status != Acad::eOk)
                return status;
        }
        return filer->filerStatus();
    });
}

Adesk::Boolean AcDbWatermark::subWorldDraw(AcGiWorldDraw*)
{
    return Adesk::kFalse;
}

void AcDbWatermark::subViewportDraw(AcGiViewportDraw* viewportDraw)
{
    AcGiSubEntityTraits& traits = viewportDraw->subEntityTraits();
    const Adesk::UInt16 previousColor = traits.color();
    ViewRectangle view{extents.minPoint(), extents.maxPoint()};
    AcGiContext* context = viewportDraw->context();
    const bool plotting = context != nullptr && (context->isPlotGeneration() || context->isPsOut());
    if (plotting)
        useVisibleArea(viewportDraw, view);
    traceLine(L"绘制水印");
    traceLine(L"视图范围:(%5.2f,%5.2f)-(%5.2f,%5.2f)", view.min.x, view.min.y, view.max.x, view.max.y);

    const CStringArray lines = selectedLines(option, plotting);
    if (lines.IsEmpty())
        return;
    const CString joined = joinedLines(lines);
    traceLine(L"%s", joined.GetString());
    drawGrid(viewportDraw, view, watermarkContents(joined), option);

    traits.setColor(kFrameColorIndex);
    if (extents.valid)
        drawFrame(viewportDraw, extents);
    traits.setColor(previousColor);
}

Acad::ErrorStatus AcDbWatermark::subGetGeomExtents(AcDbExtents& result) const
{
    result = extents;
    return Acad::eOk;
}
