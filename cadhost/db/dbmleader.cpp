#include "dbmleader.h"
#include "listformat.h"

#include "acgi.h"
#include "acutads.h"
#include "dbextents.h"
#include "dbfieldio.h"
#include "dbmtext.h"

#include <memory>

Acad::ErrorStatus AcDbMLeader::setMText(const AcDbMText* mtext)
{
    assertWriteEnabled();
    m_hasText = mtext != nullptr;
    if (mtext == nullptr)
        return Acad::eOk;
    ACHAR* contents = mtext->contents();
    m_contents = contents != nullptr ? contents : L"";
    acutDelString(contents);
    m_textLocation = mtext->location();
    m_textHeight = mtext->textHeight();
    m_textDirection = mtext->direction();
    m_normal = mtext->normal();
    return Acad::eOk;
}

AcDbMText* AcDbMLeader::mtext() const
{
    assertReadEnabled();
    if (!m_hasText)
        return nullptr;
    auto text = std::make_unique<AcDbMText>();
    text->setContents(m_contents.c_str());
    text->setLocation(m_textLocation);
    text->setTextHeight(m_textHeight);
    text->setNormal(m_normal);
    text->setDirection(m_textDirection);
    text->setPropertiesFrom(this);
    return text.release();
}

Acad::ErrorStatus AcDbMLeader::setTextLocation(const AcGePoint3d& location)
{
    assertWriteEnabled();
    m_textLocation = location;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMLeader::getTextLocation(AcGePoint3d& location) const
{
    assertReadEnabled();
    location = m_textLocation;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMLeader::addLeaderLine(const AcGePoint3d& point, int& leaderLineIndex)
{
    assertWriteEnabled();
    m_leaderLines.push_back({point});
    leaderLineIndex = static_cast<int>(m_leaderLines.size()) - 1;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMLeader::addLastVertex(int leaderLineIndex, const AcGePoint3d& point)
{
    if (leaderLineIndex < 0 || leaderLineIndex >= numLeaderLines())
        return Acad::eInvalidIndex;
    assertWriteEnabled();
    m_leaderLines[static_cast<std::size_t>(leaderLineIndex)].push_back(point);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMLeader::numVertices(int leaderLineIndex, int& count) const
{
    if (leaderLineIndex < 0 || leaderLineIndex >= numLeaderLines())
        return Acad::eInvalidIndex;
    count = static_cast<int>(m_leaderLines[static_cast<std::size_t>(leaderLineIndex)].size());
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMLeader::getVertex(int leaderLineIndex, int index, AcGePoint3d& point) const
{
    int count = 0;
    if (numVertices(leaderLineIndex, count) != Acad::eOk || index < 0 || index >= count)
        return Acad::eInvalidIndex;
    point = m_leaderLines[static_cast<std::size_t>(leaderLineIndex)][static_cast<std::size_t>(index)];
    return Acad::eOk;
}

int AcDbMLeader::numLeaderLines() const
{
    assertReadEnabled();
    return static_cast<int>(m_leaderLines.size());
}

Adesk::Boolean AcDbMLeader::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    for (const std::vector<AcGePoint3d>& line : m_leaderLines)
        if (line.size() >= 2)
            worldDraw->geometry().polyline(static_cast<Adesk::UInt32>(line.size()), line.data());
    const std::unique_ptr<AcDbMText> text(mtext());
    if (text != nullptr)
        worldDraw->geometry().draw(text.get());
    return Adesk::kTrue;
}

void AcDbMLeader::subList() const
{
    assertReadEnabled();
    AcDbEntity::subList();
    cadhost::listHeader(*this);
    acutPrintf(L"\n%24s %d", L"Leader lines:", numLeaderLines());
    if (m_hasText)
        cadhost::listText(L"Contents:", m_contents.c_str());
}

Acad::ErrorStatus AcDbMLeader::subGetGeomExtents(AcDbExtents& extents) const
{
    assertReadEnabled();
    AcDbExtents result;
    for (const std::vector<AcGePoint3d>& line : m_leaderLines)
        for (const AcGePoint3d& point : line)
            result.addPoint(point);
    if (m_hasText)
        result.addPoint(m_textLocation);
    if (m_leaderLines.empty() && !m_hasText)
        return Acad::eInvalidExtents;
    extents = result;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMLeader::subTransformBy(const AcGeMatrix3d& transform)
{
    assertWriteEnabled();
    for (std::vector<AcGePoint3d>& line : m_leaderLines)
        for (AcGePoint3d& point : line)
            point.transformBy(transform);
    m_textLocation.transformBy(transform);
    const AcGeVector3d direction = transform * m_textDirection;
    m_textHeight *= direction.length();
    if (!direction.isZeroLength())
        m_textDirection = direction.normal();
    const AcGeVector3d normal = transform * m_normal;
    if (!normal.isZeroLength())
        m_normal = normal.normal();
    return Acad::eOk;
}

template <class Self, class Io> void AcDbMLeader::fileFields(Self& self, Io& io)
{
    io.array(self.m_leaderLines, [](auto& fields, auto& line) { fields.array(line); });
    io(self.m_hasText)(self.m_contents)(self.m_textLocation)(self.m_textHeight)(self.m_textDirection)(self.m_normal);
    if constexpr (Io::kReading) {
        if (io.ok() && (self.m_textDirection.isZeroLength() || self.m_normal.isZeroLength()))
            io.fail(Acad::eDwgObjectImproperlyRead);
    }
}

Acad::ErrorStatus AcDbMLeader::dwgOutFields(AcDbDwgFiler* filer) const
{
    assertReadEnabled();
    return cadhost::FieldAccess::out(*this, filer, AcDbEntity::dwgOutFields(filer));
}

Acad::ErrorStatus AcDbMLeader::dwgInFields(AcDbDwgFiler* filer)
{
    assertWriteEnabled();
    return cadhost::FieldAccess::in(*this, filer, AcDbEntity::dwgInFields(filer));
}
