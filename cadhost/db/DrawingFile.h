// cadhost's drawing file.
//
// Layout, all values little-endian:
//   magic "CADHOSTD" | UInt32 format version | UInt32 section count (3)
//   sections in order header, classes, objects; each: UInt32 tag | UInt32 length | payload | UInt32 CRC-32
//   header:  UInt32 DWG version code (23, 25 or 31) | UInt64 handle seed | header variables
//   classes: UInt32 count | per class: name, DXF name, application description, parent name
//            (strings: UInt32 byte length, UTF-8) | Int32 proxy flags | UInt8 is-entity
//   objects: UInt32 count | per object a record: UInt32 record length, then
//            UInt64 handle | UInt64 owner handle | UInt32 class index | UInt64 extension dictionary |
//            UInt32 extended-data length, extended data | UInt32 graphics length, proxy graphics |
//            UInt32 fields length, the object's own dwgOutFields bytes (ids as 8-byte handles) |
//            UInt32 reference count | per reference: UInt32 offset into the fields, UInt8 kind
// Objects are those reachable from the header through ownership (erased ones left out); the
// reference table lets an object whose class is missing be kept as a proxy with its ids.
#pragma once

#include "acadstrc.h"
#include "acdb.h"

#include <cstddef>
#include <string>
#include <vector>

class AcDbImpDatabase;

namespace cadhost {
constexpr Adesk::UInt32 kDrawingFormatVersion = 1;

// Writes the drawing to a temporary file beside the target and renames it into place; with
// bakAndRename an existing target is first renamed to the same name with the extension ".bak".
Acad::ErrorStatus writeDrawingFile(AcDbImpDatabase& database, const std::wstring& path, AcDb::AcDbDwgVersion version,
                                   bool bakAndRename);
// Reads a drawing into an empty database.
Acad::ErrorStatus readDrawingFile(AcDbImpDatabase& database, const std::wstring& path);

CADHOST_EXPORT Acad::ErrorStatus encodeDrawing(AcDbImpDatabase& database, AcDb::AcDbDwgVersion version,
                                               std::vector<Adesk::UInt8>& bytes);
CADHOST_EXPORT Acad::ErrorStatus decodeDrawing(AcDbImpDatabase& database, const Adesk::UInt8* data, std::size_t size);

// The stored record of every object of a drawing file by handle, for comparing two saves.
CADHOST_EXPORT Acad::ErrorStatus
objectRecords(const std::vector<Adesk::UInt8>& file,
              std::vector<std::pair<Adesk::UInt64, std::vector<Adesk::UInt8>>>& records);
} // namespace cadhost
