// The output DWG versions offered by both file pages. Each item of the combo box carries its
// AcDb::AcDbDwgVersion code as item data, and the list is sorted, so a choice is always found and read
// through its code, never through its position.
#pragma once

#include "afxwin.h"

struct SaveType {
    const wchar_t* text;
    int code;
};

// The offered versions in the order they are added.
extern const SaveType kSaveTypes[6];

// Adds the versions and selects the one stored as the last choice (the drawing's own version when the
// stored code matches none).
void fillSaveTypeList(CComboBox& list);
// The code of the selected version (CB_ERR when the user typed text instead of choosing), stored as the
// last choice.
int takeSaveType(const CComboBox& list);
