// One batch of the protection pipeline: which drawings, where the results go, in which DWG version they
// are saved, whether they are packed, which entity kinds are converted and which notes are placed. The
// main dialog's pages fill it; copying it copies every list element by element.
#pragma once

#include "GGuardTypeFlags.h"
#include "afxcoll.h"
#include "ui/GCopyrightOption.h"

#include <cstdint>
#include <vector>

struct GGuardOption {
    // An AcDb::AcDbDwgVersion code; kKeepOwnVersion saves each drawing in the version it had.
    static constexpr int kKeepOwnVersion = 32766;

    int outputVersion = kKeepOwnVersion;
    CString sourceFolder; // folder mode only
    CString outputFolder;
    bool keepFolderTree = true;
    bool pack = false;
    CString archiveType = L"zip";
    CStringArray sourcePaths;
    CStringArray outputPaths; // folder mode only: the result path of the source path with the same index
    // The size in bytes of each source when the dialog was confirmed, same index as the source paths.
    std::vector<std::uint32_t> listedSizes;
    GGuardTypeFlags kindFlags;
    GCopyrightOption copyright;
};

// The options of the batch that runs now: the command copies the confirmed dialog's options here.
extern GGuardOption GuardOption;
