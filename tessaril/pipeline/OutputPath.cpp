#include "OutputPath.h"

#include "PathText.h"

CString deriveOutputPath(const CString& sourcePath, const GGuardOption& options)
{
    const CString folder = pathtext::folderOf(sourcePath);
    if (folder.IsEmpty())
        return sourcePath;
    const CString name = pathtext::nameOf(sourcePath);
    const CString extension = pathtext::extensionOf(sourcePath);
    const CString base = name.Left(name.GetLength() - extension.GetLength());
    const bool sameFolder =
        pathtext::equalNoCase(pathtext::trimSeparators(folder), pathtext::trimSeparators(options.outputFolder));
    CString fileName;
    fileName.Format(sameFolder ? L"%s_G%s" : L"%s%s", base, L".dwg");
    return pathtext::join(options.outputFolder, fileName);
}
