#pragma once

#include "editor/KeyAssignmentEdit.h"

#include <QDialog>

namespace zyn {

class ShowDocument;
class EditorCommands;

// frmKeys: waits for one key stroke that turns the current channel into one
// fired by a controller key (digits 1 to 9, 0 for key 10); Esc leaves it.
class KeyDialog : public QDialog {
    Q_OBJECT

public:
    KeyDialog(ShowDocument& document, EditorCommands& commands, int slave, int channel,
              QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    ShowDocument& m_document;
    EditorCommands& m_commands;
    int m_slave;
    int m_channel;
    KeyAssignmentEdit m_edit;
};

} // namespace zyn
