#include "ScriptedUiDriver.h"
#include "afxcmn.h"
#include "afxdtctl.h"
#include "afxwin.h"

#include <gtest/gtest.h>

using cadhost::DialogUser;

namespace {

constexpr UINT kControlsDialog = 9003;
constexpr int kSaveType = 147;
constexpr int kRows = 133;
constexpr int kFiles = 101;
constexpr int kOverwrite = 136;
constexpr int kRename = 137;
constexpr int kSameAction = 107;
constexpr int kDate = 132;
constexpr int kExtra = 111;

const cadhost::DialogTemplateRegistration controlsTemplate{DialogTemplate{
    kControlsDialog,
    L"控件",
    rc::box(0, 0, 420, 300),
    DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
    L"MS Shell Dlg",
    8,
    {
        rc::comboBox(kSaveType, 88, 210, 126, 30, CBS_DROPDOWN | CBS_SORT | WS_VSCROLL),
        rc::comboBox(kRows, 85, 180, 48, 30, CBS_DROPDOWNLIST | WS_VSCROLL),
        rc::control(L"", kFiles, WC_LISTVIEWW, LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER, 7, 7, 397, 176),
        rc::autoRadioButton(L"覆盖源文件", kOverwrite, 20, 31, 56, 10, WS_GROUP),
        rc::autoRadioButton(L"重命名新文件", kRename, 92, 31, 64, 10),
        rc::autoCheckBox(L"后续采用相同动作", kSameAction, 20, 49, 80, 10, WS_GROUP),
        rc::control(L"", kDate, DATETIMEPICK_CLASSW, DTS_SHORTDATEFORMAT, 85, 54, 100, 15),
        rc::editText(kExtra, 20, 91, 362, 85, ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL),
    },
}};

class ControlsDialog : public CDialog {
public:
    ControlsDialog() { Create(kControlsDialog); }

    CComboBox saveType;
    CComboBox rows;
    CListCtrl files;
    CDateTimeCtrl date;
    CEdit extra;
    int overwrite = 0;
    std::vector<std::wstring> events;

protected:
    void DoDataExchange(CDataExchange* exchange) override
    {
        DDX_Control(exchange, kSaveType, saveType);
        DDX_Control(exchange, kRows, rows);
        DDX_Control(exchange, kFiles, files);
        DDX_Control(exchange, kDate, date);
        DDX_Control(exchange, kExtra, extra);
        DDX_Radio(exchange, kOverwrite, overwrite);
    }
    void OnSaveTypeChanged() { events.push_back(L"selchange " + std::to_wstring(saveType.GetCurSel())); }
    void OnSaveTypeEdited() { events.push_back(L"edited"); }
    void OnRadio(UINT id) { events.push_back(L"radio " + std::to_wstring(id)); }
    void OnFilesChanged(NMHDR* header, LRESULT*)
    {
        const auto* change = reinterpret_cast<NMLISTVIEW*>(header);
        events.push_back(L"row " + std::to_wstring(change->iItem) + L" " + std::to_wstring(change->uNewState));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ControlsDialog, CDialog)
ON_CBN_SELCHANGE(kSaveType, &ControlsDialog::OnSaveTypeChanged)
ON_CBN_EDITCHANGE(kSaveType, &ControlsDialog::OnSaveTypeEdited)
ON_CONTROL_RANGE(BN_CLICKED, kOverwrite, kRename, &ControlsDialog::OnRadio)
ON_NOTIFY(LVN_ITEMCHANGED, kFiles, &ControlsDialog::OnFilesChanged)
END_MESSAGE_MAP()

struct SaveType {
    const wchar_t* text;
    DWORD_PTR code;
};

const SaveType kSaveTypes[] = {
    {L"保持原有类型", 32766},          {L"AutoCAD 2000/LT2000 图形", 22}, {L"AutoCAD 2004/LT2004 图形", 25},
    {L"AutoCAD 2007/LT2007 图形", 27}, {L"AutoCAD 2010/LT2010 图形", 29}, {L"AutoCAD 2013/LT2013 图形", 31},
};

int findCode(const CComboBox& combo, DWORD_PTR code)
{
    for (int i = 0; i < combo.GetCount(); ++i) {
        if (combo.GetItemData(i) == code)
            return i;
    }
    return CB_ERR;
}

class ComboBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const SaveType& type : kSaveTypes)
            dialog.saveType.SetItemData(dialog.saveType.AddString(type.text), type.code);
    }

    ControlsDialog dialog;
};

TEST_F(ComboBoxTest, SortedInsertionKeepsTheItemData)
{
    std::vector<std::wstring> shown;
    std::vector<DWORD_PTR> codes;
    for (int i = 0; i < dialog.saveType.GetCount(); ++i) {
        CString text;
        dialog.saveType.GetLBText(i, text);
        shown.push_back(text.str());
        codes.push_back(dialog.saveType.GetItemData(i));
    }
    EXPECT_EQ(shown, (std::vector<std::wstring>{L"AutoCAD 2000/LT2000 图形", L"AutoCAD 2004/LT2004 图形",
                                                L"AutoCAD 2007/LT2007 图形", L"AutoCAD 2010/LT2010 图形",
                                                L"AutoCAD 2013/LT2013 图形", L"保持原有类型"}));
    EXPECT_EQ(codes, (std::vector<DWORD_PTR>{22, 25, 27, 29, 31, 32766}));
}

TEST_F(ComboBoxTest, SelectionIsFoundThroughTheCode)
{
    EXPECT_EQ(dialog.saveType.GetCurSel(), CB_ERR);
    EXPECT_EQ(dialog.saveType.SetCurSel(findCode(dialog.saveType, 32766)), 5);
    CString text;
    dialog.saveType.GetWindowText(text);
    EXPECT_STREQ(text, L"保持原有类型");
    EXPECT_EQ(findCode(dialog.saveType, 30), CB_ERR);
    EXPECT_EQ(dialog.saveType.SetCurSel(6), CB_ERR);
    EXPECT_EQ(dialog.saveType.GetCurSel(), CB_ERR);
    EXPECT_EQ(static_cast<int>(dialog.saveType.GetItemData(CB_ERR)), CB_ERR);
}

TEST_F(ComboBoxTest, FindStringExactIgnoresCaseAndWraps)
{
    EXPECT_EQ(dialog.saveType.FindStringExact(-1, L"autocad 2007/lt2007 图形"), 2);
    EXPECT_EQ(dialog.saveType.FindStringExact(2, L"AutoCAD 2007/LT2007 图形"), 2);
    EXPECT_EQ(dialog.saveType.FindStringExact(-1, L"AutoCAD 2007"), CB_ERR);
    EXPECT_EQ(dialog.saveType.FindString(-1, L"autocad 2010"), 3);
}

TEST_F(ComboBoxTest, UnsortedBoxKeepsInsertionOrder)
{
    dialog.rows.AddString(L"zip");
    dialog.rows.AddString(L"rar");
    EXPECT_EQ(dialog.rows.InsertString(0, L"7z"), 0);
    EXPECT_EQ(dialog.rows.InsertString(9, L"bad"), CB_ERR);
    CString text;
    dialog.rows.GetLBText(2, text);
    EXPECT_STREQ(text, L"rar");
    EXPECT_EQ(dialog.rows.DeleteString(0), 2);
    EXPECT_EQ(dialog.rows.GetCount(), 2);
}

TEST_F(ComboBoxTest, TypedTextClearsTheSelection)
{
    DialogUser user(dialog);
    user.select(kSaveType, L"AutoCAD 2013/LT2013 图形");
    EXPECT_EQ(dialog.saveType.GetItemData(dialog.saveType.GetCurSel()), 31U);
    user.type(kSaveType, L"AutoCAD 2013/LT2013 图形");
    EXPECT_EQ(dialog.saveType.GetCurSel(), CB_ERR);
    CString text;
    dialog.saveType.GetWindowText(text);
    EXPECT_STREQ(text, L"AutoCAD 2013/LT2013 图形");
    EXPECT_EQ(dialog.events, (std::vector<std::wstring>{L"selchange 4", L"edited"}));
}

TEST_F(ComboBoxTest, ADropDownListTakesNoTypedText)
{
    dialog.rows.AddString(L"2");
    DialogUser user(dialog);
    EXPECT_THROW(user.type(kRows, L"9"), cadhost::UiScriptError);
    user.select(kRows, 0);
    EXPECT_EQ(dialog.rows.GetCurSel(), 0);
}

class ListCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog.files.SetExtendedStyle(dialog.files.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
        dialog.files.InsertColumn(0, L"ID", LVCFMT_LEFT, 70);
        dialog.files.InsertColumn(1, L"文件", LVCFMT_LEFT, 420);
        dialog.files.InsertColumn(2, L"状态", LVCFMT_LEFT, 70);
        dialog.files.InsertColumn(3, L"文件", LVCFMT_LEFT, 0);
        for (int row = 0; row < 5; ++row) {
            const std::wstring path = L"/d/" + std::to_wstring(row + 1) + L".dwg";
            const int at = dialog.files.InsertItem(dialog.files.GetItemCount(), std::to_wstring(row + 1).c_str());
            dialog.files.SetItemText(at, 1, path.c_str());
            dialog.files.SetItemText(at, 2, L"准备保护");
            dialog.files.SetItemText(at, 3, path.c_str());
        }
    }

    ControlsDialog dialog;
};

TEST_F(ListCtrlTest, DeletingSelectedRowsKeepsTheOthersInOrder)
{
    DialogUser user(dialog);
    user.selectRows(kFiles, {1, 3});
    EXPECT_EQ(dialog.files.GetSelectedCount(), 2U);
    std::vector<int> visited;
    for (POSITION position = dialog.files.GetFirstSelectedItemPosition(); position != nullptr;)
        visited.push_back(dialog.files.GetNextSelectedItem(position));
    EXPECT_EQ(visited, (std::vector<int>{1, 3}));

    for (POSITION position = dialog.files.GetFirstSelectedItemPosition(); position != nullptr;
         position = dialog.files.GetFirstSelectedItemPosition())
        dialog.files.DeleteItem(dialog.files.GetNextSelectedItem(position));
    ASSERT_EQ(dialog.files.GetItemCount(), 3);
    for (int row = 0; row < 3; ++row)
        dialog.files.SetItemText(row, 0, std::to_wstring(row + 1).c_str());
    EXPECT_EQ(user.cell(kFiles, 0, 0), L"1");
    EXPECT_EQ(user.cell(kFiles, 1, 0), L"2");
    EXPECT_EQ(user.cell(kFiles, 2, 0), L"3");
    EXPECT_EQ(user.cell(kFiles, 0, 3), L"/d/1.dwg");
    EXPECT_EQ(user.cell(kFiles, 1, 3), L"/d/3.dwg");
    EXPECT_EQ(user.cell(kFiles, 2, 3), L"/d/5.dwg");
    EXPECT_EQ(dialog.files.GetSelectedCount(), 0U);
    EXPECT_EQ(dialog.events, (std::vector<std::wstring>{L"row 1 2", L"row 3 2"}));
}

TEST_F(ListCtrlTest, ColumnsAndCells)
{
    EXPECT_EQ(dialog.files.GetColumnCount(), 4);
    EXPECT_EQ(dialog.files.GetColumnWidth(3), 0);
    EXPECT_EQ(dialog.files.GetExtendedStyle() & LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    EXPECT_STREQ(dialog.files.GetItemText(4, 2), L"准备保护");
    EXPECT_STREQ(dialog.files.GetItemText(5, 0), L"");
    EXPECT_FALSE(dialog.files.SetItemText(0, 4, L"no such column"));
    EXPECT_FALSE(dialog.files.DeleteItem(5));
    EXPECT_EQ(dialog.files.InsertItem(99, L"6"), 5);
}

TEST_F(ListCtrlTest, SelectionStateByProgram)
{
    dialog.files.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    dialog.files.SetItemState(4, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(dialog.files.GetNextItem(-1, LVNI_SELECTED), 2);
    EXPECT_EQ(dialog.files.GetNextItem(2, LVNI_SELECTED), 4);
    EXPECT_EQ(dialog.files.GetNextItem(4, LVNI_SELECTED), -1);
    dialog.files.SetItemState(-1, 0, LVIS_SELECTED);
    EXPECT_EQ(dialog.files.GetFirstSelectedItemPosition(), nullptr);
}

TEST(Buttons, RadioGroupAndCheckBox)
{
    ControlsDialog dialog;
    DialogUser user(dialog);
    EXPECT_TRUE(user.isChecked(kOverwrite));
    user.click(kRename);
    EXPECT_FALSE(user.isChecked(kOverwrite));
    EXPECT_TRUE(user.isChecked(kRename));
    EXPECT_FALSE(user.isChecked(kSameAction));
    dialog.UpdateData(TRUE);
    EXPECT_EQ(dialog.overwrite, 1);
    EXPECT_EQ(dialog.GetCheckedRadioButton(kOverwrite, kRename), kRename);
    dialog.CheckRadioButton(kOverwrite, kRename, kOverwrite);
    EXPECT_EQ(dialog.IsDlgButtonChecked(kRename), BST_UNCHECKED);
    user.setChecked(kSameAction, true);
    user.setChecked(kSameAction, true);
    EXPECT_EQ(dialog.IsDlgButtonChecked(kSameAction), BST_CHECKED);
    EXPECT_EQ(static_cast<CButton*>(dialog.GetDlgItem(kSameAction))->GetCheck(), BST_CHECKED);
    EXPECT_EQ(dialog.events, (std::vector<std::wstring>{L"radio 137"}));
}

TEST(DatePicker, ShowsTodayInTheShortFormat)
{
    ControlsDialog dialog;
    const SYSTEMTIME today = cadhost::today();
    CString text;
    dialog.date.GetWindowText(text);
    EXPECT_EQ(text.str(),
              std::to_wstring(today.wYear) + L"/" + std::to_wstring(today.wMonth) + L"/" + std::to_wstring(today.wDay));
    DialogUser(dialog).setDate(kDate, 2024, 5, 7);
    dialog.date.GetWindowText(text);
    EXPECT_STREQ(text, L"2024/5/7");
}

TEST(Edit, MultiLineTextKeepsItsLineBreaks)
{
    ControlsDialog dialog;
    DialogUser(dialog).type(kExtra, L"a\r\n\r\nb");
    CString text;
    dialog.extra.GetWindowText(text);
    EXPECT_STREQ(text, L"a\r\n\r\nb");
    EXPECT_EQ(dialog.extra.GetLineCount(), 3);
}

TEST(Window, StateChanges)
{
    ControlsDialog dialog;
    CWnd* rows = dialog.GetDlgItem(kRows);
    ASSERT_NE(rows, nullptr);
    EXPECT_EQ(rows, &dialog.rows);
    EXPECT_FALSE(rows->EnableWindow(FALSE));
    EXPECT_FALSE(rows->IsWindowEnabled());
    EXPECT_TRUE(rows->EnableWindow(TRUE));
    EXPECT_TRUE(rows->ShowWindow(SW_HIDE));
    EXPECT_FALSE(rows->IsWindowVisible());
    EXPECT_EQ(dialog.GetDlgItem(4242), nullptr);
    CWnd* label = dialog.GetDlgItem(kSameAction);
    EXPECT_EQ(label->GetDlgCtrlID(), kSameAction);
    EXPECT_EQ(label->GetParent(), &dialog);
}

} // namespace
