#include "dbmline.h"
#include "listformat.h"

#include "acgi.h"
#include "dbdict.h"
#include "dbfieldio.h"
#include "entgeom.h"

#include <algorithm>

namespace {
constexpr const ACHAR* kStyleDictionary = L"ACAD_MLINESTYLE";
constexpr const ACHAR* kStandardStyle = L"Standard";

// Opens a dictionary entry for write, creating it as a new dictionary when missing.
Acad::ErrorStatus openOrAddDictionary(AcDbDictionary* parent, const ACHAR* key, AcDbDictionary*& child)
{
    AcDbObject* found = nullptr;
    if (parent->getAt(key, found, AcDb::kForWrite) == Acad::eOk) {
        child = AcDbDictionary::cast(found);
        if (child != nullptr)
            return Acad::eOk;
        found->close();
        return Acad::eNotThatKindOfClass;
    }
    auto* created = new AcDbDictionary();
    AcDbObjectId id;
    const Acad::ErrorStatus status = parent->setAt(key, created, id);
    if (status != Acad::eOk) {
        delete created;
        return status;
    }
    child = created;
    return Acad::eOk;
}
} // namespace

// ---- AcDbMlineStyle ----

void AcDbMlineStyle::initMlineStyle()
{
    assertWriteEnabled();
    m_name = kStandardStyle;
    m_description.clear();
    m_elements = {{0.5, AcCmColor(), {}}, {-0.5, AcCmColor(), {}}};
}

const ACHAR* AcDbMlineStyle::name() const
{
    assertReadEnabled();
    return m_name.c_str();
}

Acad::ErrorStatus AcDbMlineStyle::setName(const ACHAR* name)
{
    if (name == nullptr || *name == 0)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_name = name;
    return Acad::eOk;
}

const ACHAR* AcDbMlineStyle::description() const
{
    assertReadEnabled();
    return m_description.c_str();
}

Acad::ErrorStatus AcDbMlineStyle::setDescription(const ACHAR* description)
{
    assertWriteEnabled();
    m_description = description != nullptr ? description : L"";
    return Acad::eOk;
}

int AcDbMlineStyle::numElements() const
{
    assertReadEnabled();
    return static_cast<int>(m_elements.size());
}

Acad::ErrorStatus AcDbMlineStyle::getElementAt(int index, double& offset, AcCmColor& color,
                                               AcDbObjectId& linetypeId) const
{
    assertReadEnabled();
    if (index < 0 || index >= numElements())
        return Acad::eInvalidIndex;
    const Element& element = m_elements[static_cast<std::size_t>(index)];
    offset = element.offset;
    color = element.color;
    linetypeId = element.linetypeId;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMlineStyle::addElement(int& index, double offset, const AcCmColor& color, AcDbObjectId linetypeId,
                                             bool /*checkIfReferenced*/)
{
    assertWriteEnabled();
    const auto at = std::find_if(m_elements.begin(), m_elements.end(),
                                 [offset](const Element& element) { return element.offset < offset; });
    index = static_cast<int>(at - m_elements.begin());
    m_elements.insert(at, {offset, color, linetypeId});
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMlineStyle::removeElementAt(int index)
{
    if (index < 0 || index >= numElements())
        return Acad::eInvalidIndex;
    assertWriteEnabled();
    m_elements.erase(m_elements.begin() + index);
    return Acad::eOk;
}

template <class Self, class Io> void AcDbMlineStyle::fileFields(Self& self, Io& io)
{
    io(self.m_name)(self.m_description);
    io.array(self.m_elements, [](Io& io, auto& element) {
        io(element.offset)(element.color);
        io.hardPointer(element.linetypeId);
    });
}

Acad::ErrorStatus AcDbMlineStyle::dwgOutFields(AcDbDwgFiler* filer) const
{
    return cadhost::FieldAccess::out(*this, filer, AcDbObject::dwgOutFields(filer));
}

Acad::ErrorStatus AcDbMlineStyle::dwgInFields(AcDbDwgFiler* filer)
{
    return cadhost::FieldAccess::in(*this, filer, AcDbObject::dwgInFields(filer));
}

Acad::ErrorStatus acdbGetStandardMlineStyle(AcDbDatabase* database, AcDbObjectId& styleId)
{
    if (database == nullptr)
        return Acad::eNoDatabase;
    AcDbDictionary* named = nullptr;
    Acad::ErrorStatus status = database->getNamedObjectsDictionary(named, AcDb::kForWrite);
    if (status != Acad::eOk)
        return status;
    AcDbDictionary* styles = nullptr;
    status = openOrAddDictionary(named, kStyleDictionary, styles);
    named->close();
    if (status != Acad::eOk)
        return status;
    status = styles->getAt(kStandardStyle, styleId);
    if (status != Acad::eOk) {
        auto* standard = new AcDbMlineStyle();
        standard->initMlineStyle();
        status = styles->setAt(kStandardStyle, standard, styleId);
        if (status == Acad::eOk)
            standard->close();
        else
            delete standard;
    }
    styles->close();
    return status;
}

// ---- AcDbMline ----

AcDbObjectId AcDbMline::style() const
{
    assertReadEnabled();
    return m_styleId;
}

Acad::ErrorStatus AcDbMline::setStyle(const AcDbObjectId& styleId)
{
    assertWriteEnabled();
    m_styleId = styleId;
    return Acad::eOk;
}

Mline::MlineJustification AcDbMline::justification() const
{
    assertReadEnabled();
    return m_justification;
}

Acad::ErrorStatus AcDbMline::setJustification(Mline::MlineJustification justification)
{
    if (justification < Mline::kTop || justification > Mline::kBottom)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_justification = justification;
    return Acad::eOk;
}

double AcDbMline::scale() const
{
    assertReadEnabled();
    return m_scale;
}

Acad::ErrorStatus AcDbMline::setScale(double scale)
{
    assertWriteEnabled();
    m_scale = scale;
    return Acad::eOk;
}

AcGeVector3d AcDbMline::normal() const
{
    assertReadEnabled();
    return m_normal;
}

Acad::ErrorStatus AcDbMline::setNormal(const AcGeVector3d& normal)
{
    if (normal.isZeroLength())
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_normal = normal.normal();
    return Acad::eOk;
}

int AcDbMline::numVertices() const
{
    assertReadEnabled();
    return static_cast<int>(m_vertices.size());
}

AcGePoint3d AcDbMline::vertexAt(int index) const
{
    assertReadEnabled();
    if (index < 0 || index >= numVertices())
        return AcGePoint3d::kOrigin;
    return m_vertices[static_cast<std::size_t>(index)];
}

Acad::ErrorStatus AcDbMline::appendSeg(const AcGePoint3d& point)
{
    assertWriteEnabled();
    m_vertices.push_back(point);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMline::removeLastSeg(AcGePoint3d& lastPoint)
{
    if (m_vertices.empty())
        return Acad::eInvalidIndex;
    assertWriteEnabled();
    lastPoint = m_vertices.back();
    m_vertices.pop_back();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMline::moveVertexAt(int index, const AcGePoint3d& point)
{
    if (index < 0 || index >= static_cast<int>(m_vertices.size()))
        return Acad::eInvalidIndex;
    assertWriteEnabled();
    m_vertices[static_cast<std::size_t>(index)] = point;
    return Acad::eOk;
}

bool AcDbMline::supressStartCaps() const
{
    assertReadEnabled();
    return m_suppressStartCaps;
}

void AcDbMline::setSupressStartCaps(bool suppress)
{
    assertWriteEnabled();
    m_suppressStartCaps = suppress;
}

bool AcDbMline::supressEndCaps() const
{
    assertReadEnabled();
    return m_suppressEndCaps;
}

void AcDbMline::setSupressEndCaps(bool suppress)
{
    assertWriteEnabled();
    m_suppressEndCaps = suppress;
}

bool AcDbMline::closedMline() const
{
    assertReadEnabled();
    return m_closed;
}

void AcDbMline::setClosedMline(bool closed)
{
    assertWriteEnabled();
    m_closed = closed;
}

std::vector<double> AcDbMline::elementOffsets() const
{
    std::vector<double> offsets;
    AcDbMlineStyle* style = nullptr;
    if (!m_styleId.isNull() && acdbOpenObject(style, m_styleId, AcDb::kForRead) == Acad::eOk) {
        for (int i = 0; i < style->numElements(); ++i) {
            double offset = 0.0;
            AcCmColor color;
            AcDbObjectId linetype;
            style->getElementAt(i, offset, color, linetype);
            offsets.push_back(offset);
        }
        style->close();
    }
    if (offsets.empty())
        offsets = {0.5, -0.5};
    const auto [lowest, highest] = std::minmax_element(offsets.begin(), offsets.end());
    const double shift = m_justification == Mline::kTop ? *highest : m_justification == Mline::kBottom ? *lowest : 0.0;
    for (double& offset : offsets)
        offset = (offset - shift) * m_scale;
    return offsets;
}

std::vector<std::vector<AcGePoint3d>> AcDbMline::elementLines() const
{
    std::vector<std::vector<AcGePoint3d>> lines;
    const std::size_t count = m_vertices.size();
    if (count < 2)
        return lines;
    // The unit left side of every segment, and at each vertex the mitre between its two segments.
    const bool closed = m_closed && count > 2;
    const std::size_t segments = closed ? count : count - 1;
    std::vector<AcGeVector3d> sides(segments);
    for (std::size_t i = 0; i < segments; ++i) {
        const AcGeVector3d along = m_vertices[(i + 1) % count] - m_vertices[i];
        sides[i] = along.isZeroLength() ? AcGeVector3d() : m_normal.crossProduct(along).normal();
    }
    std::vector<AcGeVector3d> mitres(count);
    for (std::size_t i = 0; i < count; ++i) {
        const bool hasBefore = closed || i > 0;
        const bool hasAfter = closed || i + 1 < count;
        const AcGeVector3d before = hasBefore ? sides[(i + segments - 1) % segments] : sides[i];
        const AcGeVector3d after = hasAfter ? sides[i % segments] : before;
        AcGeVector3d mitre = before + after;
        if (mitre.isZeroLength()) {
            mitres[i] = before;
            continue;
        }
        mitre = mitre.normal();
        const double cosine = mitre.dotProduct(before);
        mitres[i] = std::abs(cosine) > 1e-6 ? mitre / cosine : mitre;
    }
    for (double offset : elementOffsets()) {
        std::vector<AcGePoint3d> line;
        for (std::size_t i = 0; i < count; ++i)
            line.push_back(m_vertices[i] + mitres[i] * offset);
        if (closed)
            line.push_back(line.front());
        lines.push_back(std::move(line));
    }
    // The caps join the outermost elements, which the style keeps first and last.
    const std::size_t elements = lines.size();
    if (!closed && elements >= 2) {
        if (!m_suppressStartCaps)
            lines.push_back({lines.front().front(), lines[elements - 1].front()});
        if (!m_suppressEndCaps)
            lines.push_back({lines.front().back(), lines[elements - 1].back()});
    }
    return lines;
}

Adesk::Boolean AcDbMline::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    for (const auto& line : elementLines())
        worldDraw->geometry().polyline(static_cast<Adesk::UInt32>(line.size()), line.data());
    return Adesk::kTrue;
}

void AcDbMline::subList() const
{
    assertReadEnabled();
    AcDbEntity::subList();
    cadhost::listHeader(*this);
    acutPrintf(L"\n  vertices: %d  scale: %g  justification: %d%s", static_cast<int>(m_vertices.size()), m_scale,
               static_cast<int>(m_justification), m_closed ? L"  closed" : L"");
}

Acad::ErrorStatus AcDbMline::subGetGeomExtents(AcDbExtents& extents) const
{
    assertReadEnabled();
    AcDbExtents result;
    for (const auto& line : elementLines()) {
        for (const AcGePoint3d& point : line)
            result.addPoint(point);
    }
    for (const AcGePoint3d& vertex : m_vertices)
        result.addPoint(vertex);
    if (!cadhost::hasPoints(result))
        return Acad::eInvalidExtents;
    extents = result;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMline::subTransformBy(const AcGeMatrix3d& transform)
{
    assertWriteEnabled();
    const cadhost::PlaneFrame moved =
        cadhost::transformFrame(transform, m_normal, cadhost::planeDirection(m_normal, 0.0));
    for (AcGePoint3d& vertex : m_vertices)
        vertex.transformBy(transform);
    m_normal = moved.normal;
    m_scale *= moved.yScale;
    return Acad::eOk;
}

template <class Self, class Io> void AcDbMline::fileFields(Self& self, Io& io)
{
    io.hardPointer(self.m_styleId);
    io.template enumAs<Adesk::UInt8>(self.m_justification, Mline::kBottom);
    io(self.m_scale)(self.m_normal);
    io.array(self.m_vertices);
    io(self.m_suppressStartCaps)(self.m_suppressEndCaps)(self.m_closed);
}

Acad::ErrorStatus AcDbMline::dwgOutFields(AcDbDwgFiler* filer) const
{
    return cadhost::FieldAccess::out(*this, filer, AcDbEntity::dwgOutFields(filer));
}

Acad::ErrorStatus AcDbMline::dwgInFields(AcDbDwgFiler* filer)
{
    return cadhost::FieldAccess::in(*this, filer, AcDbEntity::dwgInFields(filer));
}
