// One source drawing from disk to a protected copy on disk: copied to a temporary file, opened as a
// document, converted, saved under the output path and closed. Every outcome is one result row.
#pragma once

#include "GGuardOption.h"

#include "afxcoll.h"

class AcApDocument;

// An empty output path is derived from the source. Saved outputs are appended to archiveList.
void processDrawingFile(const CString& sourcePath, CString outputPath, CStringArray& archiveList,
                        Adesk::UInt32 listedSize);

// Converts and saves the current document's drawing under its write lock.
void protectAndSave(const CString& sourcePath, CString outputPath, Adesk::UInt32 fileSize, CStringArray& archiveList,
                    const GGuardOption& options);

// How far a source's copy may differ in size from the size listed when the dialog was confirmed.
inline constexpr Adesk::UInt32 kSizeToleranceBytes = 100;
