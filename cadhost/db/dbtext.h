// Single-line text, and the attribute definitions and attributes built on it.
#pragma once

#include "dbmain.h"

#include <string>

namespace cadhost {
struct FieldAccess;
}

class CADHOST_EXPORT AcDbText : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbText);
    AcDbText() = default;
    AcDbText(const AcGePoint3d& position, const ACHAR* text, AcDbObjectId style = AcDbObjectId::kNull,
             double height = 0.0, double rotation = 0.0);

    // The insertion point: the start of the baseline for left-aligned text.
    AcGePoint3d position() const;
    Acad::ErrorStatus setPosition(const AcGePoint3d& position);
    // The point the text is aligned to when its alignment is not left-baseline.
    AcGePoint3d alignmentPoint() const;
    Acad::ErrorStatus setAlignmentPoint(const AcGePoint3d& point);
    bool isDefaultAlignment() const;

    AcGeVector3d normal() const;
    Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
    double thickness() const;
    Acad::ErrorStatus setThickness(double thickness);
    double oblique() const;
    Acad::ErrorStatus setOblique(double angle);
    double rotation() const;
    Acad::ErrorStatus setRotation(double angle);
    double height() const;
    Acad::ErrorStatus setHeight(double height);
    double widthFactor() const;
    Acad::ErrorStatus setWidthFactor(double factor);

    // A copy made with acutNewString; release it with acutDelString.
    ACHAR* textString() const;
    const ACHAR* textStringConst() const;
    Acad::ErrorStatus setTextString(const ACHAR* text);
    AcDbObjectId textStyle() const;
    Acad::ErrorStatus setTextStyle(AcDbObjectId styleId);

    AcDb::TextHorzMode horizontalMode() const;
    Acad::ErrorStatus setHorizontalMode(AcDb::TextHorzMode mode);
    AcDb::TextVertMode verticalMode() const;
    Acad::ErrorStatus setVerticalMode(AcDb::TextVertMode mode);
    // Moves the position so that the text sits at its alignment point as its modes say.
    Acad::ErrorStatus adjustAlignment(const AcDbDatabase* database = nullptr);
    // The four corners of the text box: lower left, lower right, upper left, upper right.
    Acad::ErrorStatus getBoundingPoints(AcGePoint3dArray& points) const;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    Adesk::Boolean subWorldDraw(AcGiWorldDraw* worldDraw) override;
    void subList() const override;
    Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const override;
    Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& transform) override;

    // The text as drawn: the start of its baseline, its unit baseline and up directions and its width.
    struct Frame {
        AcGePoint3d origin;
        AcGeVector3d xDirection;
        AcGeVector3d yDirection;
        double width = 0.0;
    };
    Frame frame() const;
    // Draws the text string; attribute definitions draw their tag instead.
    void drawString(AcGiWorldDraw* worldDraw, const std::wstring& text) const;

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);

    AcGePoint3d m_position;
    AcGePoint3d m_alignmentPoint;
    AcGeVector3d m_normal = AcGeVector3d::kZAxis;
    double m_thickness = 0.0;
    double m_oblique = 0.0;
    double m_rotation = 0.0;
    double m_height = 0.2;
    double m_widthFactor = 1.0;
    std::wstring m_text;
    AcDbObjectId m_styleId;
    AcDb::TextHorzMode m_horizontalMode = AcDb::kTextLeft;
    AcDb::TextVertMode m_verticalMode = AcDb::kTextBase;
};

// The template of an attribute inside a block definition.
class CADHOST_EXPORT AcDbAttributeDefinition : public AcDbText {
public:
    ACRX_DECLARE_MEMBERS(AcDbAttributeDefinition);
    AcDbAttributeDefinition() = default;
    AcDbAttributeDefinition(const AcGePoint3d& position, const ACHAR* text, const ACHAR* tag, const ACHAR* prompt,
                            AcDbObjectId style = AcDbObjectId::kNull);

    // Copies made with acutNewString; release them with acutDelString.
    ACHAR* tag() const;
    const ACHAR* tagConst() const;
    Acad::ErrorStatus setTag(const ACHAR* tag);
    ACHAR* prompt() const;
    const ACHAR* promptConst() const;
    Acad::ErrorStatus setPrompt(const ACHAR* prompt);

    bool isInvisible() const;
    Acad::ErrorStatus setInvisible(bool invisible);
    bool isConstant() const;
    Acad::ErrorStatus setConstant(bool constant);
    bool isVerifiable() const;
    Acad::ErrorStatus setVerifiable(bool verifiable);
    bool isPreset() const;
    Acad::ErrorStatus setPreset(bool preset);
    bool lockPositionInBlock() const;
    Acad::ErrorStatus setLockPositionInBlock(bool locked);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    Adesk::Boolean subWorldDraw(AcGiWorldDraw* worldDraw) override;
    void subList() const override;

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);

    std::wstring m_tag;
    std::wstring m_prompt;
    bool m_invisible = false;
    bool m_constant = false;
    bool m_verifiable = false;
    bool m_preset = false;
    bool m_lockPosition = false;
};

// The value of an attribute, owned by a block reference.
class CADHOST_EXPORT AcDbAttribute : public AcDbText {
public:
    ACRX_DECLARE_MEMBERS(AcDbAttribute);
    AcDbAttribute() = default;
    AcDbAttribute(const AcGePoint3d& position, const ACHAR* text, const ACHAR* tag,
                  AcDbObjectId style = AcDbObjectId::kNull);

    // A copy made with acutNewString; release it with acutDelString.
    ACHAR* tag() const;
    const ACHAR* tagConst() const;
    Acad::ErrorStatus setTag(const ACHAR* tag);
    bool isInvisible() const;
    Acad::ErrorStatus setInvisible(bool invisible);
    bool isConstant() const;
    bool isVerifiable() const;
    bool isPreset() const;
    bool lockPositionInBlock() const;
    Acad::ErrorStatus setLockPositionInBlock(bool locked);
    // Takes text, tag and flags from the definition, placed by the block reference's transform.
    Acad::ErrorStatus setAttributeFromBlock(const AcDbAttributeDefinition* definition,
                                            const AcGeMatrix3d& blockTransform);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    Adesk::Boolean subWorldDraw(AcGiWorldDraw* worldDraw) override;
    void subList() const override;

private:
    friend struct cadhost::FieldAccess;
    template <class Self, class Io> static void fileFields(Self& self, Io& io);

    std::wstring m_tag;
    bool m_invisible = false;
    bool m_constant = false;
    bool m_verifiable = false;
    bool m_preset = false;
    bool m_lockPosition = false;
};
