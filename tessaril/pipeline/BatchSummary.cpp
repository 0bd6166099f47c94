#include "BatchSummary.h"

CString batchSummary(const CArray<GFileResult>& results)
{
    int succeeded = 0;
    int failed = 0;
    for (const GFileResult& row : results)
        ++(row.succeeded ? succeeded : failed);
    CString text;
    if (failed == 0) {
        text.Format(L"加密%d个文件全部成功", succeeded);
        return text;
    }
    text.Format(L"加密%d个文件,其中成功%d个,失败%d个", succeeded + failed, succeeded, failed);
    for (const GFileResult& row : results)
        if (!row.succeeded)
            text.AppendFormat(L"\r\n加密文件\"%s\"失败\r\n失败原因:%s", row.sourcePath, row.message);
    return text;
}
