// The copyright page of the main dialog: the owner, user and date notes, the extra lines, whether each
// shows in the watermark and on plots, and the rows and columns of the watermark grid.
#pragma once

#include "GCopyrightOption.h"
#include "afxwin.h"

class GCopyRightDialog : public CDialog {
public:
    enum { IDD = 105 };

    // Starts from the notes of the last accepted run; a grid size outside 2 to 8 becomes 5.
    GCopyRightDialog();
    ~GCopyRightDialog() override;

    // Takes the notes from the controls, stores them as typed and then puts each note's label in front of
    // its text. Nothing here is refused.
    bool readParameters();
    const GCopyrightOption& copyrightOption() const { return m_option; }

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()

private:
    GCopyrightOption m_option;
    CComboBox m_rows;
    CComboBox m_columns;
};
