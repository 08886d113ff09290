#pragma once

#include "platform/CardReader.h"

#include <QStringList>
#include <memory>

namespace zyn {

// The card readers of the PC/SC service (pcscd), through pcsc-lite. Memory
// cards are read and written with the PC/SC storage-card commands READ
// BINARY (FF B0), UPDATE BINARY (FF D6) and VERIFY (FF 20), which the
// reader's driver carries out on the card; "Card,APDU" sends its input to a
// processor card as it is. Service errors come back as PC/SC codes, a card's
// refusal as its status word (see CardStatus).
//
// Readers are numbered from 0 in the order the service lists them;
// "Device,Select,N" picks one, reader 0 serves until then. The connection to
// the service is made on the first command, the one to the card on the first
// card command; each is made once more when the service was restarted or the
// card was reset or exchanged, so a new card needs no new reader object.
// Status queries ask the service for the state it already knows and never
// wait for a card.
class PcscCardReader : public CardReader {
public:
    explicit PcscCardReader(int readerIndex = 0);
    ~PcscCardReader() override;
    PcscCardReader(const PcscCardReader&) = delete;
    PcscCardReader& operator=(const PcscCardReader&) = delete;

    CardReply command(const QString& text, QByteArrayView input = {}) override;
    Kind kind() const override { return Kind::Pcsc; }
    // The selected reader's name, or its number while the service has none.
    QString name() const override;

    int selectedIndex() const;
    // The names of the readers the service knows now (empty without service).
    QStringList readerNames() const;

private:
    struct Session;
    std::unique_ptr<Session> m_session;
};

} // namespace zyn
