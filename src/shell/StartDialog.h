#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace zyn {

class ShowDocument;

// frmStartfenster: opens the program with a welcome page, then offers a new
// time-coded show or the last saved project. Shown again by the New command,
// then offering only a new show or cancel. At the program's start, when the
// last run ended abnormally, it first offers the recovery copy it left; a
// copy declined is deleted.
class StartDialog : public QDialog {
    Q_OBJECT

public:
    enum class Choice { None, NewTimeCoded, NewManual, LastProject, RecoveryCopy };

    explicit StartDialog(ShowDocument& document, QWidget* parent = nullptr);

    Choice choice() const { return m_choice; }
    const QString& lastProject() const { return m_lastProject; }

private:
    void showChoices();
    void readRecentFiles();
    void offerRecoveryCopy();
    void choose(Choice choice);
    void chooseLastProject();
    QPushButton* button(const QString& name, int text);
    QLabel* label(const QString& name, int text);

    ShowDocument& m_document;
    Choice m_choice = Choice::None;
    QString m_lastProject;
    QLabel* m_welcome = nullptr;
    QLabel* m_program = nullptr;
    QLabel* m_url = nullptr;
    QLabel* m_hint = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_end = nullptr;
    QPushButton* m_old = nullptr;
    QPushButton* m_auto = nullptr;
    QPushButton* m_manual = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace zyn
