// A multileader: leader lines that run from their arrowheads to a landing, and a multi-line text as
// its content.
#pragma once

#include "dbmain.h"

#include <string>
#include <vector>

class AcDbMText;

namespace cadhost {
struct FieldAccess;
}

class CADHOST_EXPORT AcDbMLeader : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbMLeader);
    AcDbMLeader() = default;

    // The content: the contents, location, height and direction of the text are copied.
    Acad::ErrorStatus setMText(const AcDbMText* mtext);
    // A new text the caller deletes; null when the multileader has no text.
    AcDbMText* mtext() const;
    Acad::ErrorStatus setTextLocation(const AcGePoint3d& location);
    Acad::ErrorStatus getTextLocation(AcGePoint3d& location) const;

    // A leader line that begins (at its arrowhead) with the point.
    Acad::ErrorStatus addLeaderLine(const AcGePoint3d& point, int& leaderLineIndex);
    Acad::ErrorStatus addLastVertex(int leaderLineIndex, const AcGePoint3d& point);
    Acad::ErrorStatus numVertices(int leaderLineIndex, int& count) const;
    Acad::ErrorStatus getVertex(int leaderLineIndex, int index, AcGePoint3d& point) const;
    int numLeaderLines() const;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    Adesk::Boolean subWorldDraw(AcGiWorldDraw* worldDraw) override;
    void subList() const override;
    Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const override;
    Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& transform) override;

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);

    std::vector<std::vector<AcGePoint3d>> m_leaderLines;
    bool m_hasText = false;
    std::wstring m_contents;
    AcGePoint3d m_textLocation;
    double m_textHeight = 0.2;
    AcGeVector3d m_textDirection = AcGeVector3d::kXAxis;
    AcGeVector3d m_normal = AcGeVector3d::kZAxis;
};
