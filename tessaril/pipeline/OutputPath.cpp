#include "OutputPath.h"

#include "PathText.h"

CString deriveOutputPath(const CString& sourcePath, const GGuardOption& options)
{
    // A source without a folder lies in the working folder; naming it so keeps the result beside it
    // from being the source itself.
    const CString source = pathtext::folderOf(sourcePath).IsEmpty() ? pathtext::absolute(sourcePath) : sourcePath;
    const CString folder = pathtext::folderOf(source);
    const CString outputFolder = options.outputFolder.IsEmpty() ? folder : options.outputFolder;
    const CString name = pathtext::nameOf(source);
    const CString extension = pathtext::extensionOf(source);
    const CString base = name.Left(name.GetLength() - extension.GetLength());
    const bool sameFolder =
        pathtext::equalNoCase(pathtext::trimSeparators(folder), pathtext::trimSeparators(outputFolder)) ||
        pathtext::samePlace(folder, outputFolder);
    CString fileName;
    fileName.Format(sameFolder ? L"%s_G%s" : L"%s%s", base, L".dwg");
    return pathtext::join(outputFolder, fileName);
}
