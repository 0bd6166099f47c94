#include "CommandString.h"

namespace cadhost {
namespace {
struct Received {
    std::vector<SentCommandString> strings;
    int cancels = 0;
};

Received& received()
{
    static Received state;
    return state;
}
} // namespace

LRESULT receiveCommandString(WPARAM, LPARAM data)
{
    const auto* copyData = reinterpret_cast<const COPYDATASTRUCT*>(data);
    if (copyData == nullptr || copyData->lpData == nullptr)
        return FALSE;
    const auto* characters = static_cast<const wchar_t*>(copyData->lpData);
    const std::size_t available = copyData->cbData / sizeof(wchar_t);
    SentCommandString sent;
    sent.code = copyData->dwData;
    std::size_t length = 0;
    while (length < available && characters[length] != 0)
        ++length;
    sent.text.assign(characters, length);
    sent.cancels = sent.text.size() >= 2 && sent.text[0] == kCancelCharacter && sent.text[1] == kCancelCharacter;
    if (sent.cancels)
        ++received().cancels;
    received().strings.push_back(std::move(sent));
    return TRUE;
}

std::vector<SentCommandString> sentCommandStrings()
{
    return received().strings;
}

int cancelRequests()
{
    return received().cancels;
}

void clearSentCommandStrings()
{
    received() = Received{};
}
} // namespace cadhost
