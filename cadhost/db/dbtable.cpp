#include "dbtable.h"
#include "listformat.h"

#include "acgi.h"
#include "dbents.h"
#include "dbfieldio.h"
#include "entgeom.h"

#include <numeric>

namespace {
constexpr double kDefaultRowHeight = 0.5;
constexpr double kDefaultColumnWidth = 2.5;
// A grid larger than this is taken for damage when it is read.
constexpr Adesk::Int32 kMaxCells = 1 << 20;

// The position of a cell in the row-by-row list of a grid with the given number of columns; row and
// column are never negative.
std::size_t cellIndex(int row, int column, int columns)
{
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) + static_cast<std::size_t>(column);
}
} // namespace

bool AcDbTable::isCell(int row, int column) const
{
    return row >= 0 && row < m_rows && column >= 0 && column < m_columns;
}

Acad::ErrorStatus AcDbTable::setSize(int rows, int columns)
{
    if (rows < 0 || columns < 0 || static_cast<Adesk::Int64>(rows) * columns > kMaxCells)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    std::vector<Cell> cells(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns));
    for (int row = 0; row < std::min(rows, m_rows); ++row) {
        for (int column = 0; column < std::min(columns, m_columns); ++column)
            cells[cellIndex(row, column, columns)] = m_cells[cellIndex(row, column, m_columns)];
    }
    m_cells = std::move(cells);
    m_rowHeights.resize(static_cast<std::size_t>(rows), kDefaultRowHeight);
    m_columnWidths.resize(static_cast<std::size_t>(columns), kDefaultColumnWidth);
    m_rows = rows;
    m_columns = columns;
    return Acad::eOk;
}

int AcDbTable::numRows() const
{
    assertReadEnabled();
    return m_rows;
}

Acad::ErrorStatus AcDbTable::setNumRows(int rows)
{
    return setSize(rows, m_columns);
}

int AcDbTable::numColumns() const
{
    assertReadEnabled();
    return m_columns;
}

Acad::ErrorStatus AcDbTable::setNumColumns(int columns)
{
    return setSize(m_rows, columns);
}

double AcDbTable::rowHeight(int row) const
{
    assertReadEnabled();
    return row >= 0 && row < m_rows ? m_rowHeights[static_cast<std::size_t>(row)] : 0.0;
}

Acad::ErrorStatus AcDbTable::setRowHeight(int row, double height)
{
    if (row < 0 || row >= m_rows || !(height > 0.0))
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_rowHeights[static_cast<std::size_t>(row)] = height;
    return Acad::eOk;
}

double AcDbTable::columnWidth(int column) const
{
    assertReadEnabled();
    return column >= 0 && column < m_columns ? m_columnWidths[static_cast<std::size_t>(column)] : 0.0;
}

Acad::ErrorStatus AcDbTable::setColumnWidth(int column, double width)
{
    if (column < 0 || column >= m_columns || !(width > 0.0))
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_columnWidths[static_cast<std::size_t>(column)] = width;
    return Acad::eOk;
}

ACHAR* AcDbTable::textString(int row, int column) const
{
    assertReadEnabled();
    if (!isCell(row, column))
        return nullptr;
    ACHAR* copy = nullptr;
    acutNewString(m_cells[cellIndex(row, column, m_columns)].text.c_str(), copy);
    return copy;
}

Acad::ErrorStatus AcDbTable::setTextString(int row, int column, const ACHAR* text)
{
    if (!isCell(row, column) || text == nullptr)
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_cells[cellIndex(row, column, m_columns)].text = text;
    return Acad::eOk;
}

double AcDbTable::textHeight(int row, int column) const
{
    assertReadEnabled();
    return isCell(row, column) ? m_cells[cellIndex(row, column, m_columns)].textHeight : 0.0;
}

Acad::ErrorStatus AcDbTable::setTextHeight(int row, int column, double height)
{
    if (!isCell(row, column) || !(height > 0.0))
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_cells[cellIndex(row, column, m_columns)].textHeight = height;
    return Acad::eOk;
}

AcGeVector3d AcDbTable::direction() const
{
    return cadhost::planeDirection(normal(), rotation());
}

Acad::ErrorStatus AcDbTable::setDirection(const AcGeVector3d& horizontal)
{
    const AcGeVector3d inPlane = horizontal - normal() * horizontal.dotProduct(normal());
    if (inPlane.isZeroLength())
        return Acad::eInvalidInput;
    return setRotation(cadhost::planeAngle(normal(), inPlane));
}

double AcDbTable::width() const
{
    assertReadEnabled();
    return std::accumulate(m_columnWidths.begin(), m_columnWidths.end(), 0.0);
}

double AcDbTable::height() const
{
    assertReadEnabled();
    return std::accumulate(m_rowHeights.begin(), m_rowHeights.end(), 0.0);
}

std::vector<AcDbTable::GridLine> AcDbTable::gridLines() const
{
    const AcGeVector3d across = direction();
    const AcGeVector3d down = -normal().crossProduct(across).normal();
    const AcGePoint3d corner = position();
    const double totalWidth = width();
    const double totalHeight = height();
    std::vector<GridLine> lines;
    double y = 0.0;
    for (int row = 0; row <= m_rows; ++row) {
        lines.push_back({corner + down * y, corner + down * y + across * totalWidth});
        if (row < m_rows)
            y += m_rowHeights[static_cast<std::size_t>(row)];
    }
    double x = 0.0;
    for (int column = 0; column <= m_columns; ++column) {
        lines.push_back({corner + across * x, corner + across * x + down * totalHeight});
        if (column < m_columns)
            x += m_columnWidths[static_cast<std::size_t>(column)];
    }
    return lines;
}

AcGePoint3d AcDbTable::cellCenter(int row, int column) const
{
    const AcGeVector3d across = direction();
    const AcGeVector3d down = -normal().crossProduct(across).normal();
    const double left = std::accumulate(m_columnWidths.begin(), m_columnWidths.begin() + column, 0.0);
    const double top = std::accumulate(m_rowHeights.begin(), m_rowHeights.begin() + row, 0.0);
    return position() + across * (left + m_columnWidths[static_cast<std::size_t>(column)] / 2.0) +
           down * (top + m_rowHeights[static_cast<std::size_t>(row)] / 2.0);
}

Acad::ErrorStatus AcDbTable::subExplode(AcDbVoidPtrArray& entitySet) const
{
    assertReadEnabled();
    for (const GridLine& line : gridLines()) {
        auto* piece = new AcDbLine(line.start, line.end);
        piece->setPropertiesFrom(this);
        piece->setNormal(normal());
        entitySet.append(piece);
    }
    for (int row = 0; row < m_rows; ++row) {
        for (int column = 0; column < m_columns; ++column) {
            const Cell& cell = m_cells[cellIndex(row, column, m_columns)];
            if (cell.text.empty())
                continue;
            const AcGePoint3d center = cellCenter(row, column);
            auto* piece = new AcDbText(center, cell.text.c_str(), AcDbObjectId::kNull, cell.textHeight, rotation());
            piece->setPropertiesFrom(this);
            piece->setNormal(normal());
            piece->setHorizontalMode(AcDb::kTextMid);
            piece->setAlignmentPoint(center);
            piece->adjustAlignment();
            entitySet.append(piece);
        }
    }
    return Acad::eOk;
}

Adesk::Boolean AcDbTable::subWorldDraw(AcGiWorldDraw* worldDraw)
{
    assertReadEnabled();
    AcDbVoidPtrArray pieces;
    subExplode(pieces);
    for (void* piece : pieces) {
        auto* entity = static_cast<AcDbEntity*>(piece);
        worldDraw->geometry().draw(entity);
        delete entity;
    }
    return Adesk::kTrue;
}

void AcDbTable::subList() const
{
    assertReadEnabled();
    // A table lists as a table, not as the block reference it is built on.
    AcDbEntity::subList(); // NOLINT(bugprone-parent-virtual-call)
    cadhost::listHeader(*this);
    const AcGePoint3d corner = position();
    acutPrintf(L"\n  position: (%g, %g, %g)  rows: %d  columns: %d", corner.x, corner.y, corner.z, m_rows, m_columns);
}

Acad::ErrorStatus AcDbTable::subGetGeomExtents(AcDbExtents& extents) const
{
    assertReadEnabled();
    AcDbExtents result;
    result.addPoint(position());
    for (const GridLine& line : gridLines()) {
        result.addPoint(line.start);
        result.addPoint(line.end);
    }
    extents = result;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::subTransformBy(const AcGeMatrix3d& transform)
{
    assertWriteEnabled();
    const cadhost::PlaneFrame moved = cadhost::transformFrame(transform, normal(), direction());
    if (moved.xScale <= 0.0 || moved.yScale <= 0.0)
        return Acad::eCannotScaleNonUniformly;
    AcGePoint3d corner = position();
    corner.transformBy(transform);
    setPosition(corner);
    setNormal(moved.normal);
    setRotation(cadhost::planeAngle(moved.normal, moved.xDirection));
    for (double& width : m_columnWidths)
        width *= moved.xScale;
    for (double& height : m_rowHeights)
        height *= moved.yScale;
    for (Cell& cell : m_cells)
        cell.textHeight *= moved.yScale;
    return Acad::eOk;
}

template <class Self, class Io> void AcDbTable::fileFields(Self& self, Io& io)
{
    io(self.m_rows)(self.m_columns);
    if constexpr (Io::kReading) {
        if (io.ok() && (self.m_rows < 0 || self.m_columns < 0 ||
                        static_cast<Adesk::Int64>(self.m_rows) * self.m_columns > kMaxCells))
            io.fail(Acad::eDwgObjectImproperlyRead);
    }
    io.array(self.m_rowHeights);
    io.array(self.m_columnWidths);
    io.array(self.m_cells, [](Io& io, auto& cell) { io(cell.text)(cell.textHeight); });
    if constexpr (Io::kReading) {
        if (io.ok() && (self.m_rowHeights.size() != static_cast<std::size_t>(self.m_rows) ||
                        self.m_columnWidths.size() != static_cast<std::size_t>(self.m_columns) ||
                        self.m_cells.size() != self.m_rowHeights.size() * self.m_columnWidths.size()))
            io.fail(Acad::eDwgObjectImproperlyRead);
    }
}

Acad::ErrorStatus AcDbTable::dwgOutFields(AcDbDwgFiler* filer) const
{
    return cadhost::FieldAccess::out(*this, filer, AcDbBlockReference::dwgOutFields(filer));
}

Acad::ErrorStatus AcDbTable::dwgInFields(AcDbDwgFiler* filer)
{
    const Acad::ErrorStatus status = cadhost::FieldAccess::in(*this, filer, AcDbBlockReference::dwgInFields(filer));
    if (status != Acad::eOk) {
        // A grid read only in part would not hold together.
        m_rows = 0;
        m_columns = 0;
        m_rowHeights.clear();
        m_columnWidths.clear();
        m_cells.clear();
    }
    return status;
}
