#include "dbdim.h"
#include "listformat.h"
#include "mtextlayout.h"

#include "acgi.h"
#include "dbdimstyle.h"
#include "dbfieldio.h"
#include "entgeom.h"
#include "textmetrics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cwchar>
#include <numbers>

namespace {
ACHAR* copyOf(const std::wstring& text)
{
    ACHAR* copy = nullptr;
    acutNewString(text.c_str(), copy);
    return copy;
}

void replaceAll(std::wstring& text, std::wstring_view what, const std::wstring& with)
{
    for (std::size_t at = text.find(what); at != std::wstring::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}
// A stored measurement may be of any size, so the text is sized from the value instead of a fixed buffer.
std::wstring fixedDecimals(double value, int decimals)
{
    const int length = std::snprintf(nullptr, 0, "%.*f", decimals, value);
    if (length <= 0)
        return {};
    std::string digits(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(digits.data(), digits.size(), "%.*f", decimals, value);
    digits.resize(static_cast<std::size_t>(length));
    return std::wstring(digits.begin(), digits.end());
}
} // namespace

AcDbDimension::AcDbDimension() = default;

// ---- Dimension variables: the override when set, else the style's value ----

#define CADHOST_DIMENSION_DEFINE_VALUE(name, Name, Type, Default)                                                      \
    Type AcDbDimension::name() const                                                                                   \
    {                                                                                                                  \
        assertReadEnabled();                                                                                           \
        if (m_overridden.test(static_cast<int>(cadhost::DimVar::name)))                                                \
            return m_overrides.name;                                                                                   \
        return styleVars().name;                                                                                       \
    }                                                                                                                  \
    Acad::ErrorStatus AcDbDimension::set##Name(cadhost::DimVarParam<Type> value)                                       \
    {                                                                                                                  \
        assertWriteEnabled();                                                                                          \
        m_overrides.name = value;                                                                                      \
        m_overridden.set(static_cast<int>(cadhost::DimVar::name));                                                     \
        return Acad::eOk;                                                                                              \
    }
#define CADHOST_DIMENSION_DEFINE_TEXT(name, Name, Default)                                                             \
    ACHAR* AcDbDimension::name() const                                                                                 \
    {                                                                                                                  \
        assertReadEnabled();                                                                                           \
        if (m_overridden.test(static_cast<int>(cadhost::DimVar::name)))                                                \
            return copyOf(m_overrides.name);                                                                           \
        return copyOf(styleVars().name);                                                                               \
    }                                                                                                                  \
    Acad::ErrorStatus AcDbDimension::set##Name(const ACHAR* value)                                                     \
    {                                                                                                                  \
        assertWriteEnabled();                                                                                          \
        m_overrides.name = value != nullptr ? value : L"";                                                             \
        m_overridden.set(static_cast<int>(cadhost::DimVar::name));                                                     \
        return Acad::eOk;                                                                                              \
    }

ACDB_DIMVAR_VALUES(CADHOST_DIMENSION_DEFINE_VALUE)
ACDB_DIMVAR_TEXTS(CADHOST_DIMENSION_DEFINE_TEXT)

cadhost::DimVars AcDbDimension::styleVars() const
{
    AcDbObjectId styleId = m_styleId;
    if (styleId.isNull() && database() != nullptr)
        styleId = database()->dimstyle();
    AcDbDimStyleTableRecord* style = nullptr;
    if (styleId.isNull() || acdbOpenObject(style, styleId, AcDb::kForRead) != Acad::eOk)
        return {};
    cadhost::DimVars vars = style->dimVars();
    style->close();
    return vars;
}

cadhost::DimVars AcDbDimension::effectiveVars() const
{
    cadhost::DimVars vars = styleVars();
#define CADHOST_DIMENSION_APPLY_OVERRIDE(name, ...)                                                                    \
    if (m_overridden.test(static_cast<int>(cadhost::DimVar::name)))                                                    \
        vars.name = m_overrides.name;
    ACDB_DIMVAR_VALUES(CADHOST_DIMENSION_APPLY_OVERRIDE)
    ACDB_DIMVAR_TEXTS(CADHOST_DIMENSION_APPLY_OVERRIDE)
#undef CADHOST_DIMENSION_APPLY_OVERRIDE
    return vars;
}

// ---- Common properties ----

AcGePoint3d AcDbDimension::textPosition() const
{
    assertReadEnabled();
    return m_textPosition;
}

Acad::ErrorStatus AcDbDimension::setTextPosition(const AcGePoint3d& position)
{
    assertWriteEnabled();
    m_textPosition = position;
    return Acad::eOk;
}

bool AcDbDimension::isUsingDefaultTextPosition() const
{
    assertReadEnabled();
    return m_defaultTextPosition;
}

Acad::ErrorStatus AcDbDimension::useDefaultTextPosition()
{
    assertWriteEnabled();
    m_defaultTextPosition = true;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::useSetTextPosition()
{
    assertWriteEnabled();
    m_defaultTextPosition = false;
    return Acad::eOk;
}

AcGeVector3d AcDbDimension::normal() const
{
    assertReadEnabled();
    return m_normal;
}

Acad::ErrorStatus AcDbDimension::setNormal(const AcGeVector3d& normal)
{
    if (normal.isZeroLength())
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_normal = normal.normal();
    return Acad::eOk;
}

double AcDbDimension::elevation() const
{
    assertReadEnabled();
    return m_elevation;
}

Acad::ErrorStatus AcDbDimension::setElevation(double elevation)
{
    assertWriteEnabled();
    m_elevation = elevation;
    return Acad::eOk;
}

ACHAR* AcDbDimension::dimensionText() const
{
    assertReadEnabled();
    return copyOf(m_dimensionText);
}

Acad::ErrorStatus AcDbDimension::setDimensionText(const ACHAR* text)
{
    assertWriteEnabled();
    m_dimensionText = text != nullptr ? text : L"";
    return Acad::eOk;
}

double AcDbDimension::textRotation() const
{
    assertReadEnabled();
    return m_textRotation;
}

Acad::ErrorStatus AcDbDimension::setTextRotation(double angle)
{
    assertWriteEnabled();
    m_textRotation = angle;
    return Acad::eOk;
}

AcDbObjectId AcDbDimension::dimensionStyle() const
{
    assertReadEnabled();
    return m_styleId;
}

Acad::ErrorStatus AcDbDimension::setDimensionStyle(AcDbObjectId styleId)
{
    assertWriteEnabled();
    m_styleId = styleId;
    return Acad::eOk;
}

AcDbMText::AttachmentPoint AcDbDimension::textAttachment() const
{
    assertReadEnabled();
    return m_textAttachment;
}

Acad::ErrorStatus AcDbDimension::setTextAttachment(AcDbMText::AttachmentPoint attachment)
{
    if (attachment < AcDbMText::kTopLeft || attachment > AcDbMText::kBottomRight)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_textAttachment = attachment;
    return Acad::eOk;
}

AcDb::LineSpacingStyle AcDbDimension::textLineSpacingStyle() const
{
    assertReadEnabled();
    return m_lineSpacingStyle;
}

Acad::ErrorStatus AcDbDimension::setTextLineSpacingStyle(AcDb::LineSpacingStyle style)
{
    if (style != AcDb::kAtLeast && style != AcDb::kExactly)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_lineSpacingStyle = style;
    return Acad::eOk;
}

double AcDbDimension::textLineSpacingFactor() const
{
    assertReadEnabled();
    return m_lineSpacingFactor;
}

Acad::ErrorStatus AcDbDimension::setTextLineSpacingFactor(double factor)
{
    if (!(factor >= 0.25 && factor <= 4.0))
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_lineSpacingFactor = factor;
    return Acad::eOk;
}

AcDbObjectId AcDbDimension::dimBlockId() const
{
    assertReadEnabled();
    return m_blockId;
}

Acad::ErrorStatus AcDbDimension::setDimBlockId(const AcDbObjectId& blockId)
{
    assertWriteEnabled();
    m_blockId = blockId;
    return Acad::eOk;
}

AcGePoint3d AcDbDimension::dimBlockPosition() const
{
    assertReadEnabled();
    return m_blockPosition;
}

Acad::ErrorStatus AcDbDimension::setDimBlockPosition(const AcGePoint3d& position)
{
    assertWriteEnabled();
    m_blockPosition = position;
    return Acad::eOk;
}

bool AcDbDimension::isDynamicDimension() const
{
    assertReadEnabled();
    return m_dynamic;
}

Acad::ErrorStatus AcDbDimension::setDynamicDimension(bool dynamic)
{
    assertWriteEnabled();
    m_dynamic = dynamic;
    return Acad::eOk;
}

AcDbObjectId AcDbDimension::dimLineLinetype() const
{
    assertReadEnabled();
    return m_dimLineLinetype;
}

Acad::ErrorStatus AcDbDimension::setDimLineLinetype(const AcDbObjectId linetypeId)
{
    assertWriteEnabled();
    m_dimLineLinetype = linetypeId;
    return Acad::eOk;
}

AcDbObjectId AcDbDimension::dimExt1Linetype() const
{
    assertReadEnabled();
    return m_ext1Linetype;
}

Acad::ErrorStatus AcDbDimension::setDimExt1Linetype(const AcDbObjectId linetypeId)
{
    assertWriteEnabled();
    m_ext1Linetype = linetypeId;
    return Acad::eOk;
}

AcDbObjectId AcDbDimension::dimExt2Linetype() const
{
    assertReadEnabled();
    return m_ext2Linetype;
}

Acad::ErrorStatus AcDbDimension::setDimExt2Linetype(const AcDbObjectId linetypeId)
{
    assertWriteEnabled();
    m_ext2Linetype = linetypeId;
    return Acad::eOk;
}

bool AcDbDimension::isHorizontalRefTextRotation() const
{
    assertReadEnabled();
    return m_horizontalRefTextRotation;
}

Acad::ErrorStatus AcDbDimension::setHorizontalRefTextRotation(bool horizontal)
{
    assertWriteEnabled();
    m_horizontalRefTextRotation = horizontal;
    return Acad::eOk;
}

bool AcDbDimension::getArrowFirstIsFlipped() const
{
    assertReadEnabled();
    return m_arrowFirstFlipped;
}

Acad::ErrorStatus AcDbDimension::setArrowFirstIsFlipped(bool flipped)
{
    assertWriteEnabled();
    m_arrowFirstFlipped = flipped;
    return Acad::eOk;
}

bool AcDbDimension::getArrowSecondIsFlipped() const
{
    assertReadEnabled();
    return m_arrowSecondFlipped;
}

Acad::ErrorStatus AcDbDimension::setArrowSecondIsFlipped(bool flipped)
{
    assertWriteEnabled();
    m_arrowSecondFlipped = flipped;
    return Acad::eOk;
}

// ---- Measurement and its text ----

Acad::ErrorStatus AcDbDimension::measurement(double& value) const
{
    assertReadEnabled();
    value = measureValue();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::formatMeasurement(AcString& formatted, double measurement,
                                                   const ACHAR* dimensionText) const
{
    const cadhost::DimVars vars = effectiveVars();
    const bool angular = isAngular();
    double value = angular ? measurement * 180.0 / std::numbers::pi : measurement * vars.dimlfac;
    if (!angular && vars.dimrnd > 0.0)
        value = std::round(value / vars.dimrnd) * vars.dimrnd;
    const int decimals = std::clamp(angular ? vars.dimadec : vars.dimdec, 0, 8);
    std::wstring number = fixedDecimals(value, decimals);
    const std::size_t point = number.find(L'.');
    const int zeros = angular ? vars.dimazin : vars.dimzin;
    if (point != std::wstring::npos && (zeros & 8) != 0) {
        while (number.back() == L'0')
            number.pop_back();
        if (number.back() == L'.')
            number.pop_back();
    }
    if ((zeros & 4) != 0 && number.starts_with(L"0."))
        number.erase(0, 1);
    if (number.find(L'.') != std::wstring::npos && vars.dimdsep != 0)
        std::replace(number.begin(), number.end(), L'.', vars.dimdsep);
    std::wstring text = measurementPrefix() + number + (angular ? L"\u00B0" : L"");
    if (!angular && !vars.dimpost.empty()) {
        if (vars.dimpost.find(L"<>") != std::wstring::npos) {
            std::wstring post = vars.dimpost;
            replaceAll(post, L"<>", text);
            text = post;
        } else {
            text += vars.dimpost;
        }
    }
    const std::wstring override = dimensionText != nullptr ? dimensionText : L"";
    if (override == L" ") {
        text.clear();
    } else if (!override.empty()) {
        std::wstring shown = override;
        replaceAll(shown, L"<>", text);
        text = shown;
    }
    formatted = AcString(text);
    return Acad::eOk;
}

// ---- Graphics ----

double AcDbDimension::scaled(double value) const
{
    const double factor = dimscale();
    return value * (factor > 0.0 ? factor : 1.0);
}

AcGePoint3d AcDbDimension::placeText(const AcGePoint3d& defaultPosition) const
{
    return m_defaultTextPosition ? defaultPosition : m_textPosition;
}

void AcDbDimension::addLinear(cadhost::DimGraphics& graphics, const AcGePoint3d& xLine1, const AcGePoint3d& xLine2,
                              const AcGePoint3d& dimLinePoint, const AcGeVector3d& direction) const
{
    const cadhost::DimVars vars = effectiveVars();
    const AcGePoint3d foot1 = dimLinePoint + direction * (xLine1 - dimLinePoint).dotProduct(direction);
    const AcGePoint3d foot2 = dimLinePoint + direction * (xLine2 - dimLinePoint).dotProduct(direction);
    const double offset = scaled(vars.dimexo);
    const double extension = scaled(vars.dimexe);
    const struct {
        AcGePoint3d origin;
        AcGePoint3d foot;
        bool suppressed;
    } extensionLines[2] = {{xLine1, foot1, vars.dimse1}, {xLine2, foot2, vars.dimse2}};
    for (const auto& line : extensionLines) {
        const AcGeVector3d along = line.foot - line.origin;
        if (line.suppressed || along.isZeroLength())
            continue;
        const AcGeVector3d unit = along.normal();
        graphics.segments.push_back({line.origin + unit * offset, line.foot + unit * extension});
    }
    const AcGePoint3d middle = foot1 + (foot2 - foot1) * 0.5;
    if (!vars.dimsd1)
        graphics.segments.push_back({foot1, middle});
    if (!vars.dimsd2)
        graphics.segments.push_back({middle, foot2});
    if (!(foot2 - foot1).isZeroLength()) {
        const AcGeVector3d outward = (foot1 - foot2).normal();
        graphics.arrows.push_back({foot1, m_arrowFirstFlipped ? -outward : outward});
        graphics.arrows.push_back({foot2, m_arrowSecondFlipped ? outward : -outward});
    }
    // Text reads from left to right, above the line when DIMTAD asks for it.
    AcGeVector3d textDirection = direction;
    const double angle = cadhost::planeAngle(m_normal, direction);
    if (angle > std::numbers::pi / 2.0 + 1e-9 && angle <= 3.0 * std::numbers::pi / 2.0 + 1e-9)
        textDirection = -direction;
    const AcGeVector3d up = m_normal.crossProduct(textDirection).normal();
    const double lift = vars.dimtad != 0 ? scaled(vars.dimgap) + scaled(vars.dimtxt) / 2.0 : 0.0;
    graphics.textPosition = placeText(middle + up * lift);
    graphics.textDirection = textDirection;
}

void AcDbDimension::addAngular(cadhost::DimGraphics& graphics, const AcGePoint3d& center, const AcGePoint3d& xLine1,
                               const AcGePoint3d& xLine2, double radius) const
{
    const cadhost::DimVars vars = effectiveVars();
    const AcGeVector3d ray1 = xLine1 - center;
    const AcGeVector3d ray2 = xLine2 - center;
    if (ray1.isZeroLength() || ray2.isZeroLength() || radius <= 0.0)
        return;
    const AcGeVector3d unit1 = ray1.normal();
    const AcGeVector3d unit2 = ray2.normal();
    const double start = cadhost::planeAngle(m_normal, unit1);
    double sweep = cadhost::planeAngle(m_normal, unit2) - start;
    if (sweep <= 0.0)
        sweep += 2.0 * std::numbers::pi;
    graphics.arcs.push_back({center, radius, unit1, sweep});
    const double offset = scaled(vars.dimexo);
    const double extension = scaled(vars.dimexe);
    const struct {
        AcGePoint3d origin;
        AcGeVector3d unit;
        double distance;
        bool suppressed;
    } extensionLines[2] = {{xLine1, unit1, ray1.length(), vars.dimse1}, {xLine2, unit2, ray2.length(), vars.dimse2}};
    for (const auto& line : extensionLines) {
        if (!line.suppressed && line.distance + offset < radius)
            graphics.segments.push_back({line.origin + line.unit * offset, center + line.unit * (radius + extension)});
    }
    const AcGeVector3d tangent1 = m_normal.crossProduct(unit1).normal();
    const AcGeVector3d tangent2 = m_normal.crossProduct(unit2).normal();
    graphics.arrows.push_back({center + unit1 * radius, m_arrowFirstFlipped ? tangent1 : -tangent1});
    graphics.arrows.push_back({center + unit2 * radius, m_arrowSecondFlipped ? -tangent2 : tangent2});
    const double middleAngle = start + sweep / 2.0;
    const AcGeVector3d middle = cadhost::planeDirection(m_normal, middleAngle);
    graphics.textPosition = placeText(center + middle * (radius + scaled(vars.dimgap) + scaled(vars.dimtxt) / 2.0));
    graphics.textDirection = cadhost::planeDirection(m_normal, middleAngle - std::numbers::pi / 2.0);
}

cadhost::DimGraphics AcDbDimension::graphics() const
{
    cadhost::DimGraphics result;
    result.textDirection = cadhost::planeDirection(m_normal, 0.0);
    buildGraphics(result);
    AcString text;
    formatMeasurement(text, measureValue(), m_dimensionText.c_str());
    // The text may hold the format codes of multi-line text; what is drawn is its plain text, a line each
    // paragraph would start joined by a blank.
    for (const std::wstring& paragraph : cadhost::mtextParagraphs(text.str()))
        result.text += (result.text.empty() ? L"" : L" ") + paragraph;
    if (m_textRotation != 0.0)
        result.textDirection = cadhost::planeDirection(m_normal, m_textRotation);
    return result;
}

namespace {

struct ArrowShape {
    AcGePoint3d corners[3];
};

ArrowShape arrowShape(const cadhost::DimGraphics::Arrow& arrow, const AcGeVector3d& normal, double size)
{
    const AcGeVector3d back = arrow.direction.isZeroLength() ? AcGeVector3d() : -arrow.direction.normal() * size;
    const AcGeVector3d side = normal.crossProduct(back).normal() * (size / 6.0);
    const AcGePoint3d tail = arrow.tip + back;
    return {{arrow.tip, tail + side, tail - side}};
}

// The text box: its baseline start and its two sides.
struct TextBox {
    AcGePoint3d start;
    AcGeVector3d across;
    AcGeVector3d up;
};

TextBox textBox(const cadhost::DimGraphics& graphics, const AcGeVector3d& normal, double height)
{
    const AcGeVector3d direction = graphics.textDirection.normal();
    const AcGeVector3d up = normal.crossProduct(direction).normal();
    const double width = cadhost::textWidth(graphics.text, height, 1.0);
    return {graphics.textPosition - direction * (width / 2.0) - up * (height / 2.0), direction * width, up * height};
}

} // namespace

Adesk::Boolean AcDbDimension::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    const cadhost::DimGraphics shown = graphics();
    AcGiWorldGeometry& geometry = worldDraw->geometry();
    for (const auto& segment : shown.segments) {
        const AcGePoint3d points[2] = {segment.start, segment.end};
        geometry.polyline(2, points);
    }
    for (const auto& arc : shown.arcs)
        geometry.circularArc(arc.center, arc.radius, m_normal, arc.startVector, arc.sweep);
    const double arrowSize = scaled(dimasz());
    if (arrowSize > 0.0 && !shown.arrows.empty()) {
        AcGiSubEntityTraits& traits = worldDraw->subEntityTraits();
        const AcGiFillType previous = traits.fillType();
        traits.setFillType(kAcGiFillAlways);
        for (const auto& arrow : shown.arrows) {
            const ArrowShape shape = arrowShape(arrow, m_normal, arrowSize);
            geometry.polygon(3, shape.corners);
        }
        traits.setFillType(previous);
    }
    if (!shown.text.empty()) {
        const double height = scaled(dimtxt());
        const TextBox box = textBox(shown, m_normal, height);
        geometry.text(box.start, m_normal, shown.textDirection.normal(), height, 1.0, 0.0, shown.text.c_str());
    }
    return Adesk::kTrue;
}

void AcDbDimension::subList() const
{
    assertReadEnabled();
    AcDbEntity::subList();
    cadhost::listHeader(*this);
    AcString text;
    formatMeasurement(text, measureValue(), m_dimensionText.c_str());
    acutPrintf(L"\n  measurement: %s  text position: (%g, %g, %g)", text.kwszPtr(), m_textPosition.x, m_textPosition.y,
               m_textPosition.z);
}

Acad::ErrorStatus AcDbDimension::subGetGeomExtents(AcDbExtents& extents) const
{
    assertReadEnabled();
    const cadhost::DimGraphics shown = graphics();
    AcDbExtents result;
    for (const auto& segment : shown.segments) {
        result.addPoint(segment.start);
        result.addPoint(segment.end);
    }
    constexpr int kArcSamples = 16;
    for (const auto& arc : shown.arcs) {
        for (int i = 0; i <= kArcSamples; ++i) {
            AcGeVector3d radius = arc.startVector.normal() * arc.radius;
            radius.rotateBy(arc.sweep * i / kArcSamples, m_normal);
            result.addPoint(arc.center + radius);
        }
    }
    const double arrowSize = scaled(dimasz());
    for (const auto& arrow : shown.arrows) {
        for (const AcGePoint3d& corner : arrowShape(arrow, m_normal, arrowSize).corners)
            result.addPoint(corner);
    }
    if (!shown.text.empty()) {
        const TextBox box = textBox(shown, m_normal, scaled(dimtxt()));
        cadhost::addBox(result, box.start, box.across, box.up);
    }
    if (!cadhost::hasPoints(result))
        return Acad::eInvalidExtents;
    extents = result;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::subTransformBy(const AcGeMatrix3d& transform)
{
    assertWriteEnabled();
    const cadhost::PlaneFrame moved =
        cadhost::transformFrame(transform, m_normal, cadhost::planeDirection(m_normal, 0.0));
    transformDefiningPoints(transform);
    m_textPosition.transformBy(transform);
    m_blockPosition.transformBy(transform);
    m_normal = moved.normal;
    return Acad::eOk;
}

// ---- Filing ----

template <class Self, class Io> void AcDbDimension::fileFields(Self& self, Io& io)
{
    io(self.m_textPosition)(self.m_defaultTextPosition)(self.m_normal)(self.m_elevation)(self.m_dimensionText);
    io(self.m_textRotation);
    io.hardPointer(self.m_styleId);
    io.template enumAs<Adesk::UInt8>(self.m_textAttachment, AcDbMText::kBottomRight, AcDbMText::kTopLeft);
    io.template enumAs<Adesk::UInt8>(self.m_lineSpacingStyle, AcDb::kExactly, AcDb::kAtLeast);
    io(self.m_lineSpacingFactor);
    io.hardPointer(self.m_blockId);
    io(self.m_blockPosition)(self.m_dynamic);
    io.hardPointer(self.m_dimLineLinetype).hardPointer(self.m_ext1Linetype).hardPointer(self.m_ext2Linetype);
    io(self.m_horizontalRefTextRotation)(self.m_arrowFirstFlipped)(self.m_arrowSecondFlipped);
    // The overrides: their number, then each as its index in the variable table and its value.
    if constexpr (Io::kReading) {
        Adesk::UInt32 count = 0;
        io(count);
        if (io.ok() && count > static_cast<Adesk::UInt32>(cadhost::kDimVarCount))
            io.fail(Acad::eDwgObjectImproperlyRead);
        cadhost::DimVars overrides;
        cadhost::DimVarFlags overridden;
        for (Adesk::UInt32 i = 0; i < count && io.ok(); ++i) {
            Adesk::UInt16 index = 0;
            io(index);
            if (io.ok() && !cadhost::fileDimVar(io, overrides, index))
                io.fail(Acad::eDwgObjectImproperlyRead);
            if (io.ok())
                overridden.set(index);
        }
        if (io.ok()) {
            self.m_overrides = overrides;
            self.m_overridden = overridden;
        }
    } else {
        io(static_cast<Adesk::UInt32>(self.m_overridden.count()));
        for (int index = 0; index < cadhost::kDimVarCount && io.ok(); ++index) {
            if (!self.m_overridden.test(index))
                continue;
            io(static_cast<Adesk::UInt16>(index));
            cadhost::fileDimVar(io, self.m_overrides, index);
        }
    }
}

Acad::ErrorStatus AcDbDimension::dwgOutFields(AcDbDwgFiler* filer) const
{
    return cadhost::FieldAccess::out(*this, filer, AcDbEntity::dwgOutFields(filer));
}

Acad::ErrorStatus AcDbDimension::dwgInFields(AcDbDwgFiler* filer)
{
    return cadhost::FieldAccess::in(*this, filer, AcDbEntity::dwgInFields(filer));
}
