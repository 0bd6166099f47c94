#include "GeneratedDrawing.h"

#include "dbblkref.h"
#include "dbdict.h"
#include "dbdim.h"
#include "dbdimstyle.h"
#include "dbelipse.h"
#include "dbents.h"
#include "dbhatch.h"
#include "dblead.h"
#include "dbmline.h"
#include "dbmtext.h"
#include "dbobjptr.h"
#include "dbpl.h"
#include "dbray.h"
#include "dbspline.h"
#include "dbsymtb.h"
#include "dbtext.h"
#include "dbxline.h"
#include "gearc2d.h"
#include "geell2d.h"
#include "gelnsg2d.h"
#include "genurb2d.h"
#include "imgdef.h"
#include "imgent.h"

#include <array>
#include <cmath>
#include <memory>
#include <numbers>
#include <span>

namespace cadhost {
namespace {

constexpr double kPi = std::numbers::pi;
// Entities sit in square cells of this size, this many cells to a row.
constexpr double kCell = 30.0;
constexpr int kColumns = 1000;
// Prime, so that the locked and the invisible entities fall on every kind in turn.
constexpr int kLockedEvery = 23;
constexpr int kInvisibleEvery = 97;

enum class Purpose { Plain, Contour, Text, Annotation, Fill, Insert, Image, Count };

struct LayerDescription {
    const ACHAR* name;
    Adesk::UInt16 colorIndex;
};

constexpr std::array<LayerDescription, static_cast<std::size_t>(Purpose::Count)> kLayers{{
    {L"0", 7},
    {L"轮廓", 7},
    {L"文字", 2},
    {L"标注", 3},
    {L"填充", 8},
    {L"图块", 5},
    {L"图像", 6},
}};
constexpr const ACHAR* kLockedLayer = L"Locked";

struct BlockDescription {
    const ACHAR* name;
    std::array<const ACHAR*, 2> tags; // null where the block has fewer attributes
};

constexpr std::array<BlockDescription, 3> kBlocks{{
    {L"螺栓", {L"编号", nullptr}},
    {L"门", {L"门号", nullptr}},
    {L"标高", {L"标高", L"备注"}},
}};

constexpr std::array<const ACHAR*, 6> kPhrases{
    L"未注倒角 C1", L"Section A-A", L"去除毛刺", L"材料 Q235", L"Revision B", L"技术要求",
};

// What the makers need from the drawing.
struct Context {
    AcDbObjectId dimensionStyle;
    AcDbObjectId mlineStyle;
    AcDbObjectId imageDefinition;
    std::array<AcDbObjectId, kBlocks.size()> blocks;
};

AcGePoint3d at(const AcGePoint3d& origin, double x, double y, double z = 0.0)
{
    return {origin.x + x, origin.y + y, origin.z + z};
}

AcGePoint2d at2d(const AcGePoint3d& origin, double x, double y)
{
    return {origin.x + x, origin.y + y};
}

// The words of a text: a phrase and the entity's number, so that texts differ in length and content.
std::wstring phrase(int ordinal)
{
    return std::wstring(kPhrases[static_cast<std::size_t>(ordinal) % kPhrases.size()]) + L" " +
           std::to_wstring(ordinal);
}

using Maker = AcDbEntity* (*)(const Context&, const AcGePoint3d&, int);

AcDbEntity* makeLine(const Context&, const AcGePoint3d& o, int n)
{
    return new AcDbLine(at(o, 0, n % 5), at(o, 20, 5 + n % 7));
}

AcDbEntity* makeArc(const Context&, const AcGePoint3d& o, int n)
{
    const double start = (n % 8) * kPi / 4.0;
    return new AcDbArc(at(o, 12, 12), 4.0 + n % 5, start, start + 0.75 * kPi);
}

AcDbEntity* makeCircle(const Context&, const AcGePoint3d& o, int n)
{
    return new AcDbCircle(at(o, 12, 12), AcGeVector3d::kZAxis, 2.0 + n % 8);
}

AcDbEntity* makeEllipse(const Context&, const AcGePoint3d& o, int n)
{
    const double end = n % 2 == 0 ? 2.0 * kPi : kPi;
    return new AcDbEllipse(at(o, 12, 12), AcGeVector3d::kZAxis, AcGeVector3d(8, 2, 0), 0.5, 0.0, end);
}

AcDbEntity* makeSpline(const Context&, const AcGePoint3d& o, int n)
{
    if (n % 2 == 0) {
        AcGePoint3dArray fitPoints;
        fitPoints.append(at(o, 0, 5));
        fitPoints.append(at(o, 10, 15 + n % 5));
        fitPoints.append(at(o, 20, 5));
        return new AcDbSpline(fitPoints, AcGeVector3d(0, 1, 0), AcGeVector3d(0, -1, 0));
    }
    AcGePoint3dArray controlPoints;
    controlPoints.append(at(o, 0, 0));
    controlPoints.append(at(o, 7, 20));
    controlPoints.append(at(o, 14, -5 + n % 5));
    controlPoints.append(at(o, 21, 10));
    AcGeDoubleArray knots;
    for (const double knot : {0.0, 0.0, 0.0, 0.0, 1.0, 1.0, 1.0, 1.0})
        knots.append(knot);
    return new AcDbSpline(3, Adesk::kFalse, Adesk::kFalse, Adesk::kFalse, controlPoints, knots, AcGeDoubleArray());
}

AcDbEntity* makeLightweightPolyline(const Context&, const AcGePoint3d& o, int n)
{
    auto* polyline = new AcDbPolyline();
    const double bulge = n % 2 == 0 ? 0.0 : 0.5;
    const double width = n % 3 == 0 ? 0.4 : 0.0;
    polyline->addVertexAt(0, at2d(o, 0, 0), bulge, width, width);
    polyline->addVertexAt(1, at2d(o, 20, 0));
    polyline->addVertexAt(2, at2d(o, 20, 10 + n % 5), bulge);
    polyline->addVertexAt(3, at2d(o, 0, 10));
    polyline->setClosed(n % 4 < 2 ? Adesk::kTrue : Adesk::kFalse);
    return polyline;
}

AcDbEntity* make2dPolyline(const Context&, const AcGePoint3d& o, int n)
{
    AcGePoint3dArray points;
    points.append(at(o, 0, 0));
    points.append(at(o, 10, 10 + n % 5));
    points.append(at(o, 20, 0));
    return new AcDb2dPolyline(AcDb::k2dSimplePoly, points, 0.0, n % 2 == 0 ? Adesk::kTrue : Adesk::kFalse);
}

AcDbEntity* make3dPolyline(const Context&, const AcGePoint3d& o, int n)
{
    AcGePoint3dArray points;
    points.append(at(o, 0, 0, 0));
    points.append(at(o, 10, 10, 5 + n % 5));
    points.append(at(o, 20, 0, 10));
    return new AcDb3dPolyline(AcDb::k3dSimplePoly, points);
}

AcDbEntity* makePoint(const Context&, const AcGePoint3d& o, int n)
{
    return new AcDbPoint(at(o, 5 + n % 10, 5));
}

AcGeVector3d direction(int n)
{
    const double angle = (n % 12) * kPi / 6.0;
    return {std::cos(angle), std::sin(angle), 0.0};
}

AcDbEntity* makeRay(const Context&, const AcGePoint3d& o, int n)
{
    auto* ray = new AcDbRay();
    ray->setBasePoint(at(o, 10, 10));
    ray->setUnitDir(direction(n));
    return ray;
}

AcDbEntity* makeXline(const Context&, const AcGePoint3d& o, int n)
{
    auto* xline = new AcDbXline();
    xline->setBasePoint(at(o, 10, 10));
    xline->setUnitDir(direction(n + 1));
    return xline;
}

AcDbEntity* makeText(const Context&, const AcGePoint3d& o, int n)
{
    auto* text = new AcDbText(at(o, 1, 10), phrase(n).c_str(), AcDbObjectId::kNull, 2.5);
    if (n % 5 == 0)
        text->setRotation(kPi / 6.0);
    return text;
}

AcDbEntity* makeMText(const Context&, const AcGePoint3d& o, int n)
{
    auto* text = new AcDbMText();
    text->setLocation(at(o, 1, 25));
    text->setWidth(25.0);
    text->setTextHeight(2.0);
    text->setContents((phrase(n) + L"\\P" + phrase(n + 1)).c_str());
    return text;
}

AcDbEntity* makeBlockReference(const Context& context, const AcGePoint3d& o, int n)
{
    const std::size_t which = static_cast<std::size_t>(n) % kBlocks.size();
    auto* reference = new AcDbBlockReference(at(o, 10, 10), context.blocks[which]);
    reference->setRotation((n % 4) * kPi / 2.0);
    double y = 0.0;
    for (const ACHAR* tag : kBlocks[which].tags) {
        if (tag == nullptr)
            break;
        const std::wstring value = std::wstring(tag) + L"-" + std::to_wstring(n);
        reference->appendAttribute(new AcDbAttribute(at(o, 14, 10 + y), value.c_str(), tag));
        y += 3.0;
    }
    return reference;
}

AcGePoint2dArray rectangle(const AcGePoint3d& o, double left, double bottom, double right, double top)
{
    AcGePoint2dArray corners;
    corners.append(at2d(o, left, bottom));
    corners.append(at2d(o, right, bottom));
    corners.append(at2d(o, right, top));
    corners.append(at2d(o, left, top));
    return corners;
}

// A loop of every edge kind: a line, a circular arc, an elliptic arc and a spline back to the start.
Acad::ErrorStatus appendEdgeLoop(AcDbHatch& hatch, const AcGePoint3d& o)
{
    AcGeVoidPointerArray edges;
    AcGeIntArray edgeTypes;
    edges.append(new AcGeLineSeg2d(at2d(o, 0, 0), at2d(o, 20, 0)));
    edgeTypes.append(AcDbHatch::kLine);
    edges.append(new AcGeCircArc2d(at2d(o, 20, 5), 5.0, -kPi / 2.0, kPi / 2.0));
    edgeTypes.append(AcDbHatch::kCirArc);
    edges.append(new AcGeEllipArc2d(at2d(o, 15, 10), AcGeVector2d(1, 0), AcGeVector2d(0, 1), 5.0, 2.0, 0.0, kPi));
    edgeTypes.append(AcDbHatch::kEllArc);
    AcGePoint2dArray controls;
    controls.append(at2d(o, 10, 10));
    controls.append(at2d(o, 6, 14));
    controls.append(at2d(o, 2, 4));
    controls.append(at2d(o, 0, 0));
    double knotValues[] = {0.0, 0.0, 0.0, 0.0, 1.0, 1.0, 1.0, 1.0};
    edges.append(new AcGeNurbCurve2d(3, AcGeKnotVector(8, knotValues), controls));
    edgeTypes.append(AcDbHatch::kSpline);
    const Acad::ErrorStatus status = hatch.appendLoop(AcDbHatch::kExternal, edges, edgeTypes);
    if (status != Acad::eOk)
        for (void* edge : edges)
            delete static_cast<AcGeEntity2d*>(edge);
    return status;
}

// Four fills in turn: a pattern in a rectangle, a solid bulged outline with a hole, a solid fill
// bounded by every edge kind, and a gradient.
AcDbEntity* makeHatch(const Context&, const AcGePoint3d& o, int n)
{
    auto hatch = std::make_unique<AcDbHatch>();
    Acad::ErrorStatus status = Acad::eOk;
    switch (n % 4) {
    case 0:
        hatch->setPattern(AcDbHatch::kPreDefined, L"ANSI31");
        hatch->setPatternScale(1.0 + n % 3);
        status = hatch->appendLoop(AcDbHatch::kExternal | AcDbHatch::kPolyline, rectangle(o, 0, 0, 20, 15),
                                   AcGeDoubleArray());
        break;
    case 1: {
        hatch->setPattern(AcDbHatch::kPreDefined, L"SOLID");
        AcGeDoubleArray bulges;
        for (const double bulge : {0.0, 0.4, 0.0, 0.4})
            bulges.append(bulge);
        status = hatch->appendLoop(AcDbHatch::kExternal | AcDbHatch::kPolyline, rectangle(o, 0, 0, 20, 15), bulges);
        if (status == Acad::eOk)
            status = hatch->appendLoop(AcDbHatch::kPolyline, rectangle(o, 5, 5, 15, 10), AcGeDoubleArray());
        break;
    }
    case 2:
        hatch->setPattern(AcDbHatch::kPreDefined, L"SOLID");
        status = appendEdgeLoop(*hatch, o);
        break;
    default: {
        hatch->setHatchObjectType(AcDbHatch::kGradientObject);
        hatch->setGradient(AcDbHatch::kPreDefinedGradient, L"LINEAR");
        AcCmColor colors[2];
        colors[0].setColorIndex(5);
        colors[1].setColorIndex(4);
        const float values[2] = {0.0F, 1.0F};
        hatch->setGradientColors(2, colors, values);
        AcGePoint2dArray triangle;
        triangle.append(at2d(o, 0, 0));
        triangle.append(at2d(o, 20, 0));
        triangle.append(at2d(o, 10, 15));
        status = hatch->appendLoop(AcDbHatch::kExternal | AcDbHatch::kPolyline, triangle, AcGeDoubleArray());
        break;
    }
    }
    return status == Acad::eOk ? hatch.release() : nullptr;
}

AcDbEntity* makeRotatedDimension(const Context& context, const AcGePoint3d& o, int n)
{
    return new AcDbRotatedDimension(0.0, at(o, 0, 0), at(o, 10 + n % 10, 0), at(o, 5, -4), nullptr,
                                    context.dimensionStyle);
}

AcDbEntity* makeAlignedDimension(const Context& context, const AcGePoint3d& o, int n)
{
    return new AcDbAlignedDimension(at(o, 0, 0), at(o, 15, 5 + n % 10), at(o, 5, 10), nullptr, context.dimensionStyle);
}

AcDbEntity* makeThreePointAngularDimension(const Context&, const AcGePoint3d& o, int)
{
    auto* dimension = new AcDb3PointAngularDimension();
    dimension->setCenterPoint(at(o, 5, 5));
    dimension->setXLine1Point(at(o, 20, 5));
    dimension->setXLine2Point(at(o, 5, 20));
    dimension->setArcPoint(at(o, 15, 15));
    return dimension;
}

AcDbEntity* makeTwoLineAngularDimension(const Context&, const AcGePoint3d& o, int)
{
    auto* dimension = new AcDb2LineAngularDimension();
    dimension->setXLine1Start(at(o, 0, 0));
    dimension->setXLine1End(at(o, 20, 0));
    dimension->setXLine2Start(at(o, 0, 0));
    dimension->setXLine2End(at(o, 15, 15));
    dimension->setArcPoint(at(o, 12, 5));
    return dimension;
}

AcDbEntity* makeRadialDimension(const Context& context, const AcGePoint3d& o, int n)
{
    return new AcDbRadialDimension(at(o, 12, 12), at(o, 17 + n % 5, 12), 3.0, nullptr, context.dimensionStyle);
}

AcDbEntity* makeDiametricDimension(const Context& context, const AcGePoint3d& o, int n)
{
    return new AcDbDiametricDimension(at(o, 5, 12), at(o, 19 + n % 5, 12), 3.0, nullptr, context.dimensionStyle);
}

AcDbEntity* makeOrdinateDimension(const Context&, const AcGePoint3d& o, int n)
{
    auto* dimension = new AcDbOrdinateDimension();
    dimension->setOrigin(at(o, 0, 0));
    dimension->setDefiningPoint(at(o, 15, 10 + n % 5));
    dimension->setLeaderEndPoint(at(o, 15, 25));
    return dimension;
}

AcDbEntity* makeArcDimension(const Context&, const AcGePoint3d& o, int)
{
    auto* dimension = new AcDbArcDimension();
    dimension->setCenterPoint(at(o, 12, 5));
    dimension->setXLine1Point(at(o, 22, 5));
    dimension->setXLine2Point(at(o, 2, 5));
    dimension->setArcPoint(at(o, 12, 18));
    return dimension;
}

AcDbEntity* makeJoggedDimension(const Context&, const AcGePoint3d& o, int)
{
    auto* dimension = new AcDbRadialDimensionLarge();
    dimension->setCenter(at(o, 5, 5));
    dimension->setChordPoint(at(o, 12.071, 12.071));
    dimension->setOverrideCenter(at(o, 15, 8));
    dimension->setJogPoint(at(o, 16, 12));
    dimension->setJogAngle(kPi / 4.0);
    return dimension;
}

AcDbEntity* makeLeader(const Context&, const AcGePoint3d& o, int n)
{
    auto* leader = new AcDbLeader();
    leader->appendVertex(at(o, 0, 0));
    leader->appendVertex(at(o, 8, 8 + n % 5));
    leader->appendVertex(at(o, 20, 8 + n % 5));
    return leader;
}

AcDbEntity* makeMline(const Context& context, const AcGePoint3d& o, int n)
{
    auto* mline = new AcDbMline();
    mline->setStyle(context.mlineStyle);
    mline->appendSeg(at(o, 0, 5));
    mline->appendSeg(at(o, 20, 5));
    mline->appendSeg(at(o, 20, 15 + n % 5));
    return mline;
}

AcDbEntity* makeRasterImage(const Context& context, const AcGePoint3d& o, int)
{
    auto* image = new AcDbRasterImage();
    image->setImageDefId(context.imageDefinition);
    image->setOrientation(at(o, 0, 0), AcGeVector3d(20, 0, 0), AcGeVector3d(0, 15, 0));
    return image;
}

struct Kind {
    const ACHAR* className;
    int weight; // entities of this kind in every kTotalWeight entities
    Purpose purpose;
    Maker make;
};

// Mostly lines, arcs, circles, polylines and texts, as in a typical plan.
constexpr std::array kKinds{
    Kind{L"AcDbLine", 45, Purpose::Contour, makeLine},
    Kind{L"AcDbArc", 16, Purpose::Contour, makeArc},
    Kind{L"AcDbCircle", 16, Purpose::Contour, makeCircle},
    Kind{L"AcDbEllipse", 6, Purpose::Contour, makeEllipse},
    Kind{L"AcDbSpline", 6, Purpose::Contour, makeSpline},
    Kind{L"AcDbPolyline", 16, Purpose::Contour, makeLightweightPolyline},
    Kind{L"AcDb2dPolyline", 4, Purpose::Contour, make2dPolyline},
    Kind{L"AcDb3dPolyline", 3, Purpose::Contour, make3dPolyline},
    Kind{L"AcDbPoint", 6, Purpose::Plain, makePoint},
    Kind{L"AcDbRay", 2, Purpose::Plain, makeRay},
    Kind{L"AcDbXline", 2, Purpose::Plain, makeXline},
    Kind{L"AcDbText", 28, Purpose::Text, makeText},
    Kind{L"AcDbMText", 12, Purpose::Text, makeMText},
    Kind{L"AcDbBlockReference", 10, Purpose::Insert, makeBlockReference},
    Kind{L"AcDbHatch", 8, Purpose::Fill, makeHatch},
    Kind{L"AcDbRotatedDimension", 3, Purpose::Annotation, makeRotatedDimension},
    Kind{L"AcDbAlignedDimension", 3, Purpose::Annotation, makeAlignedDimension},
    Kind{L"AcDb3PointAngularDimension", 1, Purpose::Annotation, makeThreePointAngularDimension},
    Kind{L"AcDb2LineAngularDimension", 1, Purpose::Annotation, makeTwoLineAngularDimension},
    Kind{L"AcDbRadialDimension", 1, Purpose::Annotation, makeRadialDimension},
    Kind{L"AcDbDiametricDimension", 1, Purpose::Annotation, makeDiametricDimension},
    Kind{L"AcDbOrdinateDimension", 1, Purpose::Annotation, makeOrdinateDimension},
    Kind{L"AcDbArcDimension", 1, Purpose::Annotation, makeArcDimension},
    Kind{L"AcDbRadialDimensionLarge", 1, Purpose::Annotation, makeJoggedDimension},
    Kind{L"AcDbLeader", 3, Purpose::Annotation, makeLeader},
    Kind{L"AcDbMline", 2, Purpose::Plain, makeMline},
    Kind{L"AcDbRasterImage", 2, Purpose::Image, makeRasterImage},
};

constexpr int totalWeight()
{
    int total = 0;
    for (const Kind& kind : kKinds)
        total += kind.weight;
    return total;
}
constexpr int kTotalWeight = totalWeight();

// The kinds of kTotalWeight consecutive entities, each kind as evenly spread as its weight allows
// (smooth weighted round robin), so that any stretch of the drawing has the same mix.
const std::array<std::size_t, kTotalWeight>& kindCycle()
{
    static const std::array<std::size_t, kTotalWeight> cycle = [] {
        std::array<std::size_t, kTotalWeight> kinds{};
        std::array<int, kKinds.size()> credit{};
        for (std::size_t& chosen : kinds) {
            chosen = 0;
            for (std::size_t kind = 0; kind < kKinds.size(); ++kind) {
                credit[kind] += kKinds[kind].weight;
                if (credit[kind] > credit[chosen])
                    chosen = kind;
            }
            credit[chosen] -= kTotalWeight;
        }
        return kinds;
    }();
    return cycle;
}

// Builds the drawing step by step; after the first failure every later step does nothing.
class Generator {
public:
    explicit Generator(AcDbDatabase& database) : m_database(database) {}

    Acad::ErrorStatus status() const { return m_status; }

    bool check(Acad::ErrorStatus status)
    {
        if (m_status == Acad::eOk)
            m_status = status;
        return status == Acad::eOk;
    }

    void addDefinitions()
    {
        for (std::size_t purpose = 0; purpose < kLayers.size(); ++purpose)
            m_layers[purpose] = addLayer(kLayers[purpose].name, kLayers[purpose].colorIndex, false);
        m_locked = addLayer(kLockedLayer, 1, true);

        auto* style = new AcDbDimStyleTableRecord();
        style->setName(L"图纸标注");
        style->setDimtxt(2.0);
        style->setDimasz(1.5);
        style->setDimdec(1);
        m_context.dimensionStyle = addRecord<AcDbDimStyleTable>(style);
        check(acdbGetStandardMlineStyle(&m_database, m_context.mlineStyle));
        addImageDefinition();
        addBlocks();
    }

    void addEntities(int count)
    {
        if (m_status != Acad::eOk || count == 0)
            return;
        AcDbBlockTableRecordPointer space(m_database.modelSpaceId(), AcDb::kForWrite);
        if (!check(space.openStatus()))
            return;
        std::array<int, kKinds.size()> ordinals{};
        const auto& cycle = kindCycle();
        for (int index = 0; index < count && m_status == Acad::eOk; ++index) {
            const std::size_t kind = cycle[static_cast<std::size_t>(index % kTotalWeight)];
            const int row = index / kColumns;
            const AcGePoint3d origin((index % kColumns) * kCell, row * kCell, 0.0);
            std::unique_ptr<AcDbEntity> entity(kKinds[kind].make(m_context, origin, ordinals[kind]++));
            if (entity == nullptr) {
                check(Acad::eInvalidInput);
                break;
            }
            const bool locked = index % kLockedEvery == kLockedEvery / 2;
            check(entity->setLayer(locked ? m_locked : m_layers[static_cast<std::size_t>(kKinds[kind].purpose)]));
            if (index % kInvisibleEvery == kInvisibleEvery / 2)
                check(entity->setVisibility(AcDb::kInvisible));
            if (m_status == Acad::eOk && check(space->appendAcDbEntity(entity.get())))
                entity.release()->close();
        }
    }

private:
    template <class Table> AcDbObjectId addRecord(AcDbSymbolTableRecord* created)
    {
        std::unique_ptr<AcDbSymbolTableRecord> record(created);
        AcDbObjectId id;
        if (m_status != Acad::eOk)
            return id;
        AcDbSymbolTablePointer<Table> table(&m_database, AcDb::kForWrite);
        if (check(table.openStatus()) && check(table->add(id, record.get())))
            record.release()->close();
        return id;
    }

    AcDbObjectId addLayer(const ACHAR* name, Adesk::UInt16 colorIndex, bool locked)
    {
        if (m_status != Acad::eOk)
            return {};
        // Layer 0 exists in every drawing.
        AcDbLayerTablePointer table(&m_database, AcDb::kForRead);
        AcDbObjectId existing;
        if (check(table.openStatus()) && table->getAt(name, existing) == Acad::eOk)
            return existing;
        table.close();
        auto* layer = new AcDbLayerTableRecord();
        AcCmColor color;
        color.setColorIndex(colorIndex);
        layer->setName(name);
        layer->setColor(color);
        layer->setIsLocked(locked);
        return addRecord<AcDbLayerTable>(layer);
    }

    void addImageDefinition()
    {
        if (m_status != Acad::eOk)
            return;
        auto definition = std::make_unique<AcDbRasterImageDef>();
        definition->setSourceFileName(L"site-photo.png");
        definition->setSize(AcGeVector2d(640, 480));
        AcDbDictionaryPointer named(m_database.namedObjectsDictionaryId(), AcDb::kForWrite);
        if (!check(named.openStatus()))
            return;
        auto images = std::make_unique<AcDbDictionary>();
        AcDbObjectId imagesId;
        if (!check(named->setAt(L"ACAD_IMAGE_DICT", images.get(), imagesId)))
            return;
        if (check(images->setAt(L"site-photo", definition.get(), m_context.imageDefinition)))
            definition.release()->close();
        images.release()->close();
    }

    void addBlocks()
    {
        for (std::size_t which = 0; which < kBlocks.size() && m_status == Acad::eOk; ++which) {
            auto* block = new AcDbBlockTableRecord();
            block->setName(kBlocks[which].name);
            m_context.blocks[which] = addRecord<AcDbBlockTable>(block);
            if (m_status != Acad::eOk)
                return;
            AcDbBlockTableRecordPointer definition(m_context.blocks[which], AcDb::kForWrite);
            if (!check(definition.openStatus()))
                return;
            for (AcDbEntity* created : blockEntities(which)) {
                std::unique_ptr<AcDbEntity> entity(created);
                if (m_status == Acad::eOk && check(definition->appendAcDbEntity(entity.get())))
                    entity.release()->close();
            }
        }
    }

    static std::vector<AcDbEntity*> blockEntities(std::size_t which)
    {
        const AcGePoint3d origin(0, 0, 0);
        std::vector<AcDbEntity*> entities;
        switch (which) {
        case 0: {
            entities.push_back(new AcDbCircle(origin, AcGeVector3d::kZAxis, 2.0));
            auto* hexagon = new AcDbPolyline();
            for (unsigned int corner = 0; corner < 6; ++corner)
                hexagon->addVertexAt(
                    corner, AcGePoint2d(3.0 * std::cos(corner * kPi / 3.0), 3.0 * std::sin(corner * kPi / 3.0)));
            hexagon->setClosed(Adesk::kTrue);
            entities.push_back(hexagon);
            break;
        }
        case 1:
            entities.push_back(new AcDbLine(origin, at(origin, 0, 9)));
            entities.push_back(new AcDbArc(origin, 9.0, 0.0, kPi / 2.0));
            break;
        default: {
            auto* mark = new AcDbPolyline();
            mark->addVertexAt(0, AcGePoint2d(-3, 3));
            mark->addVertexAt(1, AcGePoint2d(3, 3));
            mark->addVertexAt(2, AcGePoint2d(0, 0));
            mark->setClosed(Adesk::kTrue);
            entities.push_back(mark);
            break;
        }
        }
        double y = 0.0;
        for (const ACHAR* tag : kBlocks[which].tags) {
            if (tag == nullptr)
                break;
            entities.push_back(new AcDbAttributeDefinition(at(origin, 4, y), L"-", tag, tag));
            y += 3.0;
        }
        return entities;
    }

    AcDbDatabase& m_database;
    Acad::ErrorStatus m_status = Acad::eOk;
    Context m_context;
    std::array<AcDbObjectId, kLayers.size()> m_layers;
    AcDbObjectId m_locked;
};

} // namespace

std::vector<GeneratedKindCount> generatedKindCounts(int count)
{
    std::vector<GeneratedKindCount> counts;
    if (count < 0)
        return counts;
    for (const Kind& kind : kKinds)
        counts.push_back({kind.className, count / kTotalWeight * kind.weight});
    const auto& cycle = kindCycle();
    for (int index = 0; index < count % kTotalWeight; ++index)
        ++counts[cycle[static_cast<std::size_t>(index)]].count;
    return counts;
}

Acad::ErrorStatus buildGeneratedDrawing(AcDbDatabase& database, int count)
{
    if (count < 0)
        return Acad::eInvalidInput;
    Generator generator(database);
    generator.addDefinitions();
    generator.addEntities(count);
    return generator.status();
}

} // namespace cadhost
