#pragma once

#include "check/CheckFinding.h"
#include "check/ShowCheck.h"

#include <QWidget>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace zyn {

class ShowDocument;
class EditorWindow;
class ShowGridView;

// frmCheck: the findings of the show check beside the editor. Modeless, so
// the user can mend one place after another while the list follows each
// edit; a double click puts the editor's current cell on a finding's place.
class CheckWindow : public QWidget {
    Q_OBJECT

public:
    enum Column { FindingColumn, CueColumn, KeyColumn, SlaveColumn, ChannelColumn, ColumnCount };

    CheckWindow(ShowDocument& document, EditorWindow& editor, QWidget* parent = nullptr);

    // The options of the program folder's settings file; a damaged entry
    // keeps its default.
    static CheckOptions savedOptions(const ShowDocument& document);

    // Checks the show as it is now and lists the findings.
    void recheck();
    // Checks, then shows the window in front.
    void present();
    const std::vector<CheckFinding>& findings() const { return m_findings; }

    // The editor's current cell goes to the place of the finding in list row
    // `row`: the cue grid row whose number is the finding's cue, the channel
    // cell of its slave and channel.
    void showPlace(int row);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void relabel();
    void fillList();
    void moveCurrent(ShowGridView& grid, int row, int column);

    ShowDocument& m_document;
    EditorWindow& m_editor;
    QTreeWidget* m_list = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_close = nullptr;
    std::vector<CheckFinding> m_findings;
};

} // namespace zyn
