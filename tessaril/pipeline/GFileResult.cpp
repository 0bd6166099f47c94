#include "GFileResult.h"

CArray<GFileResult> FileResults;

void addFileResult(const CString& sourcePath, bool succeeded, const CString& message, Acad::ErrorStatus status)
{
    FileResults.Add(GFileResult{sourcePath, succeeded, message, status});
}
