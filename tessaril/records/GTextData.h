// The record of single-line text, and the first part of the attribute record.
#pragma once

#include "GEntityData.h"
#include "RecordFields.h"
#include "dbtext.h"

class GTextData : public GEntityData {
public:
    using Spec = records::FieldSpec<AcDbText, GTextData>;
    static constexpr Adesk::UInt32 kVersion = 1;

    virtual Acad::ErrorStatus record(AcDbText* text);
    virtual Acad::ErrorStatus apply(AcDbText* text);
    virtual Acad::ErrorStatus write(AcDbText* text, AcDbDwgFiler* filer);
    virtual Acad::ErrorStatus read(AcDbText* text, AcDbDwgFiler* filer);

    AcGePoint3d position;
    double height = 0.0;
    AcDb::TextHorzMode horizontalMode = AcDb::kTextLeft;
    AcGeVector3d normal;
    double oblique = 0.0;
    double rotation = 0.0;
    CString textString;
    AcDbObjectId textStyle;
    double thickness = 0.0;
    AcDb::TextVertMode verticalMode = AcDb::kTextBase;
    double widthFactor = 0.0;
    AcGePoint3d alignmentPoint;
    Adesk::UInt32 version = 1;

private:
    // The fields before and after the text style, which is translated and set only when valid.
    static std::span<const Spec> fieldsBeforeStyle();
    static std::span<const Spec> fieldsAfterStyle();
    void applyText(AcDbText& text);
};
