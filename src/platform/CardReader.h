#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace zyn {

// What a reader answers to one command: the status (0 for success, otherwise
// an error code the reader can put into words), the reply text and the reply
// bytes.
struct CardReply {
    quint32 status = 0;
    QString text;
    QByteArray bytes;

    bool ok() const { return status == 0; }
};

// A chip-card reader driven by text commands ("Card,MemWrite,4,4" with the
// bytes to write, "Card,Info,Status", ...; CardCommand builds and reads them).
// Each call returns once the reader has answered, so an implementation keeps
// every command short enough to run between two events of the user interface:
// a few milliseconds, never a wait for the user or for a card to arrive.
class CardReader {
public:
    enum class Kind {
        Pcsc,         // a reader of the PC/SC service
        EmulatedFile, // a memory card kept as a file
    };

    virtual ~CardReader() = default;

    virtual CardReply command(const QString& text, QByteArrayView input = {}) = 0;

    virtual Kind kind() const = 0;
    // What is in use, for the user: the reader's name or the card file's path.
    virtual QString name() const = 0;

    // The reader's own text for an error status ("" when it has none).
    QString errorText(quint32 status) {
        return command(QStringLiteral("System,ConvertErrCode,") +
                       QString::number(status, 16).toUpper())
            .text;
    }
};

} // namespace zyn
