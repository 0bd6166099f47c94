#include "OneColorGradient.h"

#include "dbhatch.h"

#include <memory>
#include <vector>

namespace {

const AcDbHatch* oneColorGradient(const AcDbEntity& entity)
{
    const AcDbHatch* hatch = AcDbHatch::cast(&entity);
    if (hatch == nullptr || hatch->hatchObjectType() != AcDbHatch::kGradientObject ||
        hatch->getGradientOneColorMode() == Adesk::kFalse)
        return nullptr;
    return hatch;
}

std::vector<AcCmColor> gradientColorsOf(const AcDbHatch& hatch)
{
    unsigned int count = 0;
    AcCmColor* colors = nullptr;
    float* values = nullptr;
    hatch.getGradientColors(count, colors, values);
    const std::unique_ptr<AcCmColor[]> ownedColors(colors);
    const std::unique_ptr<float[]> ownedValues(values);
    return std::vector<AcCmColor>(colors, colors + count);
}

} // namespace

void carryOneColorGradient(AcDbEntity& wrapper, const AcDbEntity& source)
{
    const AcDbHatch* hatch = oneColorGradient(source);
    if (hatch == nullptr)
        return;
    const std::vector<AcCmColor> colors = gradientColorsOf(*hatch);
    if (!colors.empty())
        wrapper.setColor(colors.front(), Adesk::kTrue);
}

void restoreOneColorGradient(AcDbEntity& inner)
{
    if (oneColorGradient(inner) == nullptr)
        return;
    auto& hatch = static_cast<AcDbHatch&>(inner);
    if (!gradientColorsOf(hatch).empty())
        return;
    // The second colour of a one-colour gradient follows from the first and the shade tint.
    const AcCmColor shown[2] = {hatch.color(), hatch.color()};
    const float positions[2] = {0.0F, 1.0F};
    hatch.setGradientColors(2, shown, positions);
}
