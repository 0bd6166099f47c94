#include "afxmsgbox.h"

#include "UiDriver.h"

int MessageBoxW(HWND, LPCWSTR text, LPCWSTR caption, UINT type)
{
    const cadhost::MessageBoxRequest request{text != nullptr ? text : L"", caption != nullptr ? caption : L"错误",
                                             type};
    const int answer = cadhost::currentUiDriver().answerMessageBox(request);
    if (!cadhost::isMessageBoxAnswer(type, answer))
        throw cadhost::UiScriptError(L"the answer " + std::to_wstring(answer) +
                                     L" is not a button of the message box \"" + request.text + L"\"");
    return answer;
}

int AfxMessageBox(LPCTSTR text, UINT type, UINT)
{
    return MessageBoxW(nullptr, text, cadhost::applicationName(), type);
}
