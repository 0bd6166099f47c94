#include "GCopyRightDialog.h"

#include <array>
#include <cwchar>
#include <utility>

namespace {

constexpr int kOwnerText = 105;
constexpr int kUserText = 106;
constexpr int kExtraLines = 111;
constexpr int kDate = 132;
constexpr int kRows = 133;
constexpr int kColumns = 134;

constexpr int kSmallestGrid = 2;
constexpr int kLargestGrid = 8;
constexpr int kFallbackGrid = 5;
constexpr const wchar_t* kLineBreak = L"\r\n";

constexpr const wchar_t* kOwnerLabel = L"图纸版权所有者：";
constexpr const wchar_t* kUserLabel = L"图纸授权使用者：";
constexpr const wchar_t* kDateLabel = L"图纸发布时间：";

// Each note's stamp and plot boxes.
struct NoteBoxes {
    GCopyrightItem GCopyrightOption::*note;
    int stamp;
    int plot;
};

constexpr std::array<NoteBoxes, 3> kNoteBoxes = {{
    {&GCopyrightOption::owner, 107, 108},
    {&GCopyrightOption::user, 109, 110},
    {&GCopyrightOption::date, 112, 113},
}};
constexpr int kExtraStamp = 114;
constexpr int kExtraPlot = 115;

const cadhost::DialogTemplateRegistration dialogTemplate{DialogTemplate{
    GCopyRightDialog::IDD,
    L"",
    rc::box(0, 0, 411, 276),
    DS_CONTROL | WS_CHILD,
    L"MS Shell Dlg",
    8,
    {
        rc::lText(L"图纸版权所有者：", IDC_STATIC, 20, 17, 65, 8),
        rc::editText(kOwnerText, 85, 14, 211, 14),
        rc::autoCheckBox(L"水印显示", 107, 302, 17, 48, 10, WS_TABSTOP),
        rc::autoCheckBox(L"打印", 108, 355, 17, 32, 10, WS_TABSTOP),
        rc::lText(L"图纸授权使用者：", IDC_STATIC, 19, 37, 65, 8),
        rc::editText(kUserText, 85, 34, 211, 14),
        rc::autoCheckBox(L"水印显示", 109, 301, 37, 48, 10, WS_TABSTOP),
        rc::autoCheckBox(L"打印", 110, 355, 37, 32, 10, WS_TABSTOP),
        rc::lText(L"图纸发布时间：", IDC_STATIC, 19, 58, 57, 8),
        rc::control(L"", kDate, DATETIMEPICK_CLASSW, DTS_SHORTDATEFORMAT | WS_TABSTOP, 85, 54, 100, 15),
        rc::autoCheckBox(L"水印显示", 112, 301, 58, 48, 10, WS_TABSTOP),
        rc::autoCheckBox(L"打印", 113, 355, 58, 32, 10, WS_TABSTOP),
        rc::lText(L"附加信息（如电话、邮箱、网址、QQ等）：", IDC_STATIC, 19, 79, 156, 8),
        rc::autoCheckBox(L"水印显示", kExtraStamp, 301, 79, 48, 10, WS_TABSTOP),
        rc::autoCheckBox(L"打印", kExtraPlot, 355, 79, 32, 10, WS_TABSTOP),
        rc::editText(kExtraLines, 20, 91, 362, 85, ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL),
        rc::lText(L"水印行数：", IDC_STATIC, 19, 184, 41, 8),
        rc::comboBox(kRows, 85, 180, 48, 30, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP),
        rc::lText(L"水印列数：", IDC_STATIC, 166, 184, 41, 8),
        rc::comboBox(kColumns, 232, 180, 48, 30, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP),
    },
}};

Adesk::Int32 gridSizeOrFallback(Adesk::Int32 size)
{
    return size < kSmallestGrid || size > kLargestGrid ? kFallbackGrid : size;
}

void fillGridList(CComboBox& list, Adesk::Int32 size)
{
    for (int value = kSmallestGrid; value <= kLargestGrid; ++value) {
        CString item;
        item.Format(L"%d", value);
        list.AddString(item);
    }
    list.SetCurSel(size - kSmallestGrid);
}

CString joinLines(const CStringArray& lines)
{
    CString text;
    for (INT_PTR i = 0; i < lines.GetSize(); ++i) {
        if (i > 0)
            text += kLineBreak;
        text += lines[i];
    }
    return text;
}

// The lines between the line breaks, empty ones left out.
void splitLines(const CString& text, CStringArray& lines)
{
    lines.RemoveAll();
    const int breakLength = static_cast<int>(std::wcslen(kLineBreak));
    int start = 0;
    while (start <= text.GetLength()) {
        int end = text.Find(kLineBreak, start);
        if (end < 0)
            end = text.GetLength();
        if (end > start)
            lines.Add(text.Mid(start, end - start));
        start = end + breakLength;
    }
}

} // namespace

BEGIN_MESSAGE_MAP(GCopyRightDialog, CDialog)
END_MESSAGE_MAP()

GCopyRightDialog::GCopyRightDialog() : CDialog(IDD)
{
    m_option.loadFromSettings();
    m_option.rows = gridSizeOrFallback(m_option.rows);
    m_option.columns = gridSizeOrFallback(m_option.columns);
}

GCopyRightDialog::~GCopyRightDialog() = default;

void GCopyRightDialog::DoDataExchange(CDataExchange* exchange)
{
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, kRows, m_rows);
    DDX_Control(exchange, kColumns, m_columns);
}

BOOL GCopyRightDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(kOwnerText, m_option.owner.text);
    SetDlgItemText(kUserText, m_option.user.text);
    for (const NoteBoxes& boxes : kNoteBoxes) {
        const GCopyrightItem& note = m_option.*boxes.note;
        CheckDlgButton(boxes.stamp, note.stamp ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(boxes.plot, note.plot ? BST_CHECKED : BST_UNCHECKED);
    }
    CheckDlgButton(kExtraStamp, m_option.extra.stamp ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(kExtraPlot, m_option.extra.plot ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemText(kExtraLines, joinLines(m_option.extra.lines));
    fillGridList(m_rows, m_option.rows);
    fillGridList(m_columns, m_option.columns);
    return TRUE;
}

bool GCopyRightDialog::readParameters()
{
    GetDlgItemText(kOwnerText, m_option.owner.text);
    GetDlgItemText(kUserText, m_option.user.text);
    GetDlgItemText(kDate, m_option.date.text);
    for (const NoteBoxes& boxes : kNoteBoxes) {
        GCopyrightItem& note = m_option.*boxes.note;
        note.stamp = IsDlgButtonChecked(boxes.stamp) == BST_CHECKED;
        note.plot = IsDlgButtonChecked(boxes.plot) == BST_CHECKED;
    }
    m_option.extra.stamp = IsDlgButtonChecked(kExtraStamp) == BST_CHECKED;
    m_option.extra.plot = IsDlgButtonChecked(kExtraPlot) == BST_CHECKED;
    CString extra;
    GetDlgItemText(kExtraLines, extra);
    splitLines(extra, m_option.extra.lines);
    m_option.rows = m_rows.GetCurSel() + kSmallestGrid;
    m_option.columns = m_columns.GetCurSel() + kSmallestGrid;

    // The settings keep the texts as typed; only the record that goes into the drawings carries labels.
    m_option.saveToSettings();
    // An empty note stays empty, so that the watermark does not show a bare label.
    for (const auto& [note, label] : {std::pair{&m_option.owner, kOwnerLabel}, std::pair{&m_option.user, kUserLabel},
                                      std::pair{&m_option.date, kDateLabel}})
        if (!note->text.IsEmpty())
            note->text = label + note->text;
    return true;
}
