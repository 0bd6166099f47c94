// Every streamed record: an entity written through writeEntityData into the host's file filer and
// read back onto a fresh entity of the same class keeps every field its record carries; copying it
// through copyEntityData gives the same entity.
#include "DwgBufferFiler.h"
#include "records/EntityDataStream.h"
#include "records/GCopyEntityHelper.h"

#include "dbdim.h"
#include "dbelipse.h"
#include "dbents.h"
#include "dbhatch.h"
#include "dblead.h"
#include "dbmline.h"
#include "dbmtext.h"
#include "dbpl.h"
#include "dbray.h"
#include "dbspline.h"
#include "dbtext.h"
#include "imgent.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {

struct RoundTripCase {
    std::string name;
    std::function<AcDbEntity*()> make;
    // Fields of the entity's record, as text, so that two entities compare by what travels.
    std::function<std::wstring(const AcDbEntity*)> describe;
};

std::wstring text(const AcGePoint3d& p)
{
    return std::to_wstring(p.x) + L"," + std::to_wstring(p.y) + L"," + std::to_wstring(p.z) + L";";
}

std::wstring text(const AcGeVector3d& v)
{
    return std::to_wstring(v.x) + L"," + std::to_wstring(v.y) + L"," + std::to_wstring(v.z) + L";";
}

std::wstring text(double d)
{
    return std::to_wstring(d) + L";";
}

std::wstring text(const AcGePoint2d& p)
{
    return std::to_wstring(p.x) + L"," + std::to_wstring(p.y) + L";";
}

std::wstring text(const ACHAR* value)
{
    return std::wstring(value != nullptr ? value : L"") + L";";
}

std::wstring owned(ACHAR* value)
{
    std::wstring copy = text(value);
    acutDelString(value);
    return copy;
}

template <class T> const T& as(const AcDbEntity* entity)
{
    return *T::cast(entity);
}

std::wstring describeHatch(const AcDbEntity* e)
{
    const auto& h = as<AcDbHatch>(e);
    std::wstring result = text(h.elevation()) + text(h.normal()) + std::to_wstring(h.hatchObjectType()) +
                          std::to_wstring(h.gradientType()) + text(h.gradientName()) + text(h.gradientAngle()) +
                          std::to_wstring(h.getGradientOneColorMode()) + text(h.getShadeTintValue()) +
                          text(h.getGradientShift()) + std::to_wstring(h.patternType()) + text(h.patternName()) +
                          text(h.patternAngle()) + text(h.patternSpace()) + text(h.patternScale()) +
                          std::to_wstring(h.patternDouble()) + std::to_wstring(h.hatchStyle()) +
                          std::to_wstring(h.castShadows()) + std::to_wstring(h.receiveShadows()) +
                          text(h.originPoint()) + std::to_wstring(h.numLoops()) + L";";
    unsigned int count = 0;
    AcCmColor* colors = nullptr;
    float* values = nullptr;
    h.getGradientColors(count, colors, values);
    for (unsigned int i = 0; i < count; ++i)
        result += std::to_wstring(colors[i].colorIndex()) + L":" + text(values[i]);
    delete[] colors;
    delete[] values;
    for (int i = 0; i < h.numLoops(); ++i) {
        Adesk::Int32 type = 0;
        AcGePoint2dArray vertices;
        AcGeDoubleArray bulges;
        h.getLoopAt(i, type, vertices, bulges);
        result += L"loop" + std::to_wstring(type) + L";";
        for (int v = 0; v < vertices.length(); ++v)
            result += text(vertices[v]) + text(bulges[v]);
    }
    return result;
}

AcDbHatch* patternHatch()
{
    auto* hatch = new AcDbHatch;
    hatch->setPattern(AcDbHatch::kPreDefined, L"ANSI31");
    hatch->setPatternAngle(0.5);
    hatch->setPatternScale(2.0);
    hatch->setPatternSpace(0.25);
    hatch->setPatternDouble(true);
    hatch->setHatchStyle(AcDbHatch::kOuter);
    hatch->setElevation(1.5);
    hatch->setOriginPoint(AcGePoint2d(3, 4));
    hatch->setCastShadows(false);
    AcGePoint2dArray outer;
    outer.append(AcGePoint2d(0, 0));
    outer.append(AcGePoint2d(10, 0));
    outer.append(AcGePoint2d(10, 10));
    outer.append(AcGePoint2d(0, 10));
    AcGeDoubleArray bulges;
    for (const double bulge : {0.0, 0.5, 0.0, 0.0})
        bulges.append(bulge);
    hatch->appendLoop(AcDbHatch::kExternal, outer, bulges);
    AcGePoint2dArray inner;
    inner.append(AcGePoint2d(2, 2));
    inner.append(AcGePoint2d(4, 2));
    inner.append(AcGePoint2d(4, 4));
    hatch->appendLoop(AcDbHatch::kDefault, inner, AcGeDoubleArray());
    return hatch;
}

AcDbHatch* gradientHatch()
{
    auto* hatch = new AcDbHatch;
    hatch->setHatchObjectType(AcDbHatch::kGradientObject);
    hatch->setGradient(AcDbHatch::kPreDefinedGradient, L"CYLINDER");
    hatch->setGradientAngle(0.75);
    hatch->setGradientShift(0.25f);
    hatch->setShadeTintValue(0.5f);
    AcCmColor colors[2];
    colors[0].setColorIndex(1);
    colors[1].setColorIndex(5);
    const float values[2] = {0.0f, 1.0f};
    hatch->setGradientColors(2, colors, values);
    hatch->setPattern(AcDbHatch::kPreDefined, L"SOLID");
    AcGePoint2dArray square;
    square.append(AcGePoint2d(0, 0));
    square.append(AcGePoint2d(5, 0));
    square.append(AcGePoint2d(5, 5));
    hatch->appendLoop(AcDbHatch::kExternal, square, AcGeDoubleArray());
    return hatch;
}

// The common dimension values and the four overrides that the stream must keep.
template <class Dimension> Dimension* withCommonValues(Dimension* dimension)
{
    dimension->setDimensionText(L"<> 毫米");
    dimension->setTextPosition(AcGePoint3d(4, 6, 0));
    dimension->useSetTextPosition();
    dimension->setTextRotation(0.2);
    dimension->setElevation(0.5);
    dimension->setTextAttachment(AcDbMText::kBottomCenter);
    dimension->setTextLineSpacingStyle(AcDb::kExactly);
    dimension->setTextLineSpacingFactor(1.5);
    dimension->setDimBlockPosition(AcGePoint3d(1, 1, 0));
    dimension->setDimscale(2.5);
    dimension->setDimtxt(0.35);
    dimension->setDimtad(1);
    dimension->setDimdsep(L',');
    dimension->setDimdec(2);
    dimension->setDimsah(true);
    return dimension;
}

std::wstring describeDimension(const AcDbEntity* e)
{
    const auto& d = as<AcDbDimension>(e);
    return text(d.textPosition()) + std::to_wstring(d.isUsingDefaultTextPosition()) + text(d.normal()) +
           text(d.elevation()) + owned(d.dimensionText()) + text(d.textRotation()) +
           std::to_wstring(d.textAttachment()) + std::to_wstring(d.textLineSpacingStyle()) +
           text(d.textLineSpacingFactor()) + text(d.dimBlockPosition()) + text(d.dimscale()) + text(d.dimtxt()) +
           std::to_wstring(d.dimtad()) + std::wstring(1, d.dimdsep()) + std::to_wstring(d.dimdec()) +
           std::to_wstring(d.dimsah()) + L";";
}

std::vector<RoundTripCase> cases()
{
    return {
        {"Line",
         [] {
             auto* line = new AcDbLine(AcGePoint3d(1, 2, 3), AcGePoint3d(4, 5, 6));
             line->setThickness(0.5);
             line->setNormal(AcGeVector3d(0, 1, 0));
             return line;
         },
         [](const AcDbEntity* e) {
             const auto& l = as<AcDbLine>(e);
             return text(l.startPoint()) + text(l.endPoint()) + text(l.thickness()) + text(l.normal());
         }},
        {"Arc",
         [] {
             auto* arc = new AcDbArc(AcGePoint3d(1, 1, 0), 2.5, 0.25, 2.0);
             arc->setThickness(1.5);
             return arc;
         },
         [](const AcDbEntity* e) {
             const auto& a = as<AcDbArc>(e);
             return text(a.center()) + text(a.radius()) + text(a.startAngle()) + text(a.endAngle()) +
                    text(a.thickness()) + text(a.normal());
         }},
        {"Circle",
         [] {
             auto* circle = new AcDbCircle(AcGePoint3d(7, 8, 9), AcGeVector3d(0, 0, 1), 3.0);
             circle->setThickness(2.0);
             return circle;
         },
         [](const AcDbEntity* e) {
             const auto& c = as<AcDbCircle>(e);
             return text(c.center()) + text(c.radius()) + text(c.thickness()) + text(c.normal());
         }},
        {"Point",
         [] {
             auto* point = new AcDbPoint(AcGePoint3d(3, 4, 5));
             point->setThickness(0.25);
             point->setEcsRotation(0.75);
             return point;
         },
         [](const AcDbEntity* e) {
             const auto& p = as<AcDbPoint>(e);
             return text(p.position()) + text(p.thickness()) + text(p.normal()) + text(p.ecsRotation());
         }},
        {"Ray",
         [] {
             auto* ray = new AcDbRay;
             ray->setBasePoint(AcGePoint3d(1, 2, 0));
             ray->setUnitDir(AcGeVector3d(0, 1, 0));
             return ray;
         },
         [](const AcDbEntity* e) {
             const auto& r = as<AcDbRay>(e);
             return text(r.basePoint()) + text(r.unitDir());
         }},
        {"Ellipse",
         [] {
             return new AcDbEllipse(AcGePoint3d(1, 2, 0), AcGeVector3d(0, 0, 1), AcGeVector3d(4, 0, 0), 0.5, 0.5, 3.0);
         },
         [](const AcDbEntity* e) {
             AcGePoint3d center;
             AcGeVector3d normal;
             AcGeVector3d major;
             double ratio = 0.0;
             double start = 0.0;
             double end = 0.0;
             as<AcDbEllipse>(e).get(center, normal, major, ratio, start, end);
             return text(center) + text(normal) + text(major) + text(ratio) + text(start) + text(end);
         }},
        {"Solid",
         [] {
             auto* solid =
                 new AcDbSolid(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0), AcGePoint3d(0, 1, 0), AcGePoint3d(1, 1, 0));
             solid->setThickness(0.5);
             return solid;
         },
         [](const AcDbEntity* e) {
             const auto& s = as<AcDbSolid>(e);
             std::wstring result = text(s.thickness()) + text(s.normal());
             for (Adesk::UInt16 i = 0; i < 4; ++i) {
                 AcGePoint3d corner;
                 s.getPointAt(i, corner);
                 result += text(corner);
             }
             return result;
         }},
        {"Trace",
         [] {
             return new AcDbTrace(AcGePoint3d(0, 0, 0), AcGePoint3d(2, 0, 0), AcGePoint3d(0, 2, 0),
                                  AcGePoint3d(2, 2, 0));
         },
         [](const AcDbEntity* e) {
             const auto& s = as<AcDbTrace>(e);
             std::wstring result = text(s.thickness());
             for (Adesk::UInt16 i = 0; i < 4; ++i) {
                 AcGePoint3d corner;
                 s.getPointAt(i, corner);
                 result += text(corner);
             }
             return result;
         }},
        {"Polyline",
         [] {
             auto* polyline = new AcDbPolyline;
             polyline->addVertexAt(0, AcGePoint2d(0, 0), 0.5, 0.1, 0.2);
             polyline->addVertexAt(1, AcGePoint2d(3, 0), 0.0, 0.3, 0.4);
             polyline->addVertexAt(2, AcGePoint2d(3, 4), 0.0, 0.0, 0.0);
             polyline->setClosed(Adesk::kTrue);
             polyline->setElevation(2.0);
             polyline->setThickness(1.0);
             return polyline;
         },
         [](const AcDbEntity* e) {
             const auto& p = as<AcDbPolyline>(e);
             std::wstring result = std::to_wstring(p.numVerts()) + L";";
             for (unsigned int i = 0; i < p.numVerts(); ++i) {
                 AcGePoint2d point;
                 double bulge = 0.0;
                 double startWidth = 0.0;
                 double endWidth = 0.0;
                 p.getPointAt(i, point);
                 p.getBulgeAt(i, bulge);
                 p.getWidthsAt(i, startWidth, endWidth);
                 result += text(point) + text(bulge) + text(startWidth) + text(endWidth);
             }
             return result + text(p.thickness()) + std::to_wstring(p.isClosed()) + text(p.elevation()) +
                    text(p.normal());
         }},
        {"Text",
         [] {
             auto* t = new AcDbText(AcGePoint3d(1, 1, 0), L"图纸 text", AcDbObjectId::kNull, 2.5, 0.3);
             t->setHorizontalMode(AcDb::kTextCenter);
             t->setVerticalMode(AcDb::kTextTop);
             t->setAlignmentPoint(AcGePoint3d(5, 1, 0));
             t->setWidthFactor(0.8);
             t->setOblique(0.1);
             return t;
         },
         [](const AcDbEntity* e) {
             const auto& t = as<AcDbText>(e);
             return text(t.position()) + text(t.height()) + std::to_wstring(t.horizontalMode()) + text(t.normal()) +
                    text(t.oblique()) + text(t.rotation()) + owned(t.textString()) + text(t.thickness()) +
                    std::to_wstring(t.verticalMode()) + text(t.widthFactor()) + text(t.alignmentPoint());
         }},
        {"MText",
         [] {
             auto* m = new AcDbMText;
             m->setContents(L"first\\Psecond");
             m->setLocation(AcGePoint3d(2, 3, 0));
             m->setAttachment(AcDbMText::kMiddleCenter);
             m->setTextHeight(1.5);
             m->setWidth(20.0);
             m->setRotation(0.25);
             m->setBackgroundFill(true);
             AcCmColor color;
             color.setColorIndex(5);
             m->setBackgroundFillColor(color);
             m->setBackgroundScaleFactor(1.25);
             return m;
         },
         [](const AcDbEntity* e) {
             const auto& m = as<AcDbMText>(e);
             AcCmColor color;
             m.getBackgroundFillColor(color);
             double scale = 0.0;
             m.getBackgroundScaleFactor(scale);
             return std::to_wstring(m.attachment()) + std::to_wstring(m.backgroundFillOn()) +
                    std::to_wstring(color.colorIndex()) + text(scale) + owned(m.contents()) + text(m.normal()) +
                    text(m.direction()) + text(m.location()) + text(m.rotation()) + text(m.textHeight()) +
                    text(m.width()) + text(m.height());
         }},
        {"Spline",
         [] {
             AcGePoint3dArray fit;
             fit.append(AcGePoint3d(0, 0, 0));
             fit.append(AcGePoint3d(1, 2, 0));
             fit.append(AcGePoint3d(3, 1, 0));
             fit.append(AcGePoint3d(5, 4, 0));
             return new AcDbSpline(fit);
         },
         [](const AcDbEntity* e) {
             const auto& s = as<AcDbSpline>(e);
             int degree = 0;
             Adesk::Boolean rational = 0;
             Adesk::Boolean closed = 0;
             Adesk::Boolean periodic = 0;
             AcGePoint3dArray points;
             AcGeDoubleArray knots;
             AcGeDoubleArray weights;
             double tolerance = 0.0;
             double knotTolerance = 0.0;
             s.getNurbsData(degree, rational, closed, periodic, points, knots, weights, tolerance, knotTolerance);
             std::wstring result = std::to_wstring(degree) + std::to_wstring(rational) + std::to_wstring(closed) +
                                   std::to_wstring(s.hasFitData()) + L";";
             for (int i = 0; i < points.length(); ++i)
                 result += text(points.at(i));
             for (int i = 0; i < knots.length(); ++i)
                 result += text(knots.at(i));
             return result;
         }},
        {"Polyline2d",
         [] {
             AcGePoint3dArray points;
             points.append(AcGePoint3d(0, 0, 0));
             points.append(AcGePoint3d(4, 0, 0));
             points.append(AcGePoint3d(4, 3, 0));
             return new AcDb2dPolyline(AcDb::k2dSimplePoly, points, 1.5, Adesk::kTrue, 0.25, 0.5);
         },
         [](const AcDbEntity* e) {
             const auto& p = as<AcDb2dPolyline>(e);
             std::wstring result = std::to_wstring(p.polyType()) + text(p.defaultStartWidth()) +
                                   text(p.defaultEndWidth()) + text(p.elevation()) + std::to_wstring(p.isClosed()) +
                                   L";";
             std::unique_ptr<AcDbObjectIterator> it(p.vertexIterator());
             for (it->start(); !it->done(); it->step()) {
                 const auto* v = AcDb2dVertex::cast(it->entity());
                 result += text(v->position()) + text(v->bulge()) + text(v->startWidth()) + text(v->endWidth());
             }
             return result;
         }},
        {"Polyline3d",
         [] {
             AcGePoint3dArray points;
             points.append(AcGePoint3d(0, 0, 0));
             points.append(AcGePoint3d(4, 0, 1));
             points.append(AcGePoint3d(4, 3, 2));
             return new AcDb3dPolyline(AcDb::k3dSimplePoly, points, Adesk::kTrue);
         },
         [](const AcDbEntity* e) {
             const auto& p = as<AcDb3dPolyline>(e);
             std::wstring result = std::to_wstring(p.polyType()) + std::to_wstring(p.isClosed()) + L";";
             std::unique_ptr<AcDbObjectIterator> it(p.vertexIterator());
             for (it->start(); !it->done(); it->step())
                 result += text(AcDb3dPolylineVertex::cast(it->entity())->position());
             return result;
         }},
        {"Leader",
         [] {
             auto* leader = new AcDbLeader;
             leader->appendVertex(AcGePoint3d(0, 0, 0));
             leader->appendVertex(AcGePoint3d(2, 2, 0));
             leader->appendVertex(AcGePoint3d(5, 2, 0));
             leader->disableArrowHead();
             leader->setDimasz(0.75);
             leader->setDimgap(0.125);
             leader->setDimscale(2.0);
             leader->setDimtad(1);
             leader->setDimtxt(0.5);
             return leader;
         },
         [](const AcDbEntity* e) {
             const auto& l = as<AcDbLeader>(e);
             std::wstring result = std::to_wstring(l.numVertices()) + L";";
             for (int i = 0; i < l.numVertices(); ++i)
                 result += text(l.vertexAt(i));
             return result + std::to_wstring(l.hasArrowHead()) + text(l.dimasz()) + text(l.dimgap()) +
                    text(l.dimscale()) + std::to_wstring(l.dimtad()) + text(l.dimtxt());
         }},
        {"PatternHatch", &patternHatch, &describeHatch},
        {"GradientHatch", &gradientHatch, &describeHatch},
        {"RotatedDimension",
         [] {
             return withCommonValues(
                 new AcDbRotatedDimension(0.3, AcGePoint3d(0, 0, 0), AcGePoint3d(8, 0, 0), AcGePoint3d(4, 3, 0)));
         },
         [](const AcDbEntity* e) {
             const auto& d = as<AcDbRotatedDimension>(e);
             return describeDimension(e) + text(d.xLine1Point()) + text(d.xLine2Point()) + text(d.dimLinePoint()) +
                    text(d.rotation());
         }},
        {"AlignedDimension",
         [] {
             auto* dimension = withCommonValues(
                 new AcDbAlignedDimension(AcGePoint3d(0, 0, 0), AcGePoint3d(6, 2, 0), AcGePoint3d(3, 5, 0)));
             dimension->setOblique(0.4);
             return dimension;
         },
         [](const AcDbEntity* e) {
             const auto& d = as<AcDbAlignedDimension>(e);
             return describeDimension(e) + text(d.xLine1Point()) + text(d.xLine2Point()) + text(d.dimLinePoint()) +
                    text(d.oblique());
         }},
        {"ThreePointAngularDimension",
         [] {
             auto* dimension = withCommonValues(new AcDb3PointAngularDimension);
             dimension->setCenterPoint(AcGePoint3d(0, 0, 0));
             dimension->setXLine1Point(AcGePoint3d(5, 0, 0));
             dimension->setXLine2Point(AcGePoint3d(0, 5, 0));
             dimension->setArcPoint(AcGePoint3d(3, 3, 0));
             return dimension;
         },
         [](const AcDbEntity* e) {
             const auto& d = as<AcDb3PointAngularDimension>(e);
             return describeDimension(e) + text(d.arcPoint()) + text(d.xLine1Point()) + text(d.xLine2Point()) +
                    text(d.centerPoint());
         }},
        {"TwoLineAngularDimension",
         [] {
             auto* dimension = withCommonValues(new AcDb2LineAngularDimension);
             dimension->setXLine1Start(AcGePoint3d(0, 0, 0));
             dimension->setXLine1End(AcGePoint3d(5, 0, 0));
             dimension->setXLine2Start(AcGePoint3d(0, 1, 0));
             dimension->setXLine2End(AcGePoint3d(4, 4, 0));
             dimension->setArcPoint(AcGePoint3d(4, 2, 0));
             return dimension;
         },
         [](const AcDbEntity* e) {
             const auto& d = as<AcDb2LineAngularDimension>(e);
             return describeDimension(e) + text(d.arcPoint()) + text(d.xLine1Start()) + text(d.xLine1End()) +
                    text(d.xLine2Start()) + text(d.xLine2End());
         }},
        {"RadialDimension",
         [] { return withCommonValues(new AcDbRadialDimension(AcGePoint3d(1, 1, 0), AcGePoint3d(4, 5, 0), 2.0)); },
         [](const AcDbEntity* e) {
             const auto& d = as<AcDbRadialDimension>(e);
             return describeDimension(e) + text(d.leaderLength()) + text(d.center()) + text(d.chordPoint());
         }},
        {"DiametricDimension",
         [] { return withCommonValues(new AcDbDiametricDimension(AcGePoint3d(3, 0, 0), AcGePoint3d(-3, 0, 0), 1.25)); },
         [](const AcDbEntity* e) {
             const auto& d = as<AcDbDiametricDimension>(e);
             return describeDimension(e) + text(d.leaderLength()) + text(d.chordPoint()) + text(d.farChordPoint());
         }},
        {"OrdinateDimension",
         [] {
             auto* dimension = withCommonValues(new AcDbOrdinateDimension);
             dimension->useYAxis();
             dimension->setOrigin(AcGePoint3d(1, 1, 0));
             dimension->setDefiningPoint(AcGePoint3d(5, 7, 0));
             dimension->setLeaderEndPoint(AcGePoint3d(9, 7, 0));
             return dimension;
         },
         [](const AcDbEntity* e) {
             const auto& d = as<AcDbOrdinateDimension>(e);
             return describeDimension(e) + std::to_wstring(d.isUsingXAxis()) + std::to_wstring(d.isUsingYAxis()) +
                    text(d.origin()) + text(d.definingPoint()) + text(d.leaderEndPoint());
         }},
    };
}

// Records that are copied but never streamed.
std::vector<RoundTripCase> copyOnlyCases()
{
    return {
        {"Mline",
         [] {
             auto* mline = new AcDbMline;
             mline->setJustification(Mline::kBottom);
             mline->setScale(2.0);
             mline->appendSeg(AcGePoint3d(0, 0, 0));
             mline->appendSeg(AcGePoint3d(5, 0, 0));
             mline->appendSeg(AcGePoint3d(5, 5, 0));
             mline->setSupressEndCaps(true);
             mline->setClosedMline(true);
             return mline;
         },
         [](const AcDbEntity* e) {
             const auto& m = as<AcDbMline>(e);
             std::wstring result = std::to_wstring(m.justification()) + text(m.scale()) + text(m.normal()) +
                                   std::to_wstring(m.supressStartCaps()) + std::to_wstring(m.supressEndCaps()) +
                                   std::to_wstring(m.closedMline()) + L";";
             for (int i = 0; i < m.numVertices(); ++i)
                 result += text(m.vertexAt(i));
             return result;
         }},
        {"RasterImage",
         [] {
             auto* image = new AcDbRasterImage;
             image->setOrientation(AcGePoint3d(1, 2, 0), AcGeVector3d(4, 0, 0), AcGeVector3d(0, 3, 0));
             image->setImageTransparency(true);
             image->setShowClipped(true);
             return image;
         },
         [](const AcDbEntity* e) {
             const auto& r = as<AcDbRasterImage>(e);
             AcGePoint3d origin;
             AcGeVector3d u;
             AcGeVector3d v;
             r.getOrientation(origin, u, v);
             return text(origin) + text(u) + text(v) + std::to_wstring(r.isSetDisplayOpt(AcDbRasterImage::kShow)) +
                    std::to_wstring(r.isImageTransparent()) + std::to_wstring(r.isShownClipped());
         }},
        {"ArcDimension",
         [] {
             auto* dimension = withCommonValues(new AcDbArcDimension);
             dimension->setCenterPoint(AcGePoint3d(0, 0, 0));
             dimension->setXLine1Point(AcGePoint3d(5, 0, 0));
             dimension->setXLine2Point(AcGePoint3d(0, 5, 0));
             dimension->setArcPoint(AcGePoint3d(4, 4, 0));
             dimension->setIsPartial(true);
             dimension->setArcStartParam(0.1);
             dimension->setArcEndParam(1.2);
             dimension->setHasLeader(true);
             dimension->setLeader1Point(AcGePoint3d(6, 6, 0));
             dimension->setLeader2Point(AcGePoint3d(7, 6, 0));
             dimension->setArcSymbolType(1);
             return dimension;
         },
         [](const AcDbEntity* e) {
             const auto& d = as<AcDbArcDimension>(e);
             return describeDimension(e) + text(d.arcPoint()) + text(d.xLine1Point()) + text(d.xLine2Point()) +
                    text(d.centerPoint()) + std::to_wstring(d.isPartial()) + text(d.arcStartParam()) +
                    text(d.arcEndParam()) + std::to_wstring(d.hasLeader()) + text(d.leader1Point()) +
                    text(d.leader2Point()) + std::to_wstring(d.arcSymbolType());
         }},
        {"RadialDimensionLarge",
         [] {
             auto* dimension = withCommonValues(new AcDbRadialDimensionLarge);
             dimension->setCenter(AcGePoint3d(0, 0, 0));
             dimension->setChordPoint(AcGePoint3d(30, 40, 0));
             dimension->setOverrideCenter(AcGePoint3d(20, 20, 0));
             dimension->setJogPoint(AcGePoint3d(22, 25, 0));
             dimension->setJogAngle(1.0);
             return dimension;
         },
         [](const AcDbEntity* e) {
             const auto& d = as<AcDbRadialDimensionLarge>(e);
             return describeDimension(e) + text(d.center()) + text(d.chordPoint()) + text(d.overrideCenter()) +
                    text(d.jogPoint()) + text(d.jogAngle());
         }},
    };
}

void PrintTo(const RoundTripCase& value, std::ostream* out)
{
    *out << value.name;
}

class RoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTripTest, WrittenAndReadBackOntoAFreshEntityKeepsTheRecordedFields)
{
    const std::unique_ptr<AcDbEntity> source(GetParam().make());
    cadhost::MemoryIdCodec codec;
    cadhost::DwgBufferFiler filer(AcDb::kFileFiler, &codec);
    filer.startWriting();
    ASSERT_EQ(Acad::eOk, writeEntityData(source.get(), &filer));
    const std::vector<Adesk::UInt8> bytes = filer.bytes();

    const std::unique_ptr<AcDbEntity> copy(AcDbEntity::cast(source->isA()->create()));
    filer.startReading(bytes.data(), bytes.size());
    ASSERT_EQ(Acad::eOk, readEntityData(copy.get(), &filer));
    EXPECT_EQ(0u, filer.remaining());
    EXPECT_EQ(GetParam().describe(source.get()), GetParam().describe(copy.get()));
}

TEST_P(RoundTripTest, CopyEntityDataGivesTheSameEntity)
{
    const std::unique_ptr<AcDbEntity> source(GetParam().make());
    source->setColorIndex(3);
    const std::unique_ptr<AcDbEntity> copy(AcDbEntity::cast(source->isA()->create()));
    ASSERT_EQ(Acad::eOk, copyEntityData(copy.get(), source.get()));
    EXPECT_EQ(GetParam().describe(source.get()), GetParam().describe(copy.get()));
    // A leader record never applies the common entity properties.
    EXPECT_EQ(AcDbLeader::cast(copy.get()) != nullptr ? 256 : 3, copy->colorIndex());
}

TEST_P(RoundTripTest, TruncatedStreamIsRefusedWithTheFilerStatus)
{
    const std::unique_ptr<AcDbEntity> source(GetParam().make());
    cadhost::MemoryIdCodec codec;
    cadhost::DwgBufferFiler filer(AcDb::kFileFiler, &codec);
    filer.startWriting();
    ASSERT_EQ(Acad::eOk, writeEntityData(source.get(), &filer));
    const std::vector<Adesk::UInt8> bytes = filer.bytes();
    const std::unique_ptr<AcDbEntity> copy(AcDbEntity::cast(source->isA()->create()));
    filer.startReading(bytes.data(), bytes.size() - 1);
    EXPECT_NE(Acad::eOk, readEntityData(copy.get(), &filer));
}

INSTANTIATE_TEST_SUITE_P(Records, RoundTripTest, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return info.param.name; });

class CopyOnlyTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(CopyOnlyTest, CopyEntityDataGivesTheSameEntity)
{
    const std::unique_ptr<AcDbEntity> source(GetParam().make());
    source->setColorIndex(4);
    const std::unique_ptr<AcDbEntity> copy(AcDbEntity::cast(source->isA()->create()));
    ASSERT_EQ(Acad::eOk, copyEntityData(copy.get(), source.get()));
    EXPECT_EQ(GetParam().describe(source.get()), GetParam().describe(copy.get()));
    EXPECT_EQ(4, copy->colorIndex());
}

INSTANTIATE_TEST_SUITE_P(Records, CopyOnlyTest, ::testing::ValuesIn(copyOnlyCases()),
                         [](const auto& info) { return info.param.name; });

} // namespace
