// The record of multiline text. The background values travel and are applied only when the fill
// flag is set, so a record without fill never turns an existing fill off.
#pragma once

#include "GEntityData.h"
#include "RecordFields.h"
#include "dbmtext.h"

class GMTextData : public GEntityData {
public:
    using Spec = records::FieldSpec<AcDbMText, GMTextData>;
    static constexpr Adesk::UInt32 kVersion = 1;

    virtual Acad::ErrorStatus record(AcDbMText* text);
    virtual Acad::ErrorStatus apply(AcDbMText* text);
    virtual Acad::ErrorStatus write(AcDbMText* text, AcDbDwgFiler* filer);
    virtual Acad::ErrorStatus read(AcDbMText* text, AcDbDwgFiler* filer);

    AcDbMText::AttachmentPoint attachment = AcDbMText::kTopLeft;
    bool backgroundFill = false;
    AcCmColor backgroundFillColor;
    double backgroundScaleFactor = 0.0;
    AcCmTransparency backgroundTransparency;
    bool castShadows = false;
    CString contents;
    AcGeVector3d normal;
    AcGeVector3d direction;
    AcGePoint3d location;
    double rotation = 0.0;
    double textHeight = 0.0;
    AcDbObjectId textStyle;
    double width = 0.0;
    double height = 0.0;
    Adesk::UInt32 version = 1;

private:
    // The stream in four parts: before the fill flag, the fill values, up to the style, after it.
    static std::span<const Spec> headFields();
    static std::span<const Spec> fillFields();
    static std::span<const Spec> bodyFields();
    static std::span<const Spec> tailFields();
    void recordAll(const AcDbMText& text);
    void applyAll(AcDbMText& text);
};
