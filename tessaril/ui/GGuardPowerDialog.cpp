#include "GGuardPowerDialog.h"

#include "app/InstallRoot.h"
#include "settings/GUserDataProfile.h"

#include <array>
#include <vector>

namespace {

constexpr int kBlockDefinitionsBox = 110;
constexpr int kUnusedDefinitionsBox = 114;
constexpr int kSelectAll = 133;
constexpr int kSelectNone = 134;
constexpr int kInvert = 135;
constexpr int kPresetList = 145;

constexpr const wchar_t* kSection = L"GGuardPowerDialog";
constexpr const wchar_t* kMaskKey = L"GuardTypes";
constexpr const wchar_t* kLastUsed = L"上次使用";
constexpr const wchar_t* kNothingProtectedQuestion = L"您确定要设置为不保护任何对象吗？这样您的图纸将不被保护";

struct KindBox {
    GGuardTypeFlags::Kind kind;
    int id;
    const wchar_t* caption;
};

// In the order the page shows them, which is also the order "反选" walks.
constexpr std::array<KindBox, GGuardTypeFlags::kCount> kKindBoxes = {{
    {GGuardTypeFlags::kCurves, 107, L"保护各类曲线"},
    {GGuardTypeFlags::kTexts, 108, L"保护文字"},
    {GGuardTypeFlags::kBlockReferences, 109, L"保护块参照"},
    {GGuardTypeFlags::kBlockDefinitions, kBlockDefinitionsBox, L"深入内部保护块参照"},
    {GGuardTypeFlags::kUnusedBlockDefinitions, kUnusedDefinitionsBox, L"深入内部保护没用到的块定义"},
    {GGuardTypeFlags::kHatches, 111, L"保护填充对象"},
    {GGuardTypeFlags::kDimensions, 112, L"保护标注对象"},
    {GGuardTypeFlags::kOthers, 113, L"保护其它对象"},
}};

std::vector<DialogControlTemplate> pageControls()
{
    std::vector<DialogControlTemplate> controls{
        rc::groupBox(L"保护对象", IDC_STATIC, 268, 92, 142, 144),
    };
    int y = 104;
    for (const KindBox& box : kKindBoxes) {
        controls.push_back(rc::autoCheckBox(box.caption, box.id, 282, y, 120, 10, WS_TABSTOP));
        y += 15;
    }
    controls.push_back(rc::pushButton(L"全选", kSelectAll, 282, 250, 26, 14));
    controls.push_back(rc::pushButton(L"全不选", kSelectNone, 327, 250, 25, 14));
    controls.push_back(rc::pushButton(L"反选", kInvert, 371, 250, 25, 14));
    controls.push_back(rc::groupBox(L"加密模式", IDC_STATIC, 249, 7, 167, 30));
    controls.push_back(rc::comboBox(kPresetList, 258, 19, 102, 30, CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP));
    return controls;
}

const cadhost::DialogTemplateRegistration dialogTemplate{DialogTemplate{
    GGuardPowerDialog::IDD,
    L"",
    rc::box(0, 0, 411, 276),
    DS_CONTROL | WS_CHILD,
    L"MS Shell Dlg",
    8,
    pageControls(),
}};

GGuardTypeFlags storedFlags()
{
    GGuardTypeFlags flags;
    flags.applyMask(static_cast<std::uint32_t>(userDataProfile().readInt(kSection, kMaskKey, 0)));
    return flags;
}

} // namespace

BEGIN_MESSAGE_MAP(GGuardPowerDialog, CDialog)
ON_CBN_SELCHANGE(kPresetList, &GGuardPowerDialog::OnPresetChange)
ON_BN_CLICKED(kBlockDefinitionsBox, &GGuardPowerDialog::OnBlockDefinitionsClicked)
ON_BN_CLICKED(kSelectAll, &GGuardPowerDialog::OnSelectAll)
ON_BN_CLICKED(kSelectNone, &GGuardPowerDialog::OnSelectNone)
ON_BN_CLICKED(kInvert, &GGuardPowerDialog::OnInvert)
END_MESSAGE_MAP()

GGuardPowerDialog::GGuardPowerDialog() : CDialog(IDD)
{
}

GGuardPowerDialog::~GGuardPowerDialog() = default;

void GGuardPowerDialog::DoDataExchange(CDataExchange* exchange)
{
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, kPresetList, m_presetList);
}

BOOL GGuardPowerDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_flags = storedFlags();
    showFlags();
    loadGuardPresets(InstallRoot() / "config" / "GuardConfig.xml", m_presets);
    for (const GGuardEntDefine& preset : m_presets)
        m_presetList.AddString(preset.name);
    m_presetList.SetCurSel(m_presetList.AddString(kLastUsed));
    return TRUE;
}

void GGuardPowerDialog::OnPresetChange()
{
    const int index = m_presetList.GetCurSel();
    m_flags = index >= 0 && index < m_presets.GetSize() ? m_presets[index].flags : storedFlags();
    showFlags();
}

void GGuardPowerDialog::showFlags()
{
    const bool blockDefinitions = m_flags.isOn(GGuardTypeFlags::kBlockDefinitions);
    if (!blockDefinitions)
        m_flags.set(GGuardTypeFlags::kUnusedBlockDefinitions, false);
    enableUnusedDefinitions(blockDefinitions);
    for (const KindBox& box : kKindBoxes)
        CheckDlgButton(box.id, m_flags.isOn(box.kind) ? BST_CHECKED : BST_UNCHECKED);
}

void GGuardPowerDialog::enableUnusedDefinitions(bool enable)
{
    GetDlgItem(kUnusedDefinitionsBox)->EnableWindow(enable ? TRUE : FALSE);
}

void GGuardPowerDialog::OnBlockDefinitionsClicked()
{
    const bool checked = IsDlgButtonChecked(kBlockDefinitionsBox) == BST_CHECKED;
    enableUnusedDefinitions(checked);
    if (!checked)
        CheckDlgButton(kUnusedDefinitionsBox, BST_UNCHECKED);
}

void GGuardPowerDialog::OnSelectAll()
{
    for (const KindBox& box : kKindBoxes)
        CheckDlgButton(box.id, BST_CHECKED);
    enableUnusedDefinitions(true);
}

void GGuardPowerDialog::OnSelectNone()
{
    for (const KindBox& box : kKindBoxes)
        CheckDlgButton(box.id, BST_UNCHECKED);
    enableUnusedDefinitions(false);
}

void GGuardPowerDialog::OnInvert()
{
    for (const KindBox& box : kKindBoxes) {
        const bool checked = IsDlgButtonChecked(box.id) == BST_CHECKED;
        if (box.id != kUnusedDefinitionsBox) {
            CheckDlgButton(box.id, checked ? BST_UNCHECKED : BST_CHECKED);
            continue;
        }
        // The unused definitions follow the block definitions, whose box was toggled just before.
        const bool allowed = IsDlgButtonChecked(kBlockDefinitionsBox) == BST_CHECKED;
        enableUnusedDefinitions(allowed);
        CheckDlgButton(box.id, allowed && !checked ? BST_CHECKED : BST_UNCHECKED);
    }
}

bool GGuardPowerDialog::readParameters()
{
    for (const KindBox& box : kKindBoxes)
        m_flags.set(box.kind, IsDlgButtonChecked(box.id) == BST_CHECKED);
    const std::uint32_t mask = m_flags.mask();
    // Stored before the question, so that a refused OK still remembers the boxes.
    userDataProfile().writeInt(kSection, kMaskKey, static_cast<int>(mask));
    if (mask == 0 && AfxMessageBox(kNothingProtectedQuestion, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
    return true;
}
