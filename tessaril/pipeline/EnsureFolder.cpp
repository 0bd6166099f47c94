#include "EnsureFolder.h"

#include "PathText.h"

#include "fileops.h"

bool ensureFolder(const CString& path)
{
    if (path.IsEmpty())
        return false;
    if (cadhost::pathExists(path.GetString()))
        return true;
    const CString parent = pathtext::folderOf(pathtext::trimSeparators(path));
    if (!parent.IsEmpty() && !ensureFolder(parent))
        return false;
    return CreateDirectoryW(path.GetString(), nullptr) != FALSE;
}
