#pragma once

#include <QWidget>
#include <functional>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zyn {

class CardReader;
struct CardReply;

// The test frames of the chip-card dialog ("System:", "Device:", "Card
// Info:", "Card Test:"): one reader or card command per button, whose reply
// or error line replaces the dialog's log. Their captions are the reader's
// own words, not language texts. The APDU test is offered only for a
// processor card, the memory tests only for a memory card.
class ChipCardTestPanel : public QWidget {
    Q_OBJECT

public:
    explicit ChipCardTestPanel(QWidget* parent = nullptr);

    // The reader the buttons use; none disables them.
    void setReader(CardReader* reader);
    // The card the status poll found: a processor card, a memory card, or
    // none (no active card).
    enum class Card { None, Processor, Memory };
    void setCard(Card card);

signals:
    // The text for the log, replacing what it shows.
    void output(const QString& text);
    // "Select Device" picked another reader.
    void readerSelected();

private:
    QWidget* systemFrame();
    QWidget* deviceFrame();
    QWidget* cardInfoFrame();
    QWidget* cardTestFrame();
    QPushButton* button(const char* name, const char* caption);
    // Runs one command; the log gets the reply as `shown` puts it, or the
    // error line. False when the command failed.
    bool run(const QString& command, const QByteArray& input,
             const std::function<QString(const CardReply&)>& shown);
    void runText(const QString& command);
    bool runOk(const QString& command);
    void searchPort();
    void apdu();
    void readCard();
    void writeCard();
    void updateEnabled();

    CardReader* m_reader = nullptr;
    Card m_card = Card::None;
    QLineEdit* m_port = nullptr;
    QLineEdit* m_device = nullptr;
    QLineEdit* m_pin = nullptr;
    QPlainTextEdit* m_data = nullptr;
    QPushButton* m_apdu = nullptr;
    QPushButton* m_read = nullptr;
    QPushButton* m_write = nullptr;
};

} // namespace zyn
