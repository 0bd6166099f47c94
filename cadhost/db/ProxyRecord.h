// What a proxy keeps of an object whose class is missing: the class entry of the drawing file,
// the object's own stored fields with the slots where ids stand, the ids, and its graphics.
#pragma once

#include "DwgBufferFiler.h"

#include <string>
#include <vector>

class AcDbEntity;
class AcDbObject;
class AcGiWorldDraw;

namespace cadhost {
struct ClassEntry {
    std::wstring name;
    std::wstring dxfName;
    std::wstring appName;
    std::wstring parentName;
    Adesk::Int32 proxyFlags = 0;
    bool isEntity = false;
    bool operator==(const ClassEntry&) const = default;
};

// The class entry the drawing file keeps for an object: a proxy's original entry, or the entry of
// the object's registered class.
ClassEntry classEntryOf(const AcDbObject* object);

struct ProxyRecord {
    ClassEntry classEntry;
    // The stored fields; the bytes of the id slots are rewritten from ids when they are filed.
    std::vector<Adesk::UInt8> fields;
    std::vector<IdSlot> slots;
    std::vector<AcDbObjectId> ids;
    // The leading bytes the proxy reads as live data (an entity's common data).
    std::size_t liveLength = 0;
    std::vector<Adesk::UInt8> graphics;

    // Slots ascending, apart, and inside the fields.
    bool slotsAreSound() const;
    // Keeps the stored layout of another record for a copy of its object.
    void copyLayoutFrom(const ProxyRecord& other);
};

// Reads the stored part after the live data; the filer stands at the end of the live data.
Acad::ErrorStatus readProxyFields(AcDbDwgFiler* filer, ProxyRecord& record, std::size_t liveLength);
Acad::ErrorStatus writeProxyFields(AcDbDwgFiler* filer, const ProxyRecord& record);

// The graphics layer records what an entity draws, so that its proxy can show it without the
// entity's class, and replays such a recording.
struct ProxyGraphicsHooks {
    std::vector<Adesk::UInt8> (*record)(AcDbEntity* entity) = nullptr;
    void (*replay)(const std::vector<Adesk::UInt8>& graphics, AcGiWorldDraw* worldDraw) = nullptr;
};
CADHOST_EXPORT void setProxyGraphicsHooks(const ProxyGraphicsHooks& hooks);
CADHOST_EXPORT const ProxyGraphicsHooks& proxyGraphicsHooks();
} // namespace cadhost
