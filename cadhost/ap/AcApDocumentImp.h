// The state of a document, shared by the document, its manager and its automation object.
#pragma once

#include "acdocman.h"
#include "actrans.h"
#include "girecording.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct AcApDocument::Imp {
    // Tells a document apart from a later one that happens to get the same address.
    std::uint64_t serial = 0;
    std::wstring fileName;
    std::wstring title;
    std::unique_ptr<AcDbDatabase> database;
    std::unique_ptr<AcTransactionManager> transactions;
    std::vector<AcAp::DocLockMode> locks;
    bool hasModelView = false;
    AcGePoint3d viewMin;
    AcGePoint3d viewMax;
    AcDbObjectId activeLayout;
    std::unique_ptr<AcGiRecording> displayed;
};
