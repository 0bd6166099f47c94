// The outcome of processing one source drawing: one row of the batch summary.
#pragma once

#include "acadstrc.h"
#include "afxstr.h"
#include "afxtempl.h"

struct GFileResult {
    CString sourcePath;
    bool succeeded = false;
    // Empty on success.
    CString message;
    Acad::ErrorStatus status = Acad::eOk;
};

// The rows of the current batch, in processing order; the command empties them before each batch.
extern CArray<GFileResult> FileResults;

void addFileResult(const CString& sourcePath, bool succeeded, const CString& message, Acad::ErrorStatus status);
