#pragma once

#include <QDialog>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QTreeView;

namespace zyn {

class ShowDocument;

// frmPathForm: picks a folder from the mounted volumes (which stand in for
// drive letters) and their folder tree. A folder that cannot be entered is
// never taken: the chooser stays on the last one that could.
class PathDialog : public QDialog {
    Q_OBJECT

public:
    PathDialog(ShowDocument& document, const QString& prompt, const QString& startPath,
               QWidget* parent = nullptr);

    QString path() const;

    // Moves to a folder; false (and nothing changes) when it cannot be entered.
    bool enter(const QString& folder);

private:
    void volumeChosen(int index);
    QString volumeOf(const QString& folder) const;

    QComboBox* m_volumes;
    QTreeView* m_folders;
    QFileSystemModel* m_model;
    QLineEdit* m_path;
    QString m_lastGoodVolume;
    bool m_changing = false;
};

} // namespace zyn
