#pragma once

#include "editor/TimeShift.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace zyn {

class ShowDocument;
class EditorCommands;

// frm_Zeitverschiebung_ALL: adds an offset to, or subtracts it from, the
// times of all cues, the selected cues or the current segment.
class TimeShiftDialog : public QDialog {
    Q_OBJECT

public:
    TimeShiftDialog(ShowDocument& document, EditorCommands& commands, int currentRow, int otherRow,
                    QWidget* parent = nullptr);

    // The shift the dialog's controls describe now.
    TimeShift::Request request() const;

private:
    void fieldEdited(int field);
    void confirm();

    EditorCommands& m_commands;
    int m_currentRow;
    int m_otherRow;
    QLineEdit* m_fields[4];
    QSpinBox* m_spins[4];
    QRadioButton* m_ranges[3];
    QRadioButton* m_operators[2];
};

} // namespace zyn
