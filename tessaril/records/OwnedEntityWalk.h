// Visits the entities an iterator yields (polyline vertices, block reference attributes): one already
// in memory is taken from the iterator, any other is opened for read by id and closed again. One of
// another class, or one that does not open, is skipped.
#pragma once

#include "dbmain.h"
#include "dbobjit.h"

#include <memory>

template <class Owned, class Visit> Acad::ErrorStatus forEachOwned(AcDbObjectIterator* made, Visit visit)
{
    const std::unique_ptr<AcDbObjectIterator> iterator(made);
    if (iterator == nullptr)
        return Acad::eOk;
    for (iterator->start(); !iterator->done(); iterator->step()) {
        if (AcDbEntity* inMemory = iterator->entity(); inMemory != nullptr) {
            if (Owned* owned = Owned::cast(inMemory); owned != nullptr) {
                if (const Acad::ErrorStatus es = visit(*owned); es != Acad::eOk)
                    return es;
            }
            continue;
        }
        Owned* opened = nullptr;
        if (acdbOpenObject(opened, iterator->objectId(), AcDb::kForRead) != Acad::eOk)
            continue;
        const Acad::ErrorStatus es = visit(*opened);
        opened->close();
        if (es != Acad::eOk)
            return es;
    }
    return Acad::eOk;
}

// The number of entities forEachOwned would visit.
template <class Owned> Adesk::UInt32 countOwned(AcDbObjectIterator* made)
{
    Adesk::UInt32 count = 0;
    forEachOwned<Owned>(made, [&count](Owned&) {
        ++count;
        return Acad::eOk;
    });
    return count;
}
