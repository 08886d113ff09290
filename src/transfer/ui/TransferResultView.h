#pragma once

#include <QWidget>

class QLabel;
class QListWidget;

namespace zyn {

// The outcome of a transfer dialog: the result icon Image_COM ("COMMOK" or
// "COMMERROR") beside the result text lbl_Desc, and under it lbl_Detail with
// what the user needs to put a failure right, or, for a show that cannot be
// sent, lst_Refusals naming every place to correct. Empty until there is an
// outcome.
class TransferResultView : public QWidget {
    Q_OBJECT

public:
    static constexpr int IconSize = 32;

    explicit TransferResultView(QWidget* parent = nullptr);

    void clear();
    // Shows the outcome and grows the window when the text needs more room
    // than it was opened with.
    void showOutcome(bool succeeded, const QString& text, const QString& detail = QString());
    // A failure under `text` with one list entry per place the user must
    // correct; the list scrolls, however many there are.
    void showRefused(const QString& text, const QStringList& places);

private:
    void growWindowToFit();

    QLabel* m_image = nullptr;
    QLabel* m_text = nullptr;
    QLabel* m_detail = nullptr;
    QListWidget* m_refusals = nullptr;
};

} // namespace zyn
