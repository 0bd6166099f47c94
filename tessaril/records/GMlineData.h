// The record of a multiline: recorded and applied, never streamed.
#pragma once

#include "GEntityData.h"
#include "RecordFields.h"
#include "dbmline.h"

#include <vector>

class GMlineData : public GEntityData {
public:
    using Spec = records::FieldSpec<AcDbMline, GMlineData>;

    virtual Acad::ErrorStatus record(AcDbMline* mline);
    // Style, justification, scale and normal, then the vertices appended in order, then the flags.
    virtual Acad::ErrorStatus apply(AcDbMline* mline);

    AcDbObjectId style;
    Mline::MlineJustification justification = Mline::kTop;
    double scale = 0.0;
    AcGeVector3d normal;
    std::vector<AcGePoint3d> vertices;
    bool suppressStartCaps = false;
    bool suppressEndCaps = false;
    bool closed = false;

private:
    static std::span<const Spec> shapeFields();
    static std::span<const Spec> flagFields();
};
