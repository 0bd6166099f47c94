#include "DxfEntityKinds.h"

#include "dbblkref.h"
#include "dbdim.h"
#include "dbdimstyle.h"
#include "dbelipse.h"
#include "dbents.h"
#include "dbface.h"
#include "dbfcf.h"
#include "dbhatch.h"
#include "dblead.h"
#include "dbmleader.h"
#include "dbmline.h"
#include "dbmtext.h"
#include "dbobjptr.h"
#include "dbpl.h"
#include "dbray.h"
#include "dbregion.h"
#include "dbsol3d.h"
#include "dbspline.h"
#include "dbtable.h"
#include "dbtext.h"
#include "dbviewport.h"
#include "dbwipeout.h"
#include "dbxline.h"
#include "gearc2d.h"
#include "geell2d.h"
#include "gelnsg2d.h"
#include "genurb2d.h"
#include "imgent.h"
#include "nurbscurve.h"

#include <algorithm>
#include <array>
#include <numbers>
#include <string_view>

namespace cadhost::dxf {
namespace {

using Followers = std::span<const DxfRecord>;

constexpr double kDegree = std::numbers::pi / 180.0;
const AcGeVector3d kNoNormal = AcGeVector3d::kZAxis;

AcGePoint2d flat(const AcGePoint3d& point)
{
    return {point.x, point.y};
}

AcGePoint3dArray pointArray(const std::vector<AcGePoint3d>& points)
{
    AcGePoint3dArray result;
    for (const AcGePoint3d& point : points)
        result.append(point);
    return result;
}

AcGeDoubleArray doubleArray(const std::vector<double>& values)
{
    AcGeDoubleArray result;
    for (const double value : values)
        result.append(value);
    return result;
}

std::unique_ptr<AcDbEntity> point(DxfContext&, const DxfRecord& record, Followers)
{
    auto entity = std::make_unique<AcDbPoint>(record.point(10));
    entity->setThickness(record.real(39));
    entity->setNormal(record.vector(210, kNoNormal));
    return entity;
}

std::unique_ptr<AcDbEntity> line(DxfContext&, const DxfRecord& record, Followers)
{
    auto entity = std::make_unique<AcDbLine>(record.point(10), record.point(11));
    entity->setThickness(record.real(39));
    entity->setNormal(record.vector(210, kNoNormal));
    return entity;
}

std::unique_ptr<AcDbEntity> circle(DxfContext&, const DxfRecord& record, Followers)
{
    auto entity = std::make_unique<AcDbCircle>(record.point(10), record.vector(210, kNoNormal), record.real(40));
    entity->setThickness(record.real(39));
    return entity;
}

std::unique_ptr<AcDbEntity> arc(DxfContext&, const DxfRecord& record, Followers)
{
    auto entity = std::make_unique<AcDbArc>(record.point(10), record.vector(210, kNoNormal), record.real(40),
                                            record.real(50) * kDegree, record.real(51) * kDegree);
    entity->setThickness(record.real(39));
    return entity;
}

std::unique_ptr<AcDbEntity> ellipse(DxfContext&, const DxfRecord& record, Followers)
{
    return std::make_unique<AcDbEllipse>(record.point(10), record.vector(210, kNoNormal).normal(),
                                         record.vector(11, AcGeVector3d::kXAxis), record.real(40, 1.0),
                                         record.real(41, 0.0), record.real(42, 2.0 * std::numbers::pi));
}

std::unique_ptr<AcDbEntity> spline(DxfContext&, const DxfRecord& record, Followers)
{
    const int flags = record.integer(70);
    const int degree = record.integer(71, 3);
    const std::vector<AcGePoint3d> controls = record.points(10);
    const std::vector<AcGePoint3d> fits = record.points(11);
    auto entity = std::make_unique<AcDbSpline>();
    if (!controls.empty()) {
        const std::vector<double> weights = record.reals(41);
        entity->setNurbsData(degree, (flags & 4) != 0, (flags & 1) != 0, (flags & 2) != 0, pointArray(controls),
                             doubleArray(record.reals(40)), doubleArray(weights));
    } else if (fits.size() >= 2) {
        entity->setFitData(pointArray(fits), degree, record.real(44), record.vector(12, AcGeVector3d::kIdentity),
                           record.vector(13, AcGeVector3d::kIdentity));
    }
    return entity;
}

std::unique_ptr<AcDbEntity> lightweightPolyline(DxfContext&, const DxfRecord& record, Followers)
{
    auto entity = std::make_unique<AcDbPolyline>();
    DxfCursor cursor(record);
    unsigned index = 0;
    while (cursor.seek(10)) {
        const AcGePoint3d at = cursor.point(10);
        double startWidth = 0.0;
        double endWidth = 0.0;
        double bulge = 0.0;
        // The widths and bulge of a vertex follow its point, in this order when present.
        startWidth = cursor.real(40, startWidth);
        endWidth = cursor.real(41, endWidth);
        bulge = cursor.real(42, bulge);
        entity->addVertexAt(index++, flat(at), bulge, startWidth, endWidth);
    }
    entity->setClosed((record.integer(70) & 1) != 0);
    entity->setPlinegen((record.integer(70) & 128) != 0);
    if (record.has(43))
        entity->setConstantWidth(record.real(43));
    entity->setElevation(record.real(38));
    entity->setThickness(record.real(39));
    entity->setNormal(record.vector(210, kNoNormal));
    return entity;
}

constexpr int kPolyline3d = 8;
constexpr int kPolygonMesh = 16;
constexpr int kPolyfaceMesh = 64;
constexpr int kSplineFrameVertex = 16;

std::unique_ptr<AcDbEntity> polyline(DxfContext&, const DxfRecord& record, Followers vertices)
{
    const int flags = record.integer(70);
    const bool closed = (flags & 1) != 0;
    if ((flags & kPolyline3d) != 0) {
        auto entity = std::make_unique<AcDb3dPolyline>(AcDb::k3dSimplePoly, AcGePoint3dArray(), closed);
        for (const DxfRecord& vertex : vertices)
            if ((vertex.integer(70) & kSplineFrameVertex) == 0)
                entity->appendVertex(new AcDb3dPolylineVertex(vertex.point(10)));
        return entity;
    }
    const double elevation = record.point(10).z;
    auto entity = std::make_unique<AcDb2dPolyline>(AcDb::k2dSimplePoly, AcGePoint3dArray(), elevation, closed,
                                                   record.real(40), record.real(41));
    for (const DxfRecord& vertex : vertices) {
        if ((vertex.integer(70) & kSplineFrameVertex) != 0)
            continue;
        AcGePoint3d at = vertex.point(10);
        at.z = elevation;
        entity->appendVertex(
            new AcDb2dVertex(at, vertex.real(42), vertex.real(40, record.real(40)), vertex.real(41, record.real(41))));
    }
    entity->setThickness(record.real(39));
    entity->setNormal(record.vector(210, kNoNormal));
    return entity;
}

std::unique_ptr<AcDbEntity> leader(DxfContext& context, const DxfRecord& record, Followers)
{
    auto entity = std::make_unique<AcDbLeader>();
    for (const AcGePoint3d& vertex : record.points(10))
        entity->appendVertex(vertex);
    if (record.integer(72) == 1)
        entity->setToSplineLeader();
    const AcDbObjectId style = DxfContext::find(context.dimStyles, context.text.decode(record.text(3)));
    if (!style.isNull())
        entity->setDimensionStyle(style);
    entity->setNormal(record.vector(210, kNoNormal));
    return entity;
}

template <class T> std::unique_ptr<T> fourCorners(const DxfRecord& record)
{
    auto entity =
        std::make_unique<T>(record.point(10), record.point(11), record.point(12), record.point(13, record.point(12)));
    entity->setThickness(record.real(39));
    entity->setNormal(record.vector(210, kNoNormal));
    return entity;
}

std::unique_ptr<AcDbEntity> face(DxfContext&, const DxfRecord& record, Followers)
{
    const int invisible = record.integer(70);
    auto visible = [invisible](int edge) { return (invisible & (1 << edge)) == 0 ? Adesk::kTrue : Adesk::kFalse; };
    return std::make_unique<AcDbFace>(record.point(10), record.point(11), record.point(12),
                                      record.point(13, record.point(12)), visible(0), visible(1), visible(2),
                                      visible(3));
}

// A multileader's geometry lies in its context data: the text (304, at 12, of height 41) and the leaders,
// each a landing point (10) with leader lines whose vertices (10) run from the arrowhead towards it. The
// sections are opened by markers in groups 300, 302 and 304 and closed by "}" in 301, 303 and 305.
std::unique_ptr<AcDbEntity> multileader(DxfContext& context, const DxfRecord& record, Followers)
{
    enum class Section { kEntity, kContext, kLeader, kLine };
    auto entity = std::make_unique<AcDbMLeader>();
    Section section = Section::kEntity;
    std::vector<std::vector<AcGePoint3d>> lines;
    std::vector<std::vector<AcGePoint3d>> leaderLines;
    std::string contents;
    bool hasText = false;
    AcGePoint3d textLocation;
    double textHeight = 0.0;
    bool hasLanding = false;
    AcGePoint3d landing;
    DxfCursor cursor(record);
    while (!cursor.done()) {
        const int code = cursor.code();
        if (code == 300 || code == 302 || code == 304 || code == 301 || code == 303 || code == 305) {
            const std::string value = cursor.text(code);
            if (value == "CONTEXT_DATA{") {
                section = Section::kContext;
            } else if (value == "LEADER{") {
                section = Section::kLeader;
                hasLanding = false;
            } else if (value == "LEADER_LINE{") {
                section = Section::kLine;
                leaderLines.emplace_back();
            } else if (code == 305) {
                section = Section::kLeader;
            } else if (code == 303) {
                section = Section::kContext;
                // The leader's landing point ends each of its lines.
                for (std::vector<AcGePoint3d>& line : leaderLines) {
                    if (hasLanding)
                        line.push_back(landing);
                    lines.push_back(std::move(line));
                }
                leaderLines.clear();
            } else if (code == 301) {
                section = Section::kEntity;
            } else if (code == 304 && section == Section::kContext) {
                contents = value;
                hasText = true;
            }
            continue;
        }
        if (code == 10 && section == Section::kLine) {
            leaderLines.back().push_back(cursor.point(10));
        } else if (code == 10 && section == Section::kLeader) {
            landing = cursor.point(10);
            hasLanding = true;
        } else if (code == 12 && section == Section::kContext) {
            textLocation = cursor.point(12);
        } else if (code == 41 && section == Section::kContext) {
            textHeight = cursor.real(41);
        } else {
            cursor.skip();
        }
    }
    for (const std::vector<AcGePoint3d>& line : lines) {
        if (line.empty())
            continue;
        int index = 0;
        entity->addLeaderLine(line.front(), index);
        for (std::size_t vertex = 1; vertex < line.size(); ++vertex)
            entity->addLastVertex(index, line[vertex]);
    }
    if (hasText) {
        AcDbMText text;
        text.setContents(context.text.decode(contents).c_str());
        text.setLocation(textLocation);
        if (textHeight > 0.0)
            text.setTextHeight(textHeight);
        entity->setMText(&text);
    }
    return entity;
}

// A feature control frame takes its text height from its dimension style.
std::unique_ptr<AcDbEntity> featureControlFrame(DxfContext& context, const DxfRecord& record, Followers)
{
    auto entity = std::make_unique<AcDbFcf>(context.text.decode(record.text(1)).c_str(), record.point(10),
                                            record.vector(210, kNoNormal), record.vector(11, AcGeVector3d::kXAxis));
    const AcDbObjectId style = DxfContext::find(context.dimStyles, context.text.decode(record.text(3)));
    if (!style.isNull()) {
        entity->setDimensionStyle(style);
        AcDbObjectPointer<AcDbDimStyleTableRecord> record(style, AcDb::kForRead);
        if (record.openStatus() == Acad::eOk)
            entity->setDimtxt(record->dimtxt() * (record->dimscale() > 0.0 ? record->dimscale() : 1.0));
    }
    return entity;
}

std::unique_ptr<AcDbEntity> solid(DxfContext&, const DxfRecord& record, Followers)
{
    return fourCorners<AcDbSolid>(record);
}

std::unique_ptr<AcDbEntity> trace(DxfContext&, const DxfRecord& record, Followers)
{
    return fourCorners<AcDbTrace>(record);
}

// The properties every single-line text kind shares; verticalCode is 73 for texts and 74 for attributes.
void setTextProperties(DxfContext& context, const DxfRecord& record, AcDbText& text, int verticalCode)
{
    text.setTextString(context.text.decode(record.text(1)).c_str());
    text.setHeight(record.real(40, 1.0));
    text.setPosition(record.point(10));
    text.setRotation(record.real(50) * kDegree);
    text.setWidthFactor(record.real(41, 1.0));
    text.setOblique(record.real(51) * kDegree);
    text.setThickness(record.real(39));
    text.setNormal(record.vector(210, kNoNormal));
    const AcDbObjectId style = DxfContext::find(context.textStyles, context.text.decode(record.text(7)));
    if (!style.isNull())
        text.setTextStyle(style);
    const int horizontal = record.integer(72);
    const int vertical = record.integer(verticalCode);
    if (horizontal >= 0 && horizontal <= 5)
        text.setHorizontalMode(static_cast<AcDb::TextHorzMode>(horizontal));
    if (vertical >= 0 && vertical <= 3)
        text.setVerticalMode(static_cast<AcDb::TextVertMode>(vertical));
    if (horizontal != 0 || vertical != 0)
        text.setAlignmentPoint(record.point(11, record.point(10)));
}

std::unique_ptr<AcDbEntity> text(DxfContext& context, const DxfRecord& record, Followers)
{
    auto entity = std::make_unique<AcDbText>();
    setTextProperties(context, record, *entity, 73);
    return entity;
}

std::unique_ptr<AcDbEntity> attributeDefinition(DxfContext& context, const DxfRecord& record, Followers)
{
    auto entity = std::make_unique<AcDbAttributeDefinition>();
    setTextProperties(context, record, *entity, 74);
    entity->setTag(context.text.decode(record.text(2)).c_str());
    entity->setPrompt(context.text.decode(record.text(3)).c_str());
    const int flags = record.integer(70);
    entity->setInvisible((flags & 1) != 0);
    entity->setConstant((flags & 2) != 0);
    entity->setVerifiable((flags & 4) != 0);
    entity->setPreset((flags & 8) != 0);
    return entity;
}

std::unique_ptr<AcDbEntity> multilineText(DxfContext& context, const DxfRecord& record, Followers)
{
    auto entity = std::make_unique<AcDbMText>();
    // Long contents come in chunks of group 3 before the last chunk in group 1.
    std::string contents;
    for (const DxfGroup& group : record.groups())
        if (group.code == 3)
            contents += group.value;
    contents += record.text(1);
    entity->setContents(context.text.decode(contents).c_str());
    entity->setLocation(record.point(10));
    entity->setTextHeight(record.real(40, 1.0));
    entity->setWidth(record.real(41));
    const int attachment = record.integer(71, 1);
    if (attachment >= 1 && attachment <= 9)
        entity->setAttachment(static_cast<AcDbMText::AttachmentPoint>(attachment));
    entity->setNormal(record.vector(210, kNoNormal));
    if (record.has(11))
        entity->setDirection(record.vector(11, AcGeVector3d::kXAxis));
    else
        entity->setRotation(record.real(50));
    const AcDbObjectId style = DxfContext::find(context.textStyles, context.text.decode(record.text(7)));
    if (!style.isNull())
        entity->setTextStyle(style);
    return entity;
}

// The spline edge a hatch gives by its fit points alone: the curve through them, which keeps them as its
// fit data. Too few distinct points give a curve without control points, which the hatch refuses.
std::unique_ptr<AcGeNurbCurve2d> splineThrough(const std::vector<AcGePoint3d>& fits, int degree,
                                               const AcGeVector3d& startTangent, const AcGeVector3d& endTangent)
{
    const cadhost::NurbsCurve curve = cadhost::interpolateNurbs(fits, degree, startTangent, endTangent);
    AcGeDoubleArray knots;
    for (const double knot : curve.knots)
        knots.append(knot);
    AcGePoint2dArray controls;
    for (const AcGePoint3d& control : curve.controlPoints)
        controls.append(flat(control));
    auto edge = std::make_unique<AcGeNurbCurve2d>(curve.degree, AcGeKnotVector(knots), controls);
    AcGePoint2dArray fitPoints;
    for (const AcGePoint3d& fit : fits)
        fitPoints.append(flat(fit));
    edge->setFitData(fitPoints, AcGeVector2d(startTangent.x, startTangent.y), AcGeVector2d(endTangent.x, endTangent.y));
    return edge;
}

// One boundary of a hatch, read from the cursor standing after its group 92.
void appendHatchLoop(DxfCursor& cursor, int loopType, AcDbHatch& hatch)
{
    if ((loopType & AcDbHatch::kPolyline) != 0) {
        const bool hasBulges = cursor.integer(72) != 0;
        cursor.integer(73);
        const int count = cursor.integer(93);
        AcGePoint2dArray vertices;
        AcGeDoubleArray bulges;
        for (int index = 0; index < count && !cursor.done() && cursor.code() == 10; ++index) {
            vertices.append(flat(cursor.point(10)));
            bulges.append(hasBulges ? cursor.real(42) : 0.0);
        }
        hatch.appendLoop(loopType, vertices, bulges);
        return;
    }
    const int count = cursor.integer(93);
    // Owned here until the hatch takes them, so that a bad value further on loses none.
    std::vector<std::unique_ptr<AcGeEntity2d>> edges;
    AcGeIntArray edgeTypes;
    for (int index = 0; index < count && !cursor.done() && cursor.code() == 72; ++index) {
        const int type = cursor.integer(72);
        if (type == AcDbHatch::kLine) {
            const AcGePoint3d from = cursor.point(10);
            const AcGePoint3d to = cursor.point(11);
            edges.push_back(std::make_unique<AcGeLineSeg2d>(flat(from), flat(to)));
        } else if (type == AcDbHatch::kCirArc) {
            const AcGePoint3d center = cursor.point(10);
            const double radius = cursor.real(40);
            const double start = cursor.real(50) * kDegree;
            const double end = cursor.real(51) * kDegree;
            // A clockwise edge gives its angles measured clockwise, as the clockwise arc's parameters are.
            const bool clockwise = cursor.integer(73, 1) == 0;
            edges.push_back(std::make_unique<AcGeCircArc2d>(flat(center), radius, start, end, AcGeVector2d::kXAxis,
                                                            clockwise ? Adesk::kTrue : Adesk::kFalse));
        } else if (type == AcDbHatch::kEllArc) {
            const AcGePoint3d center = cursor.point(10);
            const AcGePoint3d major = cursor.point(11);
            const double ratio = cursor.real(40, 1.0);
            const double start = cursor.real(50) * kDegree;
            const double end = cursor.real(51) * kDegree;
            const bool clockwise = cursor.integer(73, 1) == 0;
            const AcGeVector2d axis(major.x, major.y);
            const double length = axis.length();
            const AcGeVector2d direction = length > 0.0 ? axis / length : AcGeVector2d::kXAxis;
            // As for arcs, a clockwise edge measures its angles clockwise: its minor axis points the other way.
            const AcGeVector2d minor =
                clockwise ? AcGeVector2d(direction.y, -direction.x) : AcGeVector2d(-direction.y, direction.x);
            edges.push_back(
                std::make_unique<AcGeEllipArc2d>(flat(center), direction, minor, length, length * ratio, start, end));
        } else if (type == AcDbHatch::kSpline) {
            const int degree = cursor.integer(94, 3);
            const bool rational = cursor.integer(73) != 0;
            const bool periodic = cursor.integer(74) != 0;
            const int knotCount = cursor.integer(95);
            const int controlCount = cursor.integer(96);
            AcGeDoubleArray knots;
            for (int knot = 0; knot < knotCount && !cursor.done() && cursor.code() == 40; ++knot)
                knots.append(cursor.real(40));
            AcGePoint2dArray controls;
            AcGeDoubleArray weights;
            for (int control = 0; control < controlCount && !cursor.done() && cursor.code() == 10; ++control) {
                controls.append(flat(cursor.point(10)));
                if (rational)
                    weights.append(cursor.real(42, 1.0));
            }
            const int fitCount = cursor.integer(97);
            std::vector<AcGePoint3d> fits;
            for (int fit = 0; fit < fitCount && !cursor.done() && cursor.code() == 11; ++fit)
                fits.push_back(cursor.point(11));
            const AcGePoint3d startTangent = cursor.point(12);
            const AcGePoint3d endTangent = cursor.point(13);
            // Where the control points are given, the fit points only repeat what they define.
            edges.push_back(
                controls.isEmpty() ? splineThrough(fits, degree, startTangent.asVector(), endTangent.asVector())
                : rational
                    ? std::make_unique<AcGeNurbCurve2d>(degree, AcGeKnotVector(knots), controls, weights, periodic)
                    : std::make_unique<AcGeNurbCurve2d>(degree, AcGeKnotVector(knots), controls, periodic));
        } else {
            break;
        }
        edgeTypes.append(type);
    }
    AcGeVoidPointerArray pointers;
    for (const auto& edge : edges)
        pointers.append(edge.get());
    if (hatch.appendLoop(loopType, pointers, edgeTypes) == Acad::eOk)
        for (auto& edge : edges)
            static_cast<void>(edge.release());
}

// The gradient of a hatch: its colours come each as a group 463, the colour index (63) and the true colour
// (421) that overrides it.
void setGradient(DxfContext& context, const DxfRecord& record, AcDbHatch& hatch)
{
    hatch.setHatchObjectType(AcDbHatch::kGradientObject);
    hatch.setGradient(AcDbHatch::kPreDefinedGradient, context.text.decode(record.text(470, "LINEAR")).c_str());
    hatch.setGradientAngle(record.real(460));
    hatch.setGradientShift(static_cast<float>(record.real(461)));
    hatch.setGradientOneColorMode(record.integer(452) != 0 ? Adesk::kTrue : Adesk::kFalse);
    hatch.setShadeTintValue(static_cast<float>(record.real(462)));
    std::vector<AcCmColor> colors;
    bool started = false;
    bool indexGiven = false;
    for (const DxfGroup& group : record.groups()) {
        started = started || group.code == 453;
        long long value = 0;
        if (!started || (group.code != 463 && group.code != 63 && group.code != 421) ||
            !parseInteger(group.value, value))
            continue;
        if (group.code == 463 || (group.code == 63 && (colors.empty() || indexGiven))) {
            colors.emplace_back();
            indexGiven = false;
        }
        if (group.code == 63) {
            colors.back().setColorIndex(static_cast<Adesk::UInt16>(std::clamp(value, 1LL, 255LL)));
            indexGiven = true;
        } else if (group.code == 421 && !colors.empty()) {
            colors.back().setRGB(static_cast<Adesk::UInt8>((value >> 16) & 0xFF),
                                 static_cast<Adesk::UInt8>((value >> 8) & 0xFF),
                                 static_cast<Adesk::UInt8>(value & 0xFF));
        }
    }
    std::vector<float> values;
    for (std::size_t index = 0; index < colors.size(); ++index)
        values.push_back(colors.size() < 2 ? 0.0f : static_cast<float>(index) / static_cast<float>(colors.size() - 1));
    hatch.setGradientColors(static_cast<unsigned int>(colors.size()), colors.data(), values.data());
}

std::unique_ptr<AcDbEntity> hatch(DxfContext& context, const DxfRecord& record, Followers)
{
    auto entity = std::make_unique<AcDbHatch>();
    entity->setNormal(record.vector(210, kNoNormal));
    entity->setElevation(record.point(10).z);
    const bool solidFill = record.integer(70) != 0;
    const int patternType = record.integer(76, AcDbHatch::kPreDefined);
    const std::wstring name = context.text.decode(record.text(2, solidFill ? "SOLID" : "ANSI31"));
    entity->setPatternAngle(record.real(52) * kDegree);
    if (record.has(41))
        entity->setPatternScale(record.real(41));
    entity->setPattern(patternType >= 0 && patternType <= 2 ? static_cast<AcDbHatch::HatchPatternType>(patternType)
                                                            : AcDbHatch::kPreDefined,
                       name.c_str());
    const int style = record.integer(75);
    if (style >= 0 && style <= 2)
        entity->setHatchStyle(static_cast<AcDbHatch::HatchStyle>(style));

    DxfCursor cursor(record);
    if (cursor.seek(91)) {
        const int loops = cursor.integer(91);
        for (int loop = 0; loop < loops && cursor.seek(92); ++loop) {
            const int loopType = cursor.integer(92);
            appendHatchLoop(cursor, loopType, *entity);
        }
    }
    if (record.integer(450) != 0)
        setGradient(context, record, *entity);
    return entity;
}

std::unique_ptr<AcDbEntity> insert(DxfContext& context, const DxfRecord& record, Followers)
{
    const AcDbObjectId block = DxfContext::find(context.blocks, context.text.decode(record.text(2)));
    const int columns = record.integer(70, 1);
    const int rows = record.integer(71, 1);
    std::unique_ptr<AcDbBlockReference> entity;
    if (columns > 1 || rows > 1) {
        entity = std::make_unique<AcDbMInsertBlock>(record.point(10), block, static_cast<Adesk::UInt16>(columns),
                                                    static_cast<Adesk::UInt16>(rows), record.real(44), record.real(45));
    } else {
        entity = std::make_unique<AcDbBlockReference>(record.point(10), block);
    }
    entity->setScaleFactors(AcGeScale3d(record.real(41, 1.0), record.real(42, 1.0), record.real(43, 1.0)));
    entity->setRotation(record.real(50) * kDegree);
    entity->setNormal(record.vector(210, kNoNormal));
    return entity;
}

// The dimension kinds by the low three bits of group 70.
std::unique_ptr<AcDbDimension> dimensionOfKind(const DxfRecord& record)
{
    switch (record.integer(70) & 7) {
    case 0: {
        auto dimension = std::make_unique<AcDbRotatedDimension>();
        dimension->setXLine1Point(record.point(13));
        dimension->setXLine2Point(record.point(14));
        dimension->setDimLinePoint(record.point(10));
        dimension->setRotation(record.real(50) * kDegree);
        return dimension;
    }
    case 1: {
        auto dimension = std::make_unique<AcDbAlignedDimension>();
        dimension->setXLine1Point(record.point(13));
        dimension->setXLine2Point(record.point(14));
        dimension->setDimLinePoint(record.point(10));
        return dimension;
    }
    case 2: {
        auto dimension = std::make_unique<AcDb2LineAngularDimension>();
        dimension->setXLine1Start(record.point(13));
        dimension->setXLine1End(record.point(14));
        dimension->setXLine2Start(record.point(15));
        dimension->setXLine2End(record.point(10));
        dimension->setArcPoint(record.point(16));
        return dimension;
    }
    case 3:
        return std::make_unique<AcDbDiametricDimension>(record.point(15), record.point(10), record.real(40));
    case 4:
        return std::make_unique<AcDbRadialDimension>(record.point(10), record.point(15), record.real(40));
    case 5: {
        auto dimension = std::make_unique<AcDb3PointAngularDimension>();
        dimension->setXLine1Point(record.point(13));
        dimension->setXLine2Point(record.point(14));
        dimension->setCenterPoint(record.point(15));
        dimension->setArcPoint(record.point(10));
        return dimension;
    }
    default: {
        auto dimension = std::make_unique<AcDbOrdinateDimension>();
        dimension->setOrigin(record.point(10));
        dimension->setDefiningPoint(record.point(13));
        dimension->setLeaderEndPoint(record.point(14));
        return dimension;
    }
    }
}

void setDimensionProperties(DxfContext& context, const DxfRecord& record, AcDbDimension& dimension)
{
    const AcDbObjectId style = DxfContext::find(context.dimStyles, context.text.decode(record.text(3)));
    if (!style.isNull())
        dimension.setDimensionStyle(style);
    const AcDbObjectId block = DxfContext::find(context.blocks, context.text.decode(record.text(2)));
    if (!block.isNull())
        dimension.setDimBlockId(block);
    if (record.has(11))
        dimension.setTextPosition(record.point(11));
    if (record.has(1))
        dimension.setDimensionText(context.text.decode(record.text(1)).c_str());
    dimension.setNormal(record.vector(210, kNoNormal));
}

std::unique_ptr<AcDbEntity> dimension(DxfContext& context, const DxfRecord& record, Followers)
{
    std::unique_ptr<AcDbDimension> entity = dimensionOfKind(record);
    setDimensionProperties(context, record, *entity);
    return entity;
}

std::unique_ptr<AcDbEntity> arcDimension(DxfContext& context, const DxfRecord& record, Followers)
{
    auto entity = std::make_unique<AcDbArcDimension>();
    entity->setXLine1Point(record.point(13));
    entity->setXLine2Point(record.point(14));
    entity->setCenterPoint(record.point(15));
    entity->setArcPoint(record.point(10));
    entity->setArcStartParam(record.real(40));
    entity->setArcEndParam(record.real(41));
    entity->setIsPartial(record.integer(70) != 0);
    setDimensionProperties(context, record, *entity);
    return entity;
}

std::unique_ptr<AcDbEntity> largeRadialDimension(DxfContext& context, const DxfRecord& record, Followers)
{
    auto entity = std::make_unique<AcDbRadialDimensionLarge>();
    entity->setCenter(record.point(10));
    entity->setChordPoint(record.point(13));
    entity->setOverrideCenter(record.point(14));
    entity->setJogPoint(record.point(15));
    setDimensionProperties(context, record, *entity);
    return entity;
}

// A table: its grid (row heights 141, column widths 142) and the text of its cells, which come row by row,
// each beginning with its cell type (171) and holding its text in group 1 or, in later versions, 302.
std::unique_ptr<AcDbEntity> table(DxfContext& context, const DxfRecord& record, Followers)
{
    auto entity = std::make_unique<AcDbTable>();
    entity->setPosition(record.point(10));
    entity->setNormal(record.vector(210, kNoNormal));
    const AcDbObjectId block = DxfContext::find(context.blocks, context.text.decode(record.text(2)));
    if (!block.isNull())
        entity->setBlockTableRecord(block);
    const std::vector<double> heights = record.reals(141);
    const std::vector<double> widths = record.reals(142);
    const int rows = static_cast<int>(heights.size());
    const int columns = static_cast<int>(widths.size());
    if (rows == 0 || columns == 0)
        return entity;
    entity->setSize(rows, columns);
    for (int row = 0; row < rows; ++row)
        entity->setRowHeight(row, heights[static_cast<std::size_t>(row)]);
    for (int column = 0; column < columns; ++column)
        entity->setColumnWidth(column, widths[static_cast<std::size_t>(column)]);
    if (record.has(11))
        entity->setDirection(record.vector(11, AcGeVector3d::kXAxis));
    int cell = -1;
    bool textGiven = false;
    for (const DxfGroup& group : record.groups()) {
        if (group.code == 171) {
            ++cell;
            textGiven = false;
        } else if ((group.code == 1 || group.code == 302) && cell >= 0 && cell < rows * columns && !textGiven &&
                   !group.value.empty()) {
            entity->setTextString(cell / columns, cell % columns, context.text.decode(group.value).c_str());
            textGiven = true;
        }
    }
    return entity;
}

std::unique_ptr<AcDbEntity> xline(DxfContext&, const DxfRecord& record, Followers)
{
    auto entity = std::make_unique<AcDbXline>();
    entity->setBasePoint(record.point(10));
    entity->setUnitDir(record.vector(11, AcGeVector3d::kXAxis).normal());
    return entity;
}

std::unique_ptr<AcDbEntity> ray(DxfContext&, const DxfRecord& record, Followers)
{
    auto entity = std::make_unique<AcDbRay>();
    entity->setBasePoint(record.point(10));
    entity->setUnitDir(record.vector(11, AcGeVector3d::kXAxis).normal());
    return entity;
}

std::unique_ptr<AcDbEntity> image(DxfContext& context, const DxfRecord& record, Followers)
{
    auto entity = std::make_unique<AcDbRasterImage>();
    const auto definition = context.imageDefinitions.find(record.text(340));
    if (definition != context.imageDefinitions.end())
        entity->setImageDefId(definition->second);
    // The u and v vectors span one pixel; the image's sides are those times its size in pixels.
    const AcGePoint3d pixels = record.point(13, AcGePoint3d(1, 1, 0));
    entity->setOrientation(record.point(10), record.vector(11, AcGeVector3d::kXAxis) * pixels.x,
                           record.vector(12, AcGeVector3d::kYAxis) * pixels.y);
    return entity;
}

// A wipeout is placed as an image one pixel in size; its boundary (group 14) is in pixel coordinates about
// the pixel's centre, with y downwards.
std::unique_ptr<AcDbEntity> wipeout(DxfContext&, const DxfRecord& record, Followers)
{
    auto entity = std::make_unique<AcDbWipeout>();
    const AcGePoint3d pixels = record.point(13, AcGePoint3d(1, 1, 0));
    entity->setOrientation(record.point(10), record.vector(11, AcGeVector3d::kXAxis) * pixels.x,
                           record.vector(12, AcGeVector3d::kYAxis) * pixels.y);
    std::vector<AcGePoint2d> boundary;
    for (const AcGePoint3d& point : record.points(14))
        boundary.emplace_back((point.x + 0.5) / std::max(pixels.x, 1.0), (0.5 - point.y) / std::max(pixels.y, 1.0));
    // Two points are the opposite corners of a rectangle.
    if (boundary.size() == 2)
        boundary = {boundary[0], {boundary[1].x, boundary[0].y}, boundary[1], {boundary[0].x, boundary[1].y}};
    entity->setBoundary(boundary);
    return entity;
}

std::unique_ptr<AcDbEntity> viewport(DxfContext&, const DxfRecord& record, Followers)
{
    auto entity = std::make_unique<AcDbViewport>();
    entity->setCenterPoint(record.point(10));
    entity->setWidth(record.real(40));
    entity->setHeight(record.real(41));
    entity->setViewCenter(flat(record.point(12)));
    entity->setViewHeight(record.real(45, record.real(41)));
    return entity;
}

std::unique_ptr<AcDbEntity> multiline(DxfContext& context, const DxfRecord& record, Followers)
{
    auto entity = std::make_unique<AcDbMline>();
    AcDbObjectId style;
    if (acdbGetStandardMlineStyle(&context.database, style) == Acad::eOk)
        entity->setStyle(style);
    entity->setScale(record.real(40, 1.0));
    entity->setNormal(record.vector(210, kNoNormal));
    for (const AcGePoint3d& vertex : record.points(11))
        entity->appendSeg(vertex);
    entity->setClosedMline((record.integer(71) & 2) != 0);
    return entity;
}

std::unique_ptr<AcDbEntity> solid3d(DxfContext&, const DxfRecord&, Followers)
{
    return std::make_unique<AcDb3dSolid>();
}

std::unique_ptr<AcDbEntity> region(DxfContext&, const DxfRecord&, Followers)
{
    return std::make_unique<AcDbRegion>();
}

struct EntityKind {
    std::string_view dxfName;
    EntityBuilder build;
};

constexpr std::array<EntityKind, 31> kEntityKinds{{
    {"POINT", point},
    {"LINE", line},
    {"CIRCLE", circle},
    {"ARC", arc},
    {"ELLIPSE", ellipse},
    {"SPLINE", spline},
    {"LWPOLYLINE", lightweightPolyline},
    {"POLYLINE", polyline},
    {"LEADER", leader},
    {"MULTILEADER", multileader},
    {"TOLERANCE", featureControlFrame},
    {"SOLID", solid},
    {"TRACE", trace},
    {"3DFACE", face},
    {"TEXT", text},
    {"ATTDEF", attributeDefinition},
    {"MTEXT", multilineText},
    {"HATCH", hatch},
    {"INSERT", insert},
    {"DIMENSION", dimension},
    {"ARC_DIMENSION", arcDimension},
    {"LARGE_RADIAL_DIMENSION", largeRadialDimension},
    {"ACAD_TABLE", table},
    {"XLINE", xline},
    {"RAY", ray},
    {"IMAGE", image},
    {"WIPEOUT", wipeout},
    {"VIEWPORT", viewport},
    {"MLINE", multiline},
    {"3DSOLID", solid3d},
    {"REGION", region},
}};

} // namespace

EntityBuilder entityBuilder(const DxfRecord& record)
{
    if (record.type() == "POLYLINE" && (record.integer(70) & (kPolygonMesh | kPolyfaceMesh)) != 0)
        return nullptr;
    for (const EntityKind& kind : kEntityKinds)
        if (kind.dxfName == record.type())
            return kind.build;
    return nullptr;
}

std::unique_ptr<AcDbAttribute> buildAttribute(DxfContext& context, const DxfRecord& record)
{
    auto attribute = std::make_unique<AcDbAttribute>();
    setTextProperties(context, record, *attribute, 74);
    attribute->setTag(context.text.decode(record.text(2)).c_str());
    attribute->setInvisible((record.integer(70) & 1) != 0);
    return attribute;
}

} // namespace cadhost::dxf
