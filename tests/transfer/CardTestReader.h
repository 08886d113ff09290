#pragma once

#include "platform/CardReader.h"
#include "transfer/CardCommand.h"
#include "transfer/CardStatus.h"

#include <QByteArray>
#include <functional>
#include <vector>

namespace zyn::test {

// A reader that records every command and keeps a card memory: writes land
// in it and reads give it back. A script decides which commands fail (and
// with which status) and which writes the card silently drops.
class CardTestReader : public CardReader {
public:
    struct Call {
        QString text;
        QByteArray input;
    };

    // The status to answer a memory command with; 0 lets it succeed.
    std::function<quint32(const CardCommand&)> failWith;
    // Writes to this address report success but change nothing.
    int droppedAddress = -1;
    // Reads deliver this many bytes fewer than asked for.
    int shortReadBy = 0;

    std::vector<Call> calls;
    QByteArray memory = QByteArray(32768, char(0xFF));

    CardReply command(const QString& text, QByteArrayView input = {}) override {
        calls.push_back({text, input.toByteArray()});
        const CardCommand command = CardCommand::parse(text);
        if (command.verb == CardCommand::Verb::ConvertErrCode)
            return {0, QStringLiteral("text of ") + CardStatus::hex(command.code), {}};
        if (const quint32 status = failWith ? failWith(command) : 0)
            return {status, {}, {}};
        if (command.verb == CardCommand::Verb::MemWrite && command.address != droppedAddress)
            memory.replace(command.address, input.size(), input.toByteArray());
        if (command.verb == CardCommand::Verb::MemRead)
            return {0, {}, memory.mid(command.address, command.length - shortReadBy)};
        return {0, {}, {}};
    }

    Kind kind() const override { return Kind::EmulatedFile; }
    QString name() const override { return QStringLiteral("test reader"); }

    std::vector<CardCommand> commands(CardCommand::Verb verb) const {
        std::vector<CardCommand> found;
        for (const Call& call : calls) {
            const CardCommand command = CardCommand::parse(call.text);
            if (command.verb == verb)
                found.push_back(command);
        }
        return found;
    }
};

} // namespace zyn::test
