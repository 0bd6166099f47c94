// The record of a leader: its vertices, its arrow head and ten dimension-variable overrides, then the
// dimension style. Applying it leaves the leader's common entity properties alone.
#pragma once

#include "GCurveData.h"
#include "RecordFields.h"
#include "dblead.h"

#include <vector>

class GLeaderData : public GCurveData {
public:
    using Spec = records::FieldSpec<AcDbLeader, GLeaderData>;
    static constexpr Adesk::UInt32 kVersion = 1;

    virtual Acad::ErrorStatus record(AcDbLeader* leader);
    virtual Acad::ErrorStatus apply(AcDbLeader* leader);
    virtual Acad::ErrorStatus write(AcDbLeader* leader, AcDbDwgFiler* filer);
    virtual Acad::ErrorStatus read(AcDbLeader* leader, AcDbDwgFiler* filer);

    std::vector<AcGePoint3d> vertices;
    Adesk::Boolean hasArrowHead = Adesk::kFalse;
    double arrowSize = 0.0;
    AcCmColor dimensionLineColor;
    double gap = 0.0;
    AcDb::LineWeight dimensionLineWeight = static_cast<AcDb::LineWeight>(0);
    AcDbObjectId arrowBlock;
    bool separateArrowBlocks = false;
    double overallScale = 0.0;
    Adesk::Int32 verticalTextPlacement = 0;
    AcDbObjectId textStyle;
    double textHeight = 0.0;
    AcDbObjectId dimensionStyle;
    Adesk::UInt32 version = 1;

private:
    // The overrides, then the dimension style, in stream and apply order.
    static std::span<const Spec> overrideFields();
    void recordShape(const AcDbLeader& leader);
    void applyShape(AcDbLeader& leader) const;
};
