// Multilines: parallel lines along a path of vertices, their offsets given by a multiline style.
#pragma once

#include "dbmain.h"

#include <string>
#include <vector>

namespace cadhost {
struct FieldAccess;
}

namespace Mline {
enum MlineJustification { kTop = 0, kZero = 1, kBottom = 2 };
}

// A multiline style, kept in the named-object dictionary "ACAD_MLINESTYLE" under its name.
class CADHOST_EXPORT AcDbMlineStyle : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbMlineStyle);
    AcDbMlineStyle() = default;

    // The "Standard" style: two elements at offsets 0.5 and -0.5.
    void initMlineStyle();
    const ACHAR* name() const;
    Acad::ErrorStatus setName(const ACHAR* name);
    const ACHAR* description() const;
    Acad::ErrorStatus setDescription(const ACHAR* description);
    int numElements() const;
    Acad::ErrorStatus getElementAt(int index, double& offset, AcCmColor& color, AcDbObjectId& linetypeId) const;
    // Elements stay sorted by offset, largest first; index answers where the new one went.
    Acad::ErrorStatus addElement(int& index, double offset, const AcCmColor& color, AcDbObjectId linetypeId,
                                 bool checkIfReferenced = true);
    Acad::ErrorStatus removeElementAt(int index);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);

    struct Element {
        double offset = 0.0;
        AcCmColor color;
        AcDbObjectId linetypeId;
    };
    std::wstring m_name;
    std::wstring m_description;
    std::vector<Element> m_elements;
};

// The id of the database's "Standard" multiline style; the style (and its dictionary) is created
// when the database has none.
CADHOST_EXPORT Acad::ErrorStatus acdbGetStandardMlineStyle(AcDbDatabase* database, AcDbObjectId& styleId);

class CADHOST_EXPORT AcDbMline : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbMline);
    AcDbMline() = default;

    // A null style draws as the Standard style.
    AcDbObjectId style() const;
    Acad::ErrorStatus setStyle(const AcDbObjectId& styleId);
    Mline::MlineJustification justification() const;
    Acad::ErrorStatus setJustification(Mline::MlineJustification justification);
    double scale() const;
    Acad::ErrorStatus setScale(double scale);
    AcGeVector3d normal() const;
    Acad::ErrorStatus setNormal(const AcGeVector3d& normal);

    int numVertices() const;
    AcGePoint3d vertexAt(int index) const;
    Acad::ErrorStatus appendSeg(const AcGePoint3d& point);
    Acad::ErrorStatus removeLastSeg(AcGePoint3d& lastPoint);
    Acad::ErrorStatus moveVertexAt(int index, const AcGePoint3d& point);

    // The host spells these "supress".
    bool supressStartCaps() const;
    void setSupressStartCaps(bool suppress);
    bool supressEndCaps() const;
    void setSupressEndCaps(bool suppress);
    bool closedMline() const;
    void setClosedMline(bool closed);

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
    // The drawn lines, one point list per element, and the caps.
    std::vector<std::vector<AcGePoint3d>> elementLines() const;
    std::vector<double> elementOffsets() const;

    AcDbObjectId m_styleId;
    Mline::MlineJustification m_justification = Mline::kTop;
    double m_scale = 1.0;
    AcGeVector3d m_normal = AcGeVector3d::kZAxis;
    std::vector<AcGePoint3d> m_vertices;
    bool m_suppressStartCaps = false;
    bool m_suppressEndCaps = false;
    bool m_closed = false;
};
