#include "FolderWalk.h"

#include "fileops.h"
#include "nativepath.h"

#include <algorithm>
#include <filesystem>
#include <vector>

namespace {

CString joinPath(const CString& folder, const CString& name)
{
    const bool separated = !folder.IsEmpty() && (folder.Right(1) == L"\\" || folder.Right(1) == L"/");
    return separated ? folder + name : folder + L"/" + name;
}

bool isDrawing(const CString& name)
{
    const int dot = name.ReverseFind(L'.');
    return dot >= 0 && name.Mid(dot).CompareNoCase(L".dwg") == 0;
}

struct FolderListing {
    std::vector<CString> folders;
    std::vector<CString> files;
};

FolderListing listFolder(const CString& folder)
{
    FolderListing listing;
    std::error_code error;
    std::filesystem::directory_iterator entry(cadhost::nativePath(folder.str()), error);
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const CString name(cadhost::widePath(entry->path().filename()));
        const DWORD attributes = GetFileAttributesW(joinPath(folder, name));
        if ((attributes & FILE_ATTRIBUTE_SYSTEM) != 0)
            continue;
        // A linked folder can lead back to where the walk came from and repeat it without end.
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            if (!entry->is_symlink(error))
                listing.folders.push_back(name);
        } else
            listing.files.push_back(name);
    }
    // The host's file system lists a folder in name order, whatever letter case; so does the walk, so
    // that the summary and the archive come out in the same order on every machine.
    const auto byName = [](const CString& first, const CString& second) {
        const int folded = first.CompareNoCase(second);
        return folded != 0 ? folded < 0 : first.Compare(second) < 0;
    };
    std::sort(listing.folders.begin(), listing.folders.end(), byName);
    std::sort(listing.files.begin(), listing.files.end(), byName);
    return listing;
}

} // namespace

void walkFolder(const CString& source, const CString& target, bool keepTree, CStringArray& sources,
                CStringArray& outputs)
{
    const FolderListing listing = listFolder(source);
    for (const CString& folder : listing.folders)
        walkFolder(joinPath(source, folder), keepTree ? joinPath(target, folder) : target, keepTree, sources, outputs);
    for (const CString& file : listing.files) {
        if (isDrawing(file)) {
            sources.Add(joinPath(source, file));
            outputs.Add(joinPath(target, file));
        }
    }
}
