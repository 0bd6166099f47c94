#include "SaveTypeList.h"

#include "pipeline/GGuardOption.h"
#include "settings/GUserDataProfile.h"

namespace {

constexpr const wchar_t* kSection = L"GGuardFileDialog";
constexpr const wchar_t* kKey = L"SaveType";

int codeAt(const CComboBox& list, int index)
{
    return static_cast<int>(static_cast<LRESULT>(list.GetItemData(index)));
}

int indexOfCode(const CComboBox& list, int code)
{
    for (int index = 0; index < list.GetCount(); ++index) {
        if (codeAt(list, index) == code)
            return index;
    }
    return CB_ERR;
}

} // namespace

const SaveType kSaveTypes[6] = {
    {L"保持原有类型", GGuardOption::kKeepOwnVersion},
    {L"AutoCAD 2000/LT2000 图形", 22},
    {L"AutoCAD 2004/LT2004 图形", 25},
    {L"AutoCAD 2007/LT2007 图形", 27},
    {L"AutoCAD 2010/LT2010 图形", 29},
    {L"AutoCAD 2013/LT2013 图形", 31},
};

void fillSaveTypeList(CComboBox& list)
{
    for (const SaveType& type : kSaveTypes)
        list.SetItemData(list.AddString(type.text), static_cast<DWORD_PTR>(type.code));
    const int stored = userDataProfile().readInt(kSection, kKey, GGuardOption::kKeepOwnVersion);
    int index = indexOfCode(list, stored);
    if (index == CB_ERR)
        index = indexOfCode(list, GGuardOption::kKeepOwnVersion);
    list.SetCurSel(index == CB_ERR ? 0 : index);
}

int takeSaveType(const CComboBox& list)
{
    const int code = codeAt(list, list.GetCurSel());
    userDataProfile().writeInt(kSection, kKey, code);
    return code;
}
