// Registration of one custom class with the host's class dictionary, shared by every class of the
// module: the descriptor each class keeps, the values it is registered with and the application
// description the host shows for its proxies.
#pragma once

#include "rxobject.h"

#include <string>

// Where the class name stands in the application description: the wrapper classes write it just
// behind the first segment, the watermark class inside it.
enum class GClassNamePlacement { kBehindFirstSegment, kInsideFirstSegment };

struct GCustomClassEntry {
    const ACHAR* name = nullptr;
    const ACHAR* dxfName = nullptr;
    AcRxPseudoConstructor constructor = nullptr;
    GClassNamePlacement placement = GClassNamePlacement::kBehindFirstSegment;
};

// Every custom class registers below AcDbEntity with this DWG version and maintenance release, and a
// proxy of it allows no operation.
inline constexpr const ACHAR* kCustomClassParent = ACRX_T("AcDbEntity");
inline constexpr int kCustomClassDwgVersion = 31;
inline constexpr int kCustomClassMaintenanceVersion = 8;
inline constexpr int kCustomClassProxyFlags = 0;

// The three quoted segments: product description (the class name), maker and web address.
std::wstring customClassDescription(const ACHAR* className, GClassNamePlacement placement);

// Registers the class unless descriptor already is its entry in the class dictionary. A dictionary
// entry of that name with another descriptor stops the host ("Class mismatch"). A failed
// registration leaves descriptor null.
void initCustomClass(AcRxClass*& descriptor, const GCustomClassEntry& entry);

// The class's descriptor, looked up by name in the class dictionary while none is stored.
AcRxClass* findCustomClass(AcRxClass*& descriptor, const ACHAR* className);

// Deletes the class from the class dictionary and forgets its descriptor, so that nothing uses the
// deleted descriptor afterwards (an unload message without a load before it deletes nothing).
void deleteCustomClass(AcRxClass*& descriptor, const ACHAR* className);
