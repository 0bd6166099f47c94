#include "TempFileList.h"

#include "fileops.h"

CStringArray TempFileList;

void deleteTempFiles()
{
    for (INT_PTR index = 0; index < TempFileList.GetSize(); ++index)
        DeleteFileW(TempFileList[index]);
    TempFileList.RemoveAll();
}
