#pragma once

#include "ChipCardTestPanel.h"
#include "platform/widgets/BusyCursor.h"

#include <QDialog>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace zyn {

class ShowDocument;
class CardReader;
class CardWriteSequence;
class TransferResultView;

// frmTransferToChipDrive: writes the show onto a memory chip card, through a
// PC/SC reader or onto the emulated card file of the program directory (the
// choice is shown at the top), then reads the card back to check it. It polls
// the card's status every 200 ms and offers single test commands.
//
// The write runs in short slices from a timer, so the window stays live: the
// close button then only asks the write to stop, which it does before its
// next entry; closing the window stops the write and closes once it ended.
// While a write runs, the status poll and the test commands rest, so every
// reader command belongs to the write.
class ChipCardDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int PollIntervalMs = 200;
    // The longest stretch of card commands between two looks at the user.
    static constexpr int WriteSliceMs = 15;

    explicit ChipCardDialog(ShowDocument& document, QWidget* parent = nullptr);
    ~ChipCardDialog() override;

    bool isWriting() const { return m_sequence != nullptr; }
    const CardReader& reader() const { return *m_reader; }

    // While a write runs: stops it, and closes once it has stopped.
    void done(int result) override;

private:
    QWidget* readerRow();
    void chooseReader(int index);
    void startWrite();
    void writeSlice();
    void showNewLogEntries();
    void endWrite();
    void closeButton();
    void pollStatus();
    void showLog(const QString& text);
    void showError(quint32 status);

    ShowDocument& m_document;
    std::unique_ptr<CardReader> m_reader;
    std::unique_ptr<CardWriteSequence> m_sequence;
    std::size_t m_logShown = 0;
    std::optional<int> m_pendingClose;
    QComboBox* m_readerChoice = nullptr;
    QLabel* m_readerName = nullptr;
    QPushButton* m_write = nullptr;
    QPushButton* m_close = nullptr;
    QProgressBar* m_progress = nullptr;
    QPlainTextEdit* m_log = nullptr;
    // Shown only for a show that cannot go onto a card.
    TransferResultView* m_refused = nullptr;
    QLabel* m_status = nullptr;
    ChipCardTestPanel* m_tests = nullptr;
    QTimer* m_poll = nullptr;
    QTimer* m_writer = nullptr;
    // The normal pointer while the dialog is open, the busy one while a write
    // runs; the busy scope ends first.
    std::optional<BusyCursor::Suspend> m_normalPointer;
    std::optional<BusyCursor> m_busy;
};

} // namespace zyn
