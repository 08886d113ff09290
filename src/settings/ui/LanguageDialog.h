#pragma once

#include <QDialog>

class QComboBox;

namespace zyn {

class ShowDocument;

// frmLanguage: picks the language of every text. OK loads it, re-labels the
// main window and the editor, and gives the stops in the cue list the new
// language's labels; Cancel changes nothing.
class LanguageDialog : public QDialog {
    Q_OBJECT

public:
    LanguageDialog(ShowDocument& document, QWidget* parent = nullptr);

    // The language folder's icon for a language, null when it has none.
    static QIcon languageIcon(const ShowDocument& document, const QString& language);

private:
    void apply();

    ShowDocument& m_document;
    QComboBox* m_languages;
};

} // namespace zyn
