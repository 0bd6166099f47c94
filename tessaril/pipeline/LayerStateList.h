// The layers a conversion unlocked or thawed, so that they get their lock and freeze back afterwards.
#pragma once

#include "dbmain.h"

#include <vector>

class LayerStateList {
public:
    // Unlocks and thaws every locked or frozen layer, remembering what each was. A layer that cannot be
    // opened for write is left as it is and not listed.
    Acad::ErrorStatus unlockAndThaw(AcDbDatabase* database);
    // Locks and freezes the listed layers again as they were; layers that cannot be opened are skipped.
    void restore();
    // Leaves the layer as it is at restore time.
    void forget(AcDbObjectId layerId);

    struct Entry {
        AcDbObjectId layerId;
        bool wasLocked;
        bool wasFrozen;
    };
    const std::vector<Entry>& entries() const { return m_entries; }

private:
    std::vector<Entry> m_entries;
};
