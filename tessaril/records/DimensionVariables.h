// The dimension variables a dimension record keeps: one table, in stream order, of each variable's
// name, its filer codec, the dimension's getter and setter, and whether it travels in the stream and
// whether it is set on a dimension.
#pragma once

#include "RecordCodecs.h"
#include "dbdim.h"

#include <array>
#include <span>
#include <variant>

namespace records {

using DimensionVariableValue = std::variant<Adesk::Int32, bool, double, AcCmColor, CString>;

enum DimensionVariableFlags : unsigned {
    kStreamed = 1,
    kApplied = 2,
};

struct DimensionVariable {
    const wchar_t* name;
    unsigned flags;
    void (*get)(DimensionVariableValue& value, const AcDbDimension& dimension);
    // A value never recorded is set as its type's initial value.
    void (*set)(const DimensionVariableValue& value, AcDbDimension& dimension);
    Acad::ErrorStatus (*transfer)(DimensionVariableValue& value, AcDbDwgFiler* filer, Direction direction);
};

constexpr std::size_t kDimensionVariableCount = 59;
using DimensionVariableValues = std::array<DimensionVariableValue, kDimensionVariableCount>;

std::span<const DimensionVariable> dimensionVariables();

} // namespace records
