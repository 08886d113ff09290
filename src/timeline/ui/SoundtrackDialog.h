#pragma once

#include "soundtrack/Soundtrack.h"

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QSpinBox;

namespace zyn {

class ShowDocument;

// Chooses the show's music: the audio file (also to point to it again when
// it has moved), the show time of its first sample and the segment it plays
// in. OK hands it to the document; an empty file removes the soundtrack.
class SoundtrackDialog : public QDialog {
    Q_OBJECT

public:
    explicit SoundtrackDialog(ShowDocument& document, QWidget* parent = nullptr);

    // What the controls describe; nothing while the start time is no time.
    std::optional<Soundtrack> soundtrack() const;

private:
    void browse();
    void confirm();
    void showWhetherFileExists();

    ShowDocument& m_document;
    QLineEdit* m_file;
    QLabel* m_missing;
    QLineEdit* m_start;
    QSpinBox* m_segment;
};

} // namespace zyn
