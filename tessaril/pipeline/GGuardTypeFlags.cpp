#include "GGuardTypeFlags.h"

#include "dbblkref.h"
#include "dbcurve.h"
#include "dbdim.h"
#include "dbhatch.h"
#include "dbmtext.h"
#include "dbtext.h"

#include <array>

namespace {

using Member = bool GGuardTypeFlags::*;

constexpr std::array<Member, GGuardTypeFlags::kCount> kSwitches = {
    &GGuardTypeFlags::curves,
    &GGuardTypeFlags::texts,
    &GGuardTypeFlags::blockReferences,
    &GGuardTypeFlags::blockDefinitions,
    &GGuardTypeFlags::unusedBlockDefinitions,
    &GGuardTypeFlags::hatches,
    &GGuardTypeFlags::dimensions,
    &GGuardTypeFlags::others,
};

struct KindByClass {
    AcRxClass* (*desc)();
    GGuardTypeFlags::Kind kind;
};

// The first class the entity derives from decides.
const std::array<KindByClass, 6> kKindByClass = {{
    {&AcDbCurve::desc, GGuardTypeFlags::kCurves},
    {&AcDbText::desc, GGuardTypeFlags::kTexts},
    {&AcDbMText::desc, GGuardTypeFlags::kTexts},
    {&AcDbDimension::desc, GGuardTypeFlags::kDimensions},
    {&AcDbHatch::desc, GGuardTypeFlags::kHatches},
    {&AcDbBlockReference::desc, GGuardTypeFlags::kBlockReferences},
}};

} // namespace

bool GGuardTypeFlags::isOn(Kind kind) const
{
    return this->*kSwitches.at(kind);
}

void GGuardTypeFlags::set(Kind kind, bool on)
{
    this->*kSwitches.at(kind) = on;
}

std::uint32_t GGuardTypeFlags::mask() const
{
    std::uint32_t result = 0;
    for (int i = 0; i < kCount; ++i)
        if (this->*kSwitches[i])
            result |= 1u << i;
    return result;
}

void GGuardTypeFlags::applyMask(std::uint32_t mask)
{
    for (int i = 0; i < kCount; ++i)
        this->*kSwitches[i] = (mask & (1u << i)) != 0;
}

GGuardTypeFlags::Kind governingKind(const AcDbEntity* entity)
{
    for (const KindByClass& entry : kKindByClass)
        if (entity->isKindOf(entry.desc()))
            return entry.kind;
    return GGuardTypeFlags::kOthers;
}

bool isKindSelected(const AcDbEntity* entity, const GGuardTypeFlags& flags)
{
    return entity != nullptr && flags.isOn(governingKind(entity));
}
