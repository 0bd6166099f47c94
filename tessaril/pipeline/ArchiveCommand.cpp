#include "ArchiveCommand.h"

#include "PathText.h"

CString ArchiveCommand::commandLine() const
{
    CString text;
    text.Format(L"\"%s\" a", archiver);
    text.AppendFormat(L" \"%s\"", archivePath);
    for (const CString& file : files)
        text.AppendFormat(L" \"%s\"", file);
    return text;
}

std::vector<std::wstring> ArchiveCommand::arguments() const
{
    std::vector<std::wstring> argv{archiver.GetString(), L"a", archivePath.GetString()};
    for (const CString& file : files)
        argv.emplace_back(file.GetString());
    return argv;
}

ArchiveCommand makeArchiveCommand(const CString& archiver, const CString& outputFolder, const CString& archiveType,
                                  const CStringArray& files)
{
    ArchiveCommand command;
    command.archiver = archiver;
    // "out/" names the folder "out" as well; the archive must not become "out/.zip" inside it.
    const CString folder = pathtext::trimSeparators(outputFolder);
    CString fileName;
    fileName.Format(L"%s.%s", pathtext::nameOf(folder), archiveType);
    command.archivePath = pathtext::join(pathtext::folderOf(folder), fileName);
    command.files.Copy(files);
    return command;
}
