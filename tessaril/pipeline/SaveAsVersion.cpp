#include "SaveAsVersion.h"

#include "GGuardOption.h"
#include "PathText.h"

#include <array>

namespace {

struct SaveFormat {
    std::array<int, 5> requested;
    AcDb::AcDbDwgVersion savedAs;
    bool backupAndRename;
    bool passSecurity;
};

const std::array<SaveFormat, 3> kSaveFormats = {{
    {{0, 26, 27, 29, 31}, AcDb::kDHL_1027, true, true},
    {{22, 23, 23, 23, 23}, AcDb::kDHL_1015, false, false},
    {{24, 25, 25, 25, 25}, AcDb::kDHL_1800, false, false},
}};

const SaveFormat* formatFor(int version)
{
    for (const SaveFormat& format : kSaveFormats)
        for (int code : format.requested)
            if (code == version)
                return &format;
    return nullptr;
}

} // namespace

Acad::ErrorStatus saveAsVersion(AcDbDatabase* database, const ACHAR* path, int version, const SecurityParams* security)
{
    if (database == nullptr)
        return Acad::eNullHandle;
    CString target = path == nullptr ? CString() : CString(path);
    if (target.IsEmpty()) {
        const ACHAR* ownName = nullptr;
        if (database->getFilename(ownName) == Acad::eOk && ownName != nullptr)
            target = ownName;
    }
    if (!pathtext::equalNoCase(pathtext::extensionOf(target), L".dwg"))
        return Acad::eInvalidFileExtension;
    if (version == GGuardOption::kKeepOwnVersion)
        version = database->lastSavedAsVersion();
    const SaveFormat* format = formatFor(version);
    if (format == nullptr)
        return Acad::eInvalidInput;
    return database->saveAs(target.GetString(), format->backupAndRename, format->savedAs,
                            format->passSecurity ? security : nullptr);
}
