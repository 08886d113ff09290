#include "PcscCardReader.h"

#include "CardAtr.h"
#include "Version.h"
#include "show/Cp1252.h"
#include "transfer/CardCommand.h"
#include "transfer/CardStatus.h"

#include <QByteArray>
#include <algorithm>
#include <winscard.h>

namespace zyn {

namespace {

constexpr quint8 StorageClass = 0xFF;
constexpr quint8 ReadBinary = 0xB0;
constexpr quint8 UpdateBinary = 0xD6;
constexpr quint8 Verify = 0x20;
// The longest reply of one command: 256 data bytes and the status word.
constexpr DWORD ReplyCapacity = 258;

quint32 statusOf(LONG result) {
    return quint32(result);
}

// Errors after which the service context is made again: pcscd restarted.
bool serviceLost(LONG result) {
    return result == SCARD_E_NO_SERVICE || result == SCARD_E_SERVICE_STOPPED ||
           result == SCARD_E_INVALID_HANDLE || result == SCARD_F_COMM_ERROR;
}

// Errors after which the card is connected again: reset, exchanged or re-inserted.
bool cardLost(LONG result) {
    return result == SCARD_W_RESET_CARD || result == SCARD_W_REMOVED_CARD ||
           result == SCARD_E_INVALID_HANDLE || result == SCARD_E_NO_SMARTCARD ||
           result == SCARD_W_UNPOWERED_CARD;
}

CardReply fail(quint32 status) {
    return {status, {}, {}};
}

CardReply answer(const QString& text) {
    return {CardStatus::Ok, text, {}};
}

QString pcscVersion() {
    return QStringLiteral("pcsc-lite ") + QLatin1String(PCSCLITE_VERSION_NUMBER);
}

QByteArray storageApdu(quint8 instruction, int address, QByteArrayView data, int expected) {
    QByteArray apdu;
    apdu.append(char(StorageClass));
    apdu.append(char(instruction));
    apdu.append(char((address >> 8) & 0xFF));
    apdu.append(char(address & 0xFF));
    if (!data.isEmpty()) {
        apdu.append(char(data.size()));
        apdu.append(data);
    }
    if (expected > 0)
        apdu.append(char(expected & 0xFF)); // 256 is written as 00
    return apdu;
}

} // namespace

struct PcscCardReader::Session {
    SCARDCONTEXT context = 0;
    bool hasContext = false;
    SCARDHANDLE card = 0;
    bool connected = false;
    DWORD protocol = 0;
    QString connectedReader;
    int selected = 0;

    ~Session() { releaseContext(); }

    LONG ensureContext() {
        if (hasContext)
            return SCARD_S_SUCCESS;
        const LONG result = SCardEstablishContext(SCARD_SCOPE_SYSTEM, nullptr, nullptr, &context);
        hasContext = result == SCARD_S_SUCCESS;
        return result;
    }

    void releaseContext() {
        disconnect();
        if (hasContext)
            SCardReleaseContext(context);
        hasContext = false;
    }

    void disconnect() {
        if (connected)
            SCardDisconnect(card, SCARD_LEAVE_CARD);
        connected = false;
        connectedReader.clear();
    }

    // Runs a service call, once more with a fresh context when the service
    // was restarted since the last one.
    template<typename Call> LONG withContext(Call call) {
        LONG result = ensureContext();
        if (result == SCARD_S_SUCCESS)
            result = call();
        if (!serviceLost(result))
            return result;
        releaseContext();
        result = ensureContext();
        return result == SCARD_S_SUCCESS ? call() : result;
    }

    LONG listReaders(QStringList* names) {
        names->clear();
        return withContext([&]() -> LONG {
            DWORD size = 0;
            LONG result = SCardListReaders(context, nullptr, nullptr, &size);
            if (result != SCARD_S_SUCCESS)
                return result;
            QByteArray buffer(qsizetype(size), '\0');
            result = SCardListReaders(context, nullptr, buffer.data(), &size);
            if (result != SCARD_S_SUCCESS)
                return result;
            // A multi-string: names ended by a zero byte, the list by another.
            for (const QByteArray& name : buffer.left(qsizetype(size)).split('\0')) {
                if (!name.isEmpty())
                    names->append(QString::fromUtf8(name));
            }
            return SCARD_S_SUCCESS;
        });
    }

    LONG selectedReader(QString* name) {
        QStringList names;
        const LONG result = listReaders(&names);
        if (result != SCARD_S_SUCCESS)
            return result;
        if (selected >= names.size())
            return names.isEmpty() ? SCARD_E_NO_READERS_AVAILABLE : SCARD_E_UNKNOWN_READER;
        *name = names[selected];
        return SCARD_S_SUCCESS;
    }

    // The state the service knows of the selected reader, without waiting.
    LONG readerState(DWORD* state, QByteArray* atr) {
        QString name;
        LONG result = selectedReader(&name);
        if (result != SCARD_S_SUCCESS)
            return result;
        const QByteArray utf8 = name.toUtf8();
        SCARD_READERSTATE reader{};
        reader.szReader = utf8.constData();
        reader.dwCurrentState = SCARD_STATE_UNAWARE;
        result = withContext([&] { return SCardGetStatusChange(context, 0, &reader, 1); });
        if (result != SCARD_S_SUCCESS)
            return result;
        *state = reader.dwEventState;
        *atr = QByteArray(reinterpret_cast<const char*>(reader.rgbAtr),
                          qsizetype(std::min<DWORD>(reader.cbAtr, MAX_ATR_SIZE)));
        return SCARD_S_SUCCESS;
    }

    LONG connect() {
        QString name;
        const LONG found = selectedReader(&name);
        if (found != SCARD_S_SUCCESS)
            return found;
        if (connected && connectedReader == name)
            return SCARD_S_SUCCESS;
        disconnect();
        const QByteArray utf8 = name.toUtf8();
        const LONG result = SCardConnect(context, utf8.constData(), SCARD_SHARE_SHARED,
                                         SCARD_PROTOCOL_T0 | SCARD_PROTOCOL_T1, &card, &protocol);
        connected = result == SCARD_S_SUCCESS;
        if (connected)
            connectedReader = name;
        return result;
    }

    LONG transmitOnce(QByteArrayView apdu, QByteArray* reply) {
        LONG result = connect();
        if (result != SCARD_S_SUCCESS)
            return result;
        const SCARD_IO_REQUEST* pci = protocol == SCARD_PROTOCOL_T0 ? SCARD_PCI_T0 : SCARD_PCI_T1;
        QByteArray buffer(ReplyCapacity, '\0');
        DWORD length = ReplyCapacity;
        result =
            SCardTransmit(card, pci, reinterpret_cast<const BYTE*>(apdu.data()), DWORD(apdu.size()),
                          nullptr, reinterpret_cast<BYTE*>(buffer.data()), &length);
        if (result == SCARD_S_SUCCESS)
            *reply = buffer.left(qsizetype(length));
        return result;
    }

    // One exchange with the card, once more after the card was reset or
    // exchanged since the connection was made.
    LONG transmit(QByteArrayView apdu, QByteArray* reply) {
        LONG result = transmitOnce(apdu, reply);
        if (!cardLost(result) && !serviceLost(result))
            return result;
        if (serviceLost(result))
            releaseContext();
        else
            disconnect();
        return transmitOnce(apdu, reply);
    }

    // "Card,Info,Status", "Card,Info,Type" and "Card,Info" from the state the
    // service knows. A card counts as active while it is in the reader and
    // answers; the service powers it up for the next command when it is idle.
    CardReply cardState(CardCommand::Verb verb) {
        DWORD state = 0;
        QByteArray atr;
        const LONG result = readerState(&state, &atr);
        if (result != SCARD_S_SUCCESS)
            return fail(statusOf(result));
        const bool present = state & SCARD_STATE_PRESENT;
        const bool mute = state & SCARD_STATE_MUTE;
        if (verb == CardCommand::Verb::CardStatus) {
            if (state & SCARD_STATE_UNAVAILABLE)
                return answer(QStringLiteral("unavailable"));
            if (!present)
                return answer(QStringLiteral("absent"));
            return answer(mute ? QStringLiteral("mute") : QStringLiteral("active"));
        }
        if (!present)
            return fail(CardStatus::NoSmartcard);
        if (mute || atr.isEmpty())
            return fail(statusOf(SCARD_W_UNRESPONSIVE_CARD));
        const QString type = CardAtr::typeName(atr);
        if (verb == CardCommand::Verb::CardType)
            return answer(type);
        return answer(QStringLiteral("%1; ATR %2").arg(type, CardAtr::hexBytes(atr)));
    }

    // A storage-card command: the reply data, or the card's status word.
    CardReply storageCommand(const QByteArray& apdu) {
        QByteArray reply;
        const LONG result = transmit(apdu, &reply);
        if (result != SCARD_S_SUCCESS)
            return fail(statusOf(result));
        if (reply.size() < 2)
            return fail(CardStatus::CommError);
        const quint32 status =
            CardStatus::fromStatusWord(quint8(reply[reply.size() - 2]), quint8(reply.back()));
        if (status != CardStatus::Ok)
            return fail(status);
        reply.chop(2);
        const qsizetype end = reply.indexOf('\0');
        return {CardStatus::Ok,
                Cp1252::decode(QByteArrayView(reply).first(end < 0 ? reply.size() : end)), reply};
    }
};

PcscCardReader::PcscCardReader(int readerIndex) : m_session(std::make_unique<Session>()) {
    m_session->selected = readerIndex;
}

PcscCardReader::~PcscCardReader() = default;

int PcscCardReader::selectedIndex() const {
    return m_session->selected;
}

QStringList PcscCardReader::readerNames() const {
    QStringList names;
    m_session->listReaders(&names);
    return names;
}

QString PcscCardReader::name() const {
    QString reader;
    if (m_session->selectedReader(&reader) == SCARD_S_SUCCESS)
        return reader;
    return QStringLiteral("#%1").arg(m_session->selected);
}

CardReply PcscCardReader::command(const QString& text, QByteArrayView input) {
    const CardCommand command = CardCommand::parse(text);
    if (command.status != CardStatus::Ok)
        return fail(command.status);
    Session& session = *m_session;
    using Verb = CardCommand::Verb;
    switch (command.verb) {
    case Verb::SystemInfo: {
        QStringList names;
        const LONG result = session.listReaders(&names);
        const QString state = result == SCARD_S_SUCCESS || result == SCARD_E_NO_READERS_AVAILABLE
                                  ? QStringLiteral("%1 reader(s)").arg(names.size())
                                  : QStringLiteral("service not running");
        return answer(
            QStringLiteral("PC/SC card readers through %1; %2").arg(pcscVersion(), state));
    }
    case Verb::VersionText:
        return answer(QStringLiteral("%1 card layer %2.%3.%4, PC/SC through %5")
                          .arg(QLatin1String(Version::ProductName))
                          .arg(Version::Major)
                          .arg(Version::Minor)
                          .arg(Version::Revision)
                          .arg(pcscVersion()));
    case Verb::ConvertErrCode: {
        const QString known = CardStatus::text(command.code);
        if (!known.isEmpty())
            return answer(known);
        return answer(QString::fromUtf8(pcsc_stringify_error(LONG(command.code))));
    }
    case Verb::SearchComPort:
    case Verb::DeviceList: {
        // PC/SC finds its readers itself: a port search only lists them anew.
        QStringList names;
        const LONG result = session.listReaders(&names);
        if (result != SCARD_S_SUCCESS)
            return fail(statusOf(result));
        if (command.verb == Verb::SearchComPort)
            return answer(QString());
        QStringList lines;
        for (qsizetype i = 0; i < names.size(); ++i)
            lines << QStringLiteral("%1 %2").arg(i).arg(names[i]);
        return answer(lines.join(u'\n'));
    }
    case Verb::DeviceInfo: {
        QString name;
        const LONG result = session.selectedReader(&name);
        if (result != SCARD_S_SUCCESS)
            return fail(statusOf(result));
        return answer(QStringLiteral("%1 (PC/SC reader %2)").arg(name).arg(session.selected));
    }
    case Verb::DeviceSelect: {
        QStringList names;
        const LONG result = session.listReaders(&names);
        if (result != SCARD_S_SUCCESS)
            return fail(statusOf(result));
        if (command.number >= names.size())
            return fail(CardStatus::UnknownReader);
        session.disconnect();
        session.selected = command.number;
        return answer(QString());
    }
    case Verb::CardStatus:
    case Verb::CardType:
    case Verb::CardInfo:
        return session.cardState(command.verb);
    case Verb::Apdu: {
        QByteArray reply;
        const LONG result = session.transmit(input, &reply);
        if (result != SCARD_S_SUCCESS)
            return fail(statusOf(result));
        return {CardStatus::Ok, CardAtr::hexBytes(reply), reply};
    }
    case Verb::MemRead:
        return session.storageCommand(storageApdu(ReadBinary, command.address, {}, command.length));
    case Verb::MemWrite:
        if (input.size() != command.length)
            return fail(CardStatus::InvalidParameter);
        return session.storageCommand(storageApdu(UpdateBinary, command.address, input, 0));
    case Verb::MemVerifyPin:
        return session.storageCommand(storageApdu(Verify, 0, command.pin, 0));
    case Verb::Unknown:
        break;
    }
    return fail(CardStatus::UnsupportedFeature);
}

} // namespace zyn
