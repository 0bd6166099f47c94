// Tables: a grid of rows and columns with a text in each cell, placed by its top left corner.
#pragma once

#include "dbblkref.h"

#include <string>
#include <vector>

namespace cadhost {
struct FieldAccess;
}

class CADHOST_EXPORT AcDbTable : public AcDbBlockReference {
public:
    ACRX_DECLARE_MEMBERS(AcDbTable);
    AcDbTable() = default;

    // Cells keep their text when the grid grows or shrinks around them.
    Acad::ErrorStatus setSize(int rows, int columns);
    int numRows() const;
    Acad::ErrorStatus setNumRows(int rows);
    int numColumns() const;
    Acad::ErrorStatus setNumColumns(int columns);
    double rowHeight(int row) const;
    Acad::ErrorStatus setRowHeight(int row, double height);
    double columnWidth(int column) const;
    Acad::ErrorStatus setColumnWidth(int column, double width);
    // A copy made with acutNewString; release it with acutDelString. Null for a cell outside the grid.
    ACHAR* textString(int row, int column) const;
    Acad::ErrorStatus setTextString(int row, int column, const ACHAR* text);
    double textHeight(int row, int column) const;
    Acad::ErrorStatus setTextHeight(int row, int column, double height);
    // The direction of the rows, in the plane of the normal.
    AcGeVector3d direction() const;
    Acad::ErrorStatus setDirection(const AcGeVector3d& horizontal);
    double width() const;
    double height() const;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    Adesk::Boolean subWorldDraw(AcGiWorldDraw* worldDraw) override;
    void subList() const override;
    Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const override;
    Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& transform) override;
    // The grid lines as lines and every non-empty cell as a text centred in its cell.
    Acad::ErrorStatus subExplode(AcDbVoidPtrArray& entitySet) const override;

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);

    struct Cell {
        std::wstring text;
        double textHeight = 0.18;
    };
    struct GridLine {
        AcGePoint3d start;
        AcGePoint3d end;
    };
    bool isCell(int row, int column) const;
    std::vector<GridLine> gridLines() const;
    AcGePoint3d cellCenter(int row, int column) const;

    int m_rows = 0;
    int m_columns = 0;
    std::vector<double> m_rowHeights;
    std::vector<double> m_columnWidths;
    std::vector<Cell> m_cells; // row by row
};
