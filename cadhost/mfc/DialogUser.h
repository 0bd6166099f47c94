// A person in front of a dialog: reads what the dialog shows and operates its controls, so that the
// controls notify their dialogs and the message-map handlers run as in MFC. Controls are found by id
// among everything the dialog shows, child pages included; an id that several visible controls share
// must be narrowed with page(). Acting on a control that is hidden or disabled, or that does not exist,
// throws UiScriptError: a person could not do it either.
#pragma once

#include "afxdialog.h"

#include <string>
#include <vector>

namespace cadhost {

class CADHOST_EXPORT DialogUser {
public:
    explicit DialogUser(CDialog& dialog);

    // Reading.
    std::wstring caption() const;
    UINT templateId() const;
    bool hasEnded() const;
    bool exists(UINT id) const;
    std::wstring text(UINT id) const;
    bool isChecked(UINT id) const;
    bool isEnabled(UINT id) const;
    bool isVisible(UINT id) const;
    std::vector<std::wstring> items(UINT id) const; // combo box entries or tabs, in display order
    int selection(UINT id) const;                   // combo box or tab; -1 for none
    int rowCount(UINT id) const;                    // list view
    std::wstring cell(UINT id, int row, int column) const;
    std::vector<int> selectedRows(UINT id) const;
    CRect position(UINT id) const; // relative to the control's parent, in dialog units
    // What the control's text is drawn with, as its parent and the control decide when it is painted.
    COLORREF textColor(UINT id) const;
    int backgroundMode(UINT id) const;

    // Acting.
    void click(UINT id);                                    // push button, check box, radio button, notify static
    void setChecked(UINT id, bool checked);                 // clicks the box when its state differs
    void type(UINT id, const std::wstring& text);           // replaces the text of an edit or editable combo box
    void select(UINT id, int index);                        // combo box entry or tab
    void select(UINT id, const std::wstring& item);         // by its text, ignoring case
    void selectRows(UINT id, const std::vector<int>& rows); // list view: exactly these rows
    void setDate(UINT id, WORD year, WORD month, WORD day);
    // The pointer moves onto the middle of the control, then off it again.
    void moveMouseOver(UINT id);
    void moveMouseAway(UINT id);
    void pressEnter() { click(IDOK); }
    void pressEscape();

    // The same person looking only at one child dialog (for example a page of a tab control).
    DialogUser page(UINT templateId) const;
    // The same person looking only at the dialog's own controls, not at those of its child dialogs.
    DialogUser ownControls() const;

private:
    explicit DialogUser(HWND root, bool ownControlsOnly = false);
    HWND find(UINT id) const;          // for reading: prefers a visible control
    HWND findToOperate(UINT id) const; // visible and enabled, or throws
    std::wstring describe() const;
    // Input messages pass through PreTranslateMessage of the window and its ancestors; TRUE swallows them.
    bool preTranslate(MSG& message) const;
    void sendMouse(HWND target, UINT message, CPoint point) const;
    [[noreturn]] void fail(const std::wstring& what) const;

    HWND m_root;
    bool m_ownControlsOnly = false;
};

} // namespace cadhost
