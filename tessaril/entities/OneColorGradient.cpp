#include "OneColorGradient.h"

#include "dbhatch.h"

#include <memory>

namespace {

const AcDbHatch* oneColorGradient(const AcDbEntity& entity)
{
    const AcDbHatch* hatch = AcDbHatch::cast(&entity);
    if (hatch == nullptr || hatch->hatchObjectType() != AcDbHatch::kGradientObject ||
        hatch->getGradientOneColorMode() == Adesk::kFalse)
        return nullptr;
    return hatch;
}

} // namespace

void carryOneColorGradient(AcDbEntity& wrapper, const AcDbEntity& source)
{
    const AcDbHatch* hatch = oneColorGradient(source);
    if (hatch == nullptr)
        return;
    unsigned int count = 0;
    AcCmColor* colors = nullptr;
    float* values = nullptr;
    hatch->getGradientColors(count, colors, values);
    const std::unique_ptr<AcCmColor[]> ownedColors(colors);
    const std::unique_ptr<float[]> ownedValues(values);
    if (count > 0)
        wrapper.setColor(colors[0], Adesk::kTrue);
}

void restoreOneColorGradient(AcDbEntity& inner)
{
    if (oneColorGradient(inner) == nullptr)
        return;
    auto& hatch = static_cast<AcDbHatch&>(inner);
    unsigned int count = 0;
    AcCmColor* colors = nullptr;
    float* values = nullptr;
    hatch.getGradientColors(count, colors, values);
    const std::unique_ptr<AcCmColor[]> ownedColors(colors);
    const std::unique_ptr<float[]> ownedValues(values);
    if (count > 0)
        return;
    // The second colour of a one-colour gradient follows from the first and the shade tint.
    const AcCmColor shown[2] = {hatch.color(), hatch.color()};
    const float positions[2] = {0.0F, 1.0F};
    hatch.setGradientColors(2, shown, positions);
}
