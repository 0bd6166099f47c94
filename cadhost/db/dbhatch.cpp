#include "dbhatch.h"
#include "listformat.h"

#include "acgi.h"
#include "dbfieldio.h"
#include "entgeom.h"
#include "gearc2d.h"
#include "geell2d.h"
#include "gelnsg2d.h"
#include "genurb2d.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cwctype>
#include <initializer_list>
#include <iterator>
#include <numbers>
#include <utility>

namespace {

// More pattern lines than this is a pattern too dense to be meant.
constexpr std::size_t kMaxHatchLines = 100000;
constexpr int kArcSamples = 32;
constexpr int kCurveSamples = 64;
constexpr int kMaxSplineDegree = 25;

// The line families of the common predefined patterns, at pattern scale 1: each family's angle and the
// distance between its lines. A predefined pattern not in the table draws one family at the pattern
// angle, spaced by the pattern space.
struct PredefinedPattern {
    const wchar_t* name;
    double spacing;
    std::initializer_list<double> angles;
};
const PredefinedPattern kPredefinedPatterns[] = {
    {L"ANSI31", 3.175, {std::numbers::pi / 4.0}},
    {L"ANSI32", 9.525, {std::numbers::pi / 4.0}},
    {L"ANSI37", 3.175, {std::numbers::pi / 4.0, 3.0 * std::numbers::pi / 4.0}},
    {L"NET", 3.175, {0.0, std::numbers::pi / 2.0}},
    {L"LINE", 3.175, {0.0}},
};

bool sameTextIgnoringCase(const std::wstring& left, const wchar_t* right)
{
    const std::wstring other = right;
    return left.size() == other.size() && std::equal(left.begin(), left.end(), other.begin(), [](wchar_t a, wchar_t b) {
               return std::towupper(a) == std::towupper(b);
           });
}

bool edgeMatchesType(const AcGeCurve2d* edge, int type)
{
    switch (type) {
    case AcDbHatch::kLine:
        return edge->type() == AcGe::kLineSeg2d;
    case AcDbHatch::kCirArc:
        return edge->type() == AcGe::kCircArc2d;
    case AcDbHatch::kEllArc:
        return edge->type() == AcGe::kEllipArc2d;
    case AcDbHatch::kSpline:
        return edge->type() == AcGe::kNurbCurve2d;
    default:
        return false;
    }
}

// The definition a spline edge needs to be read back: the reader refuses any other.
bool storableSpline(int degree, const std::vector<double>& knots, std::size_t controlCount,
                    const std::vector<double>& weights)
{
    return degree >= 1 && degree <= kMaxSplineDegree && controlCount >= static_cast<std::size_t>(degree) + 1 &&
           knots.size() == controlCount + static_cast<std::size_t>(degree) + 1 &&
           std::is_sorted(knots.begin(), knots.end()) && (weights.empty() || weights.size() == controlCount) &&
           std::all_of(weights.begin(), weights.end(), [](double w) { return w > 0.0; });
}

// Whether the edge can be written and read back: what the reader refuses, a hatch does not take.
bool storableEdge(const AcGeCurve2d& edge)
{
    switch (edge.type()) {
    case AcGe::kCircArc2d: {
        const auto& arc = static_cast<const AcGeCircArc2d&>(edge);
        return arc.radius() > 0.0 && !arc.refVec().isZeroLength();
    }
    case AcGe::kEllipArc2d: {
        const auto& arc = static_cast<const AcGeEllipArc2d&>(edge);
        return arc.majorRadius() > 0.0 && arc.minorRadius() > 0.0 && !arc.majorAxis().isZeroLength() &&
               !arc.minorAxis().isZeroLength();
    }
    case AcGe::kNurbCurve2d: {
        const auto& spline = static_cast<const AcGeNurbCurve2d&>(edge);
        int degree = 0;
        Adesk::Boolean rational = Adesk::kFalse;
        Adesk::Boolean periodic = Adesk::kFalse;
        AcGeKnotVector knots;
        AcGePoint2dArray controlPoints;
        AcGeDoubleArray weights;
        spline.getDefinitionData(degree, rational, periodic, knots, controlPoints, weights);
        std::vector<double> knotValues;
        knotValues.reserve(static_cast<std::size_t>(knots.length()));
        for (int k = 0; k < knots.length(); ++k)
            knotValues.push_back(knots[k]);
        return storableSpline(degree, knotValues, static_cast<std::size_t>(controlPoints.length()),
                              rational ? std::vector<double>(weights.begin(), weights.end()) : std::vector<double>());
    }
    default:
        return true;
    }
}

// The first colour lightened or darkened by the shade tint: 0 is black, 0.5 the colour, 1 white.
AcCmColor tinted(const AcCmColor& color, float shadeTint)
{
    Adesk::UInt32 rgb = color.isByColor() ? (static_cast<Adesk::UInt32>(color.red()) << 16) |
                                                (static_cast<Adesk::UInt32>(color.green()) << 8) | color.blue()
                                          : AcCmEntityColor::lookUpRGB(color.colorIndex());
    const double tint = std::clamp(static_cast<double>(shadeTint), 0.0, 1.0);
    auto channel = [&](int shift) {
        const double value = static_cast<double>((rgb >> shift) & 0xFF);
        const double result = tint < 0.5 ? value * tint / 0.5 : value + (255.0 - value) * (tint - 0.5) / 0.5;
        return static_cast<Adesk::UInt8>(std::lround(std::clamp(result, 0.0, 255.0)));
    };
    AcCmColor result;
    result.setRGB(channel(16), channel(8), channel(0));
    return result;
}

std::vector<AcGePoint2d> sampled(const AcGeCurve2d& curve, int samples)
{
    AcGePoint2dArray points;
    curve.getSamplePoints(samples, points);
    return {points.begin(), points.end()};
}

} // namespace

AcDbHatch::AcDbHatch() = default;
AcDbHatch::~AcDbHatch() = default;

double AcDbHatch::elevation() const
{
    assertReadEnabled();
    return m_elevation;
}

Acad::ErrorStatus AcDbHatch::setElevation(double elevation)
{
    assertWriteEnabled();
    m_elevation = elevation;
    return Acad::eOk;
}

AcGeVector3d AcDbHatch::normal() const
{
    assertReadEnabled();
    return m_normal;
}

Acad::ErrorStatus AcDbHatch::setNormal(const AcGeVector3d& normal)
{
    if (normal.isZeroLength())
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_normal = normal.normal();
    return Acad::eOk;
}

AcDbHatch::HatchObjectType AcDbHatch::hatchObjectType() const
{
    assertReadEnabled();
    return m_objectType;
}

Acad::ErrorStatus AcDbHatch::setHatchObjectType(HatchObjectType type)
{
    if (type != kHatchObject && type != kGradientObject)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_objectType = type;
    return Acad::eOk;
}

bool AcDbHatch::isGradient() const
{
    assertReadEnabled();
    return m_objectType == kGradientObject;
}

bool AcDbHatch::isHatch() const
{
    assertReadEnabled();
    return m_objectType == kHatchObject;
}

bool AcDbHatch::isSolidFill() const
{
    assertReadEnabled();
    return m_patternType == kPreDefined && sameTextIgnoringCase(m_patternName, L"SOLID");
}

AcDbHatch::GradientPatternType AcDbHatch::gradientType() const
{
    assertReadEnabled();
    return m_gradientType;
}

const ACHAR* AcDbHatch::gradientName() const
{
    assertReadEnabled();
    return m_gradientName.c_str();
}

Acad::ErrorStatus AcDbHatch::setGradient(GradientPatternType type, const ACHAR* name)
{
    if ((type != kPreDefinedGradient && type != kUserDefinedGradient) || name == nullptr)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_gradientType = type;
    m_gradientName = name;
    return Acad::eOk;
}

double AcDbHatch::gradientAngle() const
{
    assertReadEnabled();
    return m_gradientAngle;
}

Acad::ErrorStatus AcDbHatch::setGradientAngle(double angle)
{
    assertWriteEnabled();
    m_gradientAngle = angle;
    return Acad::eOk;
}

Adesk::Boolean AcDbHatch::getGradientOneColorMode() const
{
    assertReadEnabled();
    return m_oneColorMode ? Adesk::kTrue : Adesk::kFalse;
}

Acad::ErrorStatus AcDbHatch::setGradientOneColorMode(Adesk::Boolean oneColorMode)
{
    assertWriteEnabled();
    m_oneColorMode = oneColorMode != Adesk::kFalse;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::getGradientColors(unsigned int& count, AcCmColor*& colors, float*& values) const
{
    assertReadEnabled();
    std::vector<AcCmColor> shownColors = m_gradientColors;
    std::vector<float> shownValues = m_gradientValues;
    if (m_oneColorMode && !shownColors.empty()) {
        shownColors.resize(2);
        shownColors[1] = tinted(shownColors[0], m_shadeTint);
        if (shownValues.size() < 2)
            shownValues = {0.0f, 1.0f};
        shownValues.resize(2);
    }
    count = static_cast<unsigned int>(shownColors.size());
    colors = nullptr;
    values = nullptr;
    if (count == 0)
        return Acad::eOk;
    colors = new AcCmColor[count];
    values = new float[count];
    std::copy(shownColors.begin(), shownColors.end(), colors);
    std::copy(shownValues.begin(), shownValues.end(), values);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::setGradientColors(unsigned int count, const AcCmColor* colors, const float* values)
{
    if (count > 0 && (colors == nullptr || values == nullptr))
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_gradientColors.assign(colors, colors + count);
    m_gradientValues.assign(values, values + count);
    return Acad::eOk;
}

float AcDbHatch::getShadeTintValue() const
{
    assertReadEnabled();
    return m_shadeTint;
}

Acad::ErrorStatus AcDbHatch::setShadeTintValue(float value)
{
    if (!(value >= 0.0f && value <= 1.0f))
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_shadeTint = value;
    return Acad::eOk;
}

float AcDbHatch::getGradientShift() const
{
    assertReadEnabled();
    return m_gradientShift;
}

Acad::ErrorStatus AcDbHatch::setGradientShift(float shift)
{
    assertWriteEnabled();
    m_gradientShift = shift;
    return Acad::eOk;
}

AcDbHatch::HatchPatternType AcDbHatch::patternType() const
{
    assertReadEnabled();
    return m_patternType;
}

const ACHAR* AcDbHatch::patternName() const
{
    assertReadEnabled();
    return m_patternName.c_str();
}

Acad::ErrorStatus AcDbHatch::setPattern(HatchPatternType type, const ACHAR* name)
{
    if (type < kUserDefined || type > kCustomDefined || name == nullptr)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_patternType = type;
    m_patternName = name;
    return Acad::eOk;
}

double AcDbHatch::patternAngle() const
{
    assertReadEnabled();
    return m_patternAngle;
}

Acad::ErrorStatus AcDbHatch::setPatternAngle(double angle)
{
    assertWriteEnabled();
    m_patternAngle = angle;
    return Acad::eOk;
}

double AcDbHatch::patternSpace() const
{
    assertReadEnabled();
    return m_patternSpace;
}

Acad::ErrorStatus AcDbHatch::setPatternSpace(double space)
{
    if (!(space > 0.0))
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_patternSpace = space;
    return Acad::eOk;
}

double AcDbHatch::patternScale() const
{
    assertReadEnabled();
    return m_patternScale;
}

Acad::ErrorStatus AcDbHatch::setPatternScale(double scale)
{
    if (!(scale > 0.0))
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_patternScale = scale;
    return Acad::eOk;
}

bool AcDbHatch::patternDouble() const
{
    assertReadEnabled();
    return m_patternDouble;
}

Acad::ErrorStatus AcDbHatch::setPatternDouble(bool isDouble)
{
    assertWriteEnabled();
    m_patternDouble = isDouble;
    return Acad::eOk;
}

AcDbHatch::HatchStyle AcDbHatch::hatchStyle() const
{
    assertReadEnabled();
    return m_hatchStyle;
}

Acad::ErrorStatus AcDbHatch::setHatchStyle(HatchStyle style)
{
    if (style < kNormal || style > kIgnore)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_hatchStyle = style;
    return Acad::eOk;
}

// ---- Loops ----

int AcDbHatch::numLoops() const
{
    assertReadEnabled();
    return static_cast<int>(m_loops.size());
}

Adesk::Int32 AcDbHatch::loopTypeAt(int loopIndex) const
{
    assertReadEnabled();
    if (loopIndex < 0 || loopIndex >= numLoops())
        return kDefault;
    return m_loops[static_cast<std::size_t>(loopIndex)].type;
}

Acad::ErrorStatus AcDbHatch::getLoopAt(int loopIndex, Adesk::Int32& loopType, AcGeVoidPointerArray& edgePtrs,
                                       AcGeIntArray& edgeTypes) const
{
    assertReadEnabled();
    if (loopIndex < 0 || loopIndex >= numLoops())
        return Acad::eInvalidIndex;
    const Loop& loop = m_loops[static_cast<std::size_t>(loopIndex)];
    if (loop.isPolyline())
        return Acad::eNotApplicable;
    loopType = loop.type;
    edgePtrs.removeAll();
    edgeTypes.removeAll();
    for (std::size_t i = 0; i < loop.edges.size(); ++i) {
        edgePtrs.append(loop.edges[i].get());
        edgeTypes.append(loop.edgeTypes[i]);
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::getLoopAt(int loopIndex, Adesk::Int32& loopType, AcGePoint2dArray& vertices,
                                       AcGeDoubleArray& bulges) const
{
    assertReadEnabled();
    if (loopIndex < 0 || loopIndex >= numLoops())
        return Acad::eInvalidIndex;
    const Loop& loop = m_loops[static_cast<std::size_t>(loopIndex)];
    if (!loop.isPolyline())
        return Acad::eNotApplicable;
    loopType = loop.type;
    vertices.removeAll();
    bulges.removeAll();
    for (const AcGePoint2d& vertex : loop.vertices)
        vertices.append(vertex);
    for (double bulge : loop.bulges)
        bulges.append(bulge);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::appendLoop(Adesk::Int32 loopType, const AcGeVoidPointerArray& edgePtrs,
                                        const AcGeIntArray& edgeTypes)
{
    if (edgePtrs.isEmpty() || edgePtrs.length() != edgeTypes.length() || (loopType & kPolyline) != 0)
        return Acad::eInvalidInput;
    for (int i = 0; i < edgePtrs.length(); ++i) {
        const auto* edge = static_cast<const AcGeCurve2d*>(edgePtrs[i]);
        if (edge == nullptr || !edgeMatchesType(edge, edgeTypes[i]) || !storableEdge(*edge))
            return Acad::eInvalidInput;
    }
    assertWriteEnabled();
    Loop loop;
    loop.type = loopType;
    for (int i = 0; i < edgePtrs.length(); ++i) {
        loop.edges.emplace_back(static_cast<AcGeCurve2d*>(edgePtrs[i]));
        loop.edgeTypes.push_back(edgeTypes[i]);
    }
    m_loops.push_back(std::move(loop));
    return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::appendLoop(Adesk::Int32 loopType, const AcGePoint2dArray& vertices,
                                        const AcGeDoubleArray& bulges)
{
    if (vertices.length() < 2 || (!bulges.isEmpty() && bulges.length() != vertices.length()))
        return Acad::eInvalidInput;
    assertWriteEnabled();
    Loop loop;
    loop.type = loopType | kPolyline;
    loop.vertices.assign(vertices.begin(), vertices.end());
    if (bulges.isEmpty())
        loop.bulges.assign(loop.vertices.size(), 0.0);
    else
        loop.bulges.assign(bulges.begin(), bulges.end());
    m_loops.push_back(std::move(loop));
    return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::removeLoopAt(int loopIndex)
{
    if (loopIndex < 0 || loopIndex >= numLoops())
        return Acad::eInvalidIndex;
    assertWriteEnabled();
    m_loops.erase(m_loops.begin() + loopIndex);
    return Acad::eOk;
}

bool AcDbHatch::associative() const
{
    assertReadEnabled();
    return m_associative;
}

Acad::ErrorStatus AcDbHatch::setAssociative(bool isAssociative)
{
    assertWriteEnabled();
    m_associative = isAssociative;
    return Acad::eOk;
}

bool AcDbHatch::lineGenerationEnabled() const
{
    assertReadEnabled();
    return m_lineGeneration;
}

bool AcDbHatch::setLineGenerationEnabled(bool enable)
{
    assertWriteEnabled();
    return std::exchange(m_lineGeneration, enable);
}

AcGePoint2d AcDbHatch::originPoint() const
{
    assertReadEnabled();
    return m_origin;
}

Acad::ErrorStatus AcDbHatch::setOriginPoint(const AcGePoint2d& origin)
{
    assertWriteEnabled();
    m_origin = origin;
    return Acad::eOk;
}

// ---- Pattern lines ----

std::vector<std::vector<AcGePoint2d>> AcDbHatch::loopPolygons() const
{
    std::vector<std::vector<AcGePoint2d>> polygons;
    for (const Loop& loop : m_loops) {
        std::vector<AcGePoint2d> polygon;
        if (loop.isPolyline()) {
            const std::size_t count = loop.vertices.size();
            for (std::size_t i = 0; i < count; ++i) {
                const AcGePoint2d& start = loop.vertices[i];
                const AcGePoint2d& end = loop.vertices[(i + 1) % count];
                const double bulge = loop.bulges[i];
                polygon.push_back(start);
                if (std::abs(bulge) > 1e-12 && !start.isEqualTo(end)) {
                    const std::vector<AcGePoint2d> arc =
                        sampled(AcGeCircArc2d(start, end, bulge, Adesk::kFalse), kArcSamples);
                    polygon.insert(polygon.end(), arc.begin() + 1, arc.end() - 1);
                }
            }
        } else {
            for (std::size_t i = 0; i < loop.edges.size(); ++i) {
                const AcGeCurve2d& edge = *loop.edges[i];
                const int samples = loop.edgeTypes[i] == kLine     ? 2
                                    : loop.edgeTypes[i] == kSpline ? kCurveSamples
                                                                   : kArcSamples;
                const std::vector<AcGePoint2d> points = sampled(edge, samples);
                polygon.insert(polygon.end(), points.begin(), points.end() - 1);
            }
        }
        if (polygon.size() >= 2)
            polygons.push_back(std::move(polygon));
    }
    return polygons;
}

Acad::ErrorStatus AcDbHatch::evaluateHatch(bool /*underEstimateNumLines*/)
{
    assertWriteEnabled();
    m_lines.clear();
    if (!m_lineGeneration || m_objectType == kGradientObject || isSolidFill())
        return Acad::eOk;
    double spacing = m_patternType == kUserDefined ? m_patternSpace : m_patternSpace * m_patternScale;
    std::vector<double> angles{m_patternAngle};
    if (m_patternType == kUserDefined && m_patternDouble)
        angles.push_back(m_patternAngle + std::numbers::pi / 2.0);
    if (m_patternType == kPreDefined) {
        const auto* known = std::find_if(
            std::begin(kPredefinedPatterns), std::end(kPredefinedPatterns),
            [&](const PredefinedPattern& pattern) { return sameTextIgnoringCase(m_patternName, pattern.name); });
        if (known != std::end(kPredefinedPatterns)) {
            spacing = known->spacing * m_patternScale;
            angles.clear();
            for (const double family : known->angles)
                angles.push_back(m_patternAngle + family);
        }
    }
    if (!(spacing > 0.0))
        return Acad::eInvalidInput;
    const std::vector<std::vector<AcGePoint2d>> polygons = loopPolygons();
    std::vector<HatchLine> lines;
    for (double angle : angles) {
        const AcGeVector2d along(std::cos(angle), std::sin(angle));
        const AcGeVector2d across(-along.y, along.x);
        double low = INFINITY;
        double high = -INFINITY;
        for (const auto& polygon : polygons) {
            for (const AcGePoint2d& point : polygon) {
                low = std::min(low, point.asVector().dotProduct(across));
                high = std::max(high, point.asVector().dotProduct(across));
            }
        }
        if (low > high)
            continue;
        const double base = m_origin.asVector().dotProduct(across);
        const double first = std::ceil((low - base) / spacing);
        const double last = std::floor((high - base) / spacing);
        if (!(first <= last))
            continue;
        // Also refuses a span that cannot be counted (infinite at both ends).
        if (!(last - first + static_cast<double>(lines.size()) <= static_cast<double>(kMaxHatchLines)))
            return Acad::eHatchTooDense;
        // Counted in integers: far from the origin, adding 1.0 to a line number no longer changes it.
        const auto count = static_cast<std::int64_t>(last - first);
        for (std::int64_t step = 0; step <= count; ++step) {
            const double offset = base + (first + static_cast<double>(step)) * spacing;
            std::vector<double> crossings;
            for (const auto& polygon : polygons) {
                for (std::size_t i = 0; i < polygon.size(); ++i) {
                    const AcGePoint2d& a = polygon[i];
                    const AcGePoint2d& b = polygon[(i + 1) % polygon.size()];
                    const double fa = a.asVector().dotProduct(across) - offset;
                    const double fb = b.asVector().dotProduct(across) - offset;
                    if ((fa < 0.0) == (fb < 0.0))
                        continue;
                    const AcGePoint2d hit = a + (b - a) * (fa / (fa - fb));
                    crossings.push_back(hit.asVector().dotProduct(along));
                }
            }
            std::sort(crossings.begin(), crossings.end());
            const AcGePoint2d onLine = AcGePoint2d::kOrigin + across * offset;
            for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
                if (crossings[i + 1] - crossings[i] > 1e-12)
                    lines.push_back({onLine + along * crossings[i], onLine + along * crossings[i + 1]});
            }
        }
    }
    m_lines = std::move(lines);
    return Acad::eOk;
}

int AcDbHatch::numHatchLines() const
{
    assertReadEnabled();
    return static_cast<int>(m_lines.size());
}

Acad::ErrorStatus AcDbHatch::getHatchLineDataAt(int lineIndex, AcGePoint2d& startPoint, AcGePoint2d& endPoint) const
{
    assertReadEnabled();
    if (lineIndex < 0 || lineIndex >= numHatchLines())
        return Acad::eInvalidIndex;
    startPoint = m_lines[static_cast<std::size_t>(lineIndex)].start;
    endPoint = m_lines[static_cast<std::size_t>(lineIndex)].end;
    return Acad::eOk;
}

// ---- Geometry ----

AcGePoint3d AcDbHatch::toWorld(const AcGePoint2d& point) const
{
    return AcGeMatrix3d::planeToWorld(m_normal) * AcGePoint3d(point.x, point.y, m_elevation);
}

Adesk::Boolean AcDbHatch::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    AcGiWorldGeometry& geometry = worldDraw->geometry();
    AcGiSubEntityTraits& traits = worldDraw->subEntityTraits();
    const AcCmColor previousColor = traits.trueColor();
    // A gradient's outline is the edge of its fill, drawn in the fill's colour, not the entity's.
    const bool gradientColored = m_objectType == kGradientObject && !m_gradientColors.empty();
    if (gradientColored)
        traits.setTrueColor(m_gradientColors.front());
    const auto polygons = loopPolygons();
    for (const auto& polygon : polygons) {
        std::vector<AcGePoint3d> points;
        points.reserve(polygon.size() + 1);
        for (const AcGePoint2d& point : polygon)
            points.push_back(toWorld(point));
        points.push_back(points.front());
        geometry.polyline(static_cast<Adesk::UInt32>(points.size()), points.data());
    }
    if (m_objectType == kGradientObject || isSolidFill()) {
        const AcGiFillType previousFill = traits.fillType();
        traits.setFillType(kAcGiFillAlways);
        for (const auto& polygon : polygons) {
            std::vector<AcGePoint3d> points;
            points.reserve(polygon.size());
            for (const AcGePoint2d& point : polygon)
                points.push_back(toWorld(point));
            geometry.polygon(static_cast<Adesk::UInt32>(points.size()), points.data());
        }
        traits.setFillType(previousFill);
        traits.setTrueColor(previousColor);
        return Adesk::kTrue;
    }
    if (m_lineGeneration) {
        for (const HatchLine& line : m_lines) {
            const AcGePoint3d points[2] = {toWorld(line.start), toWorld(line.end)};
            geometry.polyline(2, points);
        }
    }
    return Adesk::kTrue;
}

void AcDbHatch::subList() const
{
    assertReadEnabled();
    AcDbEntity::subList();
    cadhost::listHeader(*this);
    acutPrintf(L"\n  pattern: %s  angle: %g  scale: %g  space: %g  loops: %d  lines: %d", m_patternName.c_str(),
               m_patternAngle, m_patternScale, m_patternSpace, static_cast<int>(m_loops.size()),
               static_cast<int>(m_lines.size()));
}

Acad::ErrorStatus AcDbHatch::subGetGeomExtents(AcDbExtents& extents) const
{
    assertReadEnabled();
    AcDbExtents result;
    for (const auto& polygon : loopPolygons()) {
        for (const AcGePoint2d& point : polygon)
            result.addPoint(toWorld(point));
    }
    if (!cadhost::hasPoints(result))
        return Acad::eInvalidExtents;
    extents = result;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::subTransformBy(const AcGeMatrix3d& transform)
{
    assertWriteEnabled();
    const cadhost::PlaneFrame moved =
        cadhost::transformFrame(transform, m_normal, cadhost::planeDirection(m_normal, 0.0));
    // The map of the hatch plane onto the new one, as a matrix of the plane.
    const AcGeMatrix3d toNewPlane = AcGeMatrix3d::worldToPlane(moved.normal) * transform;
    const AcGePoint3d origin = toNewPlane * toWorld(AcGePoint2d::kOrigin);
    const AcGeVector3d xImage = toNewPlane * toWorld(AcGePoint2d(1.0, 0.0)) - origin;
    const AcGeVector3d yImage = toNewPlane * toWorld(AcGePoint2d(0.0, 1.0)) - origin;
    AcGeMatrix2d planeMap;
    planeMap.setCoordSystem(AcGePoint2d(origin.x, origin.y), AcGeVector2d(xImage.x, xImage.y),
                            AcGeVector2d(yImage.x, yImage.y));
    bool curved = false;
    for (const Loop& loop : m_loops) {
        curved = curved || !loop.edges.empty() ||
                 std::any_of(loop.bulges.begin(), loop.bulges.end(), [](double b) { return b != 0.0; });
    }
    if (curved && !planeMap.isUniScaledOrtho())
        return Acad::eCannotScaleNonUniformly;
    const bool mirrored = planeMap.det() < 0.0;
    for (Loop& loop : m_loops) {
        for (AcGePoint2d& vertex : loop.vertices)
            vertex.transformBy(planeMap);
        if (mirrored) {
            for (double& bulge : loop.bulges)
                bulge = -bulge;
        }
        for (auto& edge : loop.edges)
            edge->transformBy(planeMap);
    }
    m_origin.transformBy(planeMap);
    const double scale = std::sqrt(std::abs(planeMap.det()));
    if (m_patternType == kUserDefined)
        m_patternSpace *= scale;
    else
        m_patternScale *= scale;
    m_patternAngle += std::atan2(xImage.y, xImage.x);
    m_normal = moved.normal;
    m_elevation = origin.z;
    return evaluateHatch(false);
}

// ---- Filing ----

void AcDbHatch::fileLoop(cadhost::DwgFieldWriter& io, const Loop& loop)
{
    io(loop.type);
    if (loop.isPolyline()) {
        io.array(loop.vertices);
        io.array(loop.bulges);
        return;
    }
    io(static_cast<Adesk::UInt32>(loop.edges.size()));
    for (std::size_t i = 0; i < loop.edges.size() && io.ok(); ++i) {
        const int type = loop.edgeTypes[i];
        io(static_cast<Adesk::UInt8>(type));
        const AcGeCurve2d* edge = loop.edges[i].get();
        if (type == kLine) {
            const auto* line = static_cast<const AcGeLineSeg2d*>(edge);
            io(line->startPoint())(line->endPoint());
        } else if (type == kCirArc) {
            const auto* arc = static_cast<const AcGeCircArc2d*>(edge);
            io(arc->center())(arc->radius())(arc->startAng())(arc->endAng())(arc->refVec())(arc->isClockWise());
        } else if (type == kEllArc) {
            const auto* arc = static_cast<const AcGeEllipArc2d*>(edge);
            io(arc->center())(arc->majorAxis())(arc->minorAxis())(arc->majorRadius())(arc->minorRadius());
            io(arc->startAng())(arc->endAng());
        } else {
            const auto* spline = static_cast<const AcGeNurbCurve2d*>(edge);
            int degree = 0;
            Adesk::Boolean rational = Adesk::kFalse;
            Adesk::Boolean periodic = Adesk::kFalse;
            AcGeKnotVector knots;
            AcGePoint2dArray controlPoints;
            AcGeDoubleArray weights;
            spline->getDefinitionData(degree, rational, periodic, knots, controlPoints, weights);
            std::vector<double> knotValues;
            knotValues.reserve(static_cast<std::size_t>(knots.length()));
            for (int k = 0; k < knots.length(); ++k)
                knotValues.push_back(knots[k]);
            io(static_cast<Adesk::Int32>(degree))(periodic != Adesk::kFalse);
            io.array(knotValues);
            io.array(std::vector<AcGePoint2d>(controlPoints.begin(), controlPoints.end()));
            io.array(rational ? std::vector<double>(weights.begin(), weights.end()) : std::vector<double>());
        }
    }
}

void AcDbHatch::fileLoop(cadhost::DwgFieldReader& io, Loop& loop)
{
    io(loop.type);
    if (!io.ok())
        return;
    if (loop.isPolyline()) {
        io.array(loop.vertices);
        io.array(loop.bulges);
        if (io.ok() && (loop.vertices.size() < 2 || loop.bulges.size() != loop.vertices.size()))
            io.fail(Acad::eDwgObjectImproperlyRead);
        return;
    }
    Adesk::UInt32 count = 0;
    io(count);
    if (io.ok() && count > cadhost::kMaxFiledCount)
        io.fail(Acad::eDwgObjectImproperlyRead);
    for (Adesk::UInt32 i = 0; i < count && io.ok(); ++i) {
        Adesk::UInt8 type = 0;
        io(type);
        std::unique_ptr<AcGeCurve2d> edge;
        if (type == kLine) {
            AcGePoint2d start;
            AcGePoint2d end;
            io(start)(end);
            edge = std::make_unique<AcGeLineSeg2d>(start, end);
        } else if (type == kCirArc) {
            AcGePoint2d center;
            double radius = 0.0;
            double start = 0.0;
            double end = 0.0;
            AcGeVector2d reference;
            bool clockwise = false;
            io(center)(radius)(start)(end)(reference)(clockwise);
            if (io.ok() && (!(radius > 0.0) || reference.isZeroLength()))
                io.fail(Acad::eDwgObjectImproperlyRead);
            if (io.ok())
                edge = std::make_unique<AcGeCircArc2d>(center, radius, start, end, reference,
                                                       clockwise ? Adesk::kTrue : Adesk::kFalse);
        } else if (type == kEllArc) {
            AcGePoint2d center;
            AcGeVector2d major;
            AcGeVector2d minor;
            double majorRadius = 0.0;
            double minorRadius = 0.0;
            double start = 0.0;
            double end = 0.0;
            io(center)(major)(minor)(majorRadius)(minorRadius)(start)(end);
            if (io.ok() &&
                (!(majorRadius > 0.0) || !(minorRadius > 0.0) || major.isZeroLength() || minor.isZeroLength()))
                io.fail(Acad::eDwgObjectImproperlyRead);
            if (io.ok())
                edge = std::make_unique<AcGeEllipArc2d>(center, major, minor, majorRadius, minorRadius, start, end);
        } else if (type == kSpline) {
            Adesk::Int32 degree = 0;
            bool periodic = false;
            std::vector<double> knots;
            std::vector<AcGePoint2d> controlPoints;
            std::vector<double> weights;
            io(degree)(periodic);
            io.array(knots);
            io.array(controlPoints);
            io.array(weights);
            if (io.ok() && !storableSpline(degree, knots, controlPoints.size(), weights))
                io.fail(Acad::eDwgObjectImproperlyRead);
            if (io.ok()) {
                AcGeDoubleArray knotArray;
                for (double knot : knots)
                    knotArray.append(knot);
                AcGePoint2dArray pointArray;
                for (const AcGePoint2d& point : controlPoints)
                    pointArray.append(point);
                AcGeDoubleArray weightArray;
                for (double weight : weights)
                    weightArray.append(weight);
                edge = std::make_unique<AcGeNurbCurve2d>(degree, AcGeKnotVector(knotArray), pointArray, weightArray,
                                                         periodic ? Adesk::kTrue : Adesk::kFalse);
            }
        } else if (io.ok()) {
            io.fail(Acad::eDwgObjectImproperlyRead);
        }
        if (io.ok()) {
            loop.edges.push_back(std::move(edge));
            loop.edgeTypes.push_back(type);
        }
    }
    if (io.ok() && loop.edges.empty())
        io.fail(Acad::eDwgObjectImproperlyRead);
}

template <class Self, class Io> void AcDbHatch::fileFields(Self& self, Io& io)
{
    io(self.m_elevation)(self.m_normal);
    io.template enumAs<Adesk::UInt8>(self.m_objectType, kGradientObject);
    io.template enumAs<Adesk::UInt8>(self.m_gradientType, kUserDefinedGradient);
    io(self.m_gradientName)(self.m_gradientAngle)(self.m_oneColorMode);
    io.array(self.m_gradientColors);
    io.array(self.m_gradientValues);
    io(self.m_shadeTint)(self.m_gradientShift);
    io.template enumAs<Adesk::UInt8>(self.m_patternType, kCustomDefined);
    io(self.m_patternName)(self.m_patternAngle)(self.m_patternSpace)(self.m_patternScale)(self.m_patternDouble);
    io.template enumAs<Adesk::UInt8>(self.m_hatchStyle, kIgnore);
    io.array(self.m_loops, [](Io& io, auto& loop) { fileLoop(io, loop); });
    io(self.m_associative)(self.m_lineGeneration)(self.m_origin);
    if constexpr (Io::kReading) {
        if (io.ok() && self.m_gradientColors.size() != self.m_gradientValues.size())
            io.fail(Acad::eDwgObjectImproperlyRead);
    }
}

Acad::ErrorStatus AcDbHatch::dwgOutFields(AcDbDwgFiler* filer) const
{
    return cadhost::FieldAccess::out(*this, filer, AcDbEntity::dwgOutFields(filer));
}

Acad::ErrorStatus AcDbHatch::dwgInFields(AcDbDwgFiler* filer)
{
    const Acad::ErrorStatus status = cadhost::FieldAccess::in(*this, filer, AcDbEntity::dwgInFields(filer));
    if (status != Acad::eOk)
        return status;
    // The pattern lines are not stored: they follow from the loops and the pattern.
    evaluateHatch(false);
    return Acad::eOk;
}
