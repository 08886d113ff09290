#include "EmulatedCardReader.h"

#include "Version.h"
#include "show/AtomicFile.h"
#include "show/Cp1252.h"
#include "transfer/CardCommand.h"
#include "transfer/CardStatus.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace zyn {

namespace {

constexpr qint64 MaxCapacity = CardCommand::AddressSpace;

CardReply fail(quint32 status) {
    return {status, {}, {}};
}

CardReply answer(const QString& text) {
    return {CardStatus::Ok, text, {}};
}

QString versionText() {
    return QStringLiteral("%1 card layer %2.%3.%4, emulated card file")
        .arg(QLatin1String(Version::ProductName))
        .arg(Version::Major)
        .arg(Version::Minor)
        .arg(Version::Revision);
}

} // namespace

EmulatedCardReader::EmulatedCardReader(QString filePath) : m_path(std::move(filePath)) {}

QString EmulatedCardReader::defaultPath(const QString& programDirectory) {
    return QDir(programDirectory).filePath(DefaultFileName);
}

CardReply EmulatedCardReader::command(const QString& text, QByteArrayView input) {
    const CardCommand command = CardCommand::parse(text);
    if (command.status != CardStatus::Ok)
        return fail(command.status);
    using Verb = CardCommand::Verb;
    switch (command.verb) {
    case Verb::SystemInfo:
        return answer(QStringLiteral("Emulated memory card in a file (no reader hardware)"));
    case Verb::VersionText:
        return answer(versionText());
    case Verb::ConvertErrCode:
        return answer(CardStatus::text(command.code));
    case Verb::SearchComPort:
        return answer(QString()); // the card needs no port
    case Verb::DeviceList:
        return answer(QStringLiteral("0 Emulated card file ") + m_path);
    case Verb::DeviceInfo:
        return answer(QStringLiteral("Emulated card file ") + m_path);
    case Verb::DeviceSelect:
        return command.number == 0 ? answer(QString()) : fail(CardStatus::UnknownReader);
    case Verb::CardInfo:
        return cardInfo();
    case Verb::CardStatus:
        return cardStatus();
    case Verb::CardType:
        return answer(TypeName);
    case Verb::Apdu:
        return fail(CardStatus::UnsupportedFeature); // a memory card takes no APDUs
    case Verb::MemRead:
        return read(command);
    case Verb::MemWrite:
        return write(command, input);
    case Verb::MemVerifyPin: {
        qint64 capacity = 0;
        return prepare(&capacity);
    }
    case Verb::Unknown:
        break;
    }
    return fail(CardStatus::UnsupportedFeature);
}

CardReply EmulatedCardReader::cardStatus() const {
    // The card is in the reader while its file exists or can be made.
    const QFileInfo file(m_path);
    if (file.isFile() || (!file.exists() && file.absoluteDir().exists()))
        return answer(QStringLiteral("active"));
    return fail(CardStatus::NoSmartcard);
}

CardReply EmulatedCardReader::cardInfo() {
    const QFileInfo file(m_path);
    const qint64 capacity = file.isFile() ? std::min(file.size(), MaxCapacity) : DefaultCapacity;
    return answer(QStringLiteral("%1, %2 bytes, file %3").arg(TypeName).arg(capacity).arg(m_path));
}

CardReply EmulatedCardReader::prepare(qint64* capacity) {
    const QFileInfo info(m_path);
    if (!info.exists()) {
        if (AtomicFile::save(m_path, QByteArray(DefaultCapacity, ErasedByte)))
            return fail(CardStatus::NoSmartcard);
        *capacity = DefaultCapacity;
        return answer(QString());
    }
    if (!info.isFile())
        return fail(CardStatus::NoSmartcard);
    *capacity = std::min(info.size(), MaxCapacity);
    return answer(QString());
}

CardReply EmulatedCardReader::read(const CardCommand& command) {
    qint64 capacity = 0;
    if (CardReply prepared = prepare(&capacity); !prepared.ok())
        return prepared;
    if (command.address + command.length > capacity)
        return fail(CardStatus::AddressOutOfRange);
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(command.address))
        return fail(CardStatus::NoSmartcard);
    const QByteArray bytes = file.read(command.length);
    if (bytes.size() != command.length)
        return fail(CardStatus::NoSmartcard);
    const qsizetype end = bytes.indexOf('\0');
    return {CardStatus::Ok,
            Cp1252::decode(QByteArrayView(bytes).first(end < 0 ? bytes.size() : end)), bytes};
}

CardReply EmulatedCardReader::write(const CardCommand& command, QByteArrayView input) {
    if (input.size() != command.length)
        return fail(CardStatus::InvalidParameter);
    qint64 capacity = 0;
    if (CardReply prepared = prepare(&capacity); !prepared.ok())
        return prepared;
    if (command.address + command.length > capacity)
        return fail(CardStatus::AddressOutOfRange);
    // Written in place: the file is the card's memory, not a document.
    QFile file(m_path);
    if (!file.open(QIODevice::ReadWrite) || !file.seek(command.address) ||
        !AtomicFile::writeAll(file, input) || !file.flush())
        return fail(CardStatus::MemoryFailure);
    return answer(QString());
}

} // namespace zyn
