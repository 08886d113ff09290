#pragma once

#include "platform/widgets/BusyCursor.h"
#include "transfer/ControllerSession.h"

#include <QDialog>
#include <memory>
#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace zyn {

class ShowDocument;
class QtSerialLink;
class TransferResultView;

// frmTransferToZYNController: finds the firing controller on the serial ports
// and sends it the show, on its own from the moment it is shown; the user only
// reads the result and closes it. One search and one transfer per opening.
// Closing works at any moment: the exchange stops before the dialog goes, so
// no byte leaves after the click, and the port is closed with it.
class ControllerTransferDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int StartDelayMs = 20;

    explicit ControllerTransferDialog(ShowDocument& document, QWidget* parent = nullptr);
    ~ControllerTransferDialog() override;

    // Stops a running exchange first.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void portSearch();
    void showPort(int port, const QString& device);
    void showOutcome(ControllerSession::Outcome outcome);
    void endBusyPointer();

    ShowDocument& m_document;
    QLabel* m_port = nullptr;
    QProgressBar* m_progress = nullptr;
    TransferResultView* m_result = nullptr;
    QPushButton* m_close = nullptr;
    QTimer* m_start = nullptr;
    bool m_started = false;
    // The document talks through the link, so it goes first.
    std::unique_ptr<QtSerialLink> m_link;
    std::unique_ptr<ControllerSession> m_exchange;
    // Busy while the search and the transfer run; once the result is shown
    // the pointer is normal, even under the dispatcher's busy pointer.
    std::optional<BusyCursor> m_busy;
    std::optional<BusyCursor::Suspend> m_normalPointer;
};

} // namespace zyn
