// The eight switches that say which entity kinds a batch converts, and the rule that says which switch
// governs an entity.
#pragma once

#include "dbmain.h"

#include <cstdint>

struct GGuardTypeFlags {
    // Bit i of a mask is switch i; bits above 7 have no switch.
    enum Kind : int {
        kCurves = 0,
        kTexts = 1,
        kBlockReferences = 2,
        kBlockDefinitions = 3,
        kUnusedBlockDefinitions = 4,
        kHatches = 5,
        kDimensions = 6,
        kOthers = 7,
    };
    static constexpr int kCount = 8;

    bool curves = false;
    bool texts = false;
    bool blockReferences = false;
    // Also convert the entities inside referenced block definitions.
    bool blockDefinitions = false;
    // With blockDefinitions: also block definitions that no reference uses.
    bool unusedBlockDefinitions = false;
    bool hatches = false;
    bool dimensions = false;
    bool others = false;

    bool isOn(Kind kind) const;
    void set(Kind kind, bool on);

    std::uint32_t mask() const;
    void applyMask(std::uint32_t mask);

    bool operator==(const GGuardTypeFlags&) const = default;
};

// The switch that governs an entity, decided by derivation: curves first, then texts, dimensions,
// hatches, block references, and everything else.
GGuardTypeFlags::Kind governingKind(const AcDbEntity* entity);

bool isKindSelected(const AcDbEntity* entity, const GGuardTypeFlags& flags);
