// Iteration over the subobjects an entity owns, such as the vertices of 2D and 3D polylines.
#pragma once

#include "dbid.h"
#include "rxobject.h"

#include <vector>

class AcDbEntity;

class CADHOST_EXPORT AcDbObjectIterator : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbObjectIterator);

    // One owned subobject: its id once the owner is in a database, and the object itself while the
    // owner is not (then the id is null).
    struct Item {
        AcDbObjectId id;
        AcDbEntity* entity = nullptr;
    };

    AcDbObjectIterator() = default;
    explicit AcDbObjectIterator(std::vector<Item> items) : m_items(std::move(items)) {}

    bool done() const { return m_index < 0 || m_index >= static_cast<int>(m_items.size()); }
    void start(bool atEnd = false);
    void step(bool backwards = false, bool skipErasedObjects = true);
    void setPosition(AcDbEntity* entity);
    void setPosition(AcDbObjectId objectId);
    // The subobject in memory, for an owner that is not in a database; null otherwise, so that callers
    // open database-resident subobjects by id.
    AcDbEntity* entity();
    AcDbObjectId objectId();

private:
    bool isErasedAt(int index) const;

    std::vector<Item> m_items;
    int m_index = 0;
};
