// The drawings of a source folder and the paths their results get under an output folder.
#pragma once

#include "afxcoll.h"

// Walks the source folder depth first: a folder's sub-folders before its own ".dwg" files (any letter
// case), each in name order without regard to letter case. Each drawing is appended to sources, and its
// result path to outputs: under the matching sub-folder of the target when the tree is kept, else
// directly in the target. Entries that are neither folders nor regular files are skipped, and a folder that cannot be
// listed contributes nothing.
void walkFolder(const CString& source, const CString& target, bool keepTree, CStringArray& sources,
                CStringArray& outputs);
