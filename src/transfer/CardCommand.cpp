#include "CardCommand.h"

#include "CardStatus.h"

#include <optional>
#include <utility>

namespace zyn {

namespace {

// Commands without arguments and the prefixes of those with them.
constexpr std::pair<const char16_t*, CardCommand::Verb> Plain[] = {
    {u"System,Info", CardCommand::Verb::SystemInfo},
    {u"System,Info,VersionText", CardCommand::Verb::VersionText},
    {u"Device,List", CardCommand::Verb::DeviceList},
    {u"Device,Info", CardCommand::Verb::DeviceInfo},
    {u"Card,Info", CardCommand::Verb::CardInfo},
    {u"Card,Info,Status", CardCommand::Verb::CardStatus},
    {u"Card,Info,Type", CardCommand::Verb::CardType},
    {u"Card,APDU", CardCommand::Verb::Apdu},
};
constexpr std::pair<const char16_t*, CardCommand::Verb> Prefixed[] = {
    {u"System,ConvertErrCode,", CardCommand::Verb::ConvertErrCode},
    {u"Device,SearchComPort,", CardCommand::Verb::SearchComPort},
    {u"Device,Select,", CardCommand::Verb::DeviceSelect},
    {u"Card,MemRead,", CardCommand::Verb::MemRead},
    {u"Card,MemWrite,", CardCommand::Verb::MemWrite},
    {u"Card,MemVerifyPin,", CardCommand::Verb::MemVerifyPin},
};

// A decimal number of plain digits within [0, limit].
std::optional<int> decimal(QStringView text, int limit) {
    if (text.isEmpty() || text.size() > 6)
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value <= limit ? std::optional<int>(value) : std::nullopt;
}

std::optional<quint32> hexCode(QStringView text) {
    if (text.isEmpty() || text.size() > 8)
        return std::nullopt;
    bool ok = false;
    const quint32 value = text.toUInt(&ok, 16);
    return ok ? std::optional<quint32>(value) : std::nullopt;
}

// "<address>,<length>" of a memory range inside the address space.
bool readRange(QStringView text, int maxLength, CardCommand& command) {
    const qsizetype comma = text.indexOf(u',');
    if (comma < 0)
        return false;
    const auto address = decimal(text.first(comma), CardCommand::AddressSpace - 1);
    const auto length = decimal(text.sliced(comma + 1), maxLength);
    if (!address || !length || *length == 0 || *address + *length > CardCommand::AddressSpace)
        return false;
    command.address = *address;
    command.length = *length;
    return true;
}

// Hexadecimal digit pairs, blanks between them allowed.
std::optional<QByteArray> pinBytes(QStringView text) {
    QString digits = text.toString();
    digits.remove(u' ');
    if (digits.isEmpty() || digits.size() % 2 != 0 || digits.size() > 32)
        return std::nullopt;
    QByteArray bytes;
    for (qsizetype i = 0; i < digits.size(); i += 2) {
        bool ok = false;
        const uint value = QStringView(digits).sliced(i, 2).toUInt(&ok, 16);
        if (!ok)
            return std::nullopt;
        bytes.append(char(value));
    }
    return bytes;
}

bool readArguments(QStringView rest, CardCommand& command) {
    switch (command.verb) {
    case CardCommand::Verb::ConvertErrCode: {
        const auto code = hexCode(rest);
        command.code = code.value_or(0);
        return code.has_value();
    }
    case CardCommand::Verb::SearchComPort:
        command.argument = rest.toString();
        return true;
    case CardCommand::Verb::DeviceSelect: {
        const auto number = decimal(rest, 999);
        command.number = number.value_or(0);
        return number.has_value();
    }
    case CardCommand::Verb::MemRead:
        return readRange(rest, CardCommand::MaxReadLength, command);
    case CardCommand::Verb::MemWrite:
        return readRange(rest, CardCommand::MaxWriteLength, command);
    case CardCommand::Verb::MemVerifyPin: {
        const auto pin = pinBytes(rest);
        command.pin = pin.value_or(QByteArray());
        return pin.has_value();
    }
    default:
        return true;
    }
}

} // namespace

CardCommand CardCommand::parse(QStringView text) {
    CardCommand command;
    for (const auto& [name, verb] : Plain) {
        if (text == QStringView(name)) {
            command.verb = verb;
            return command;
        }
    }
    for (const auto& [prefix, verb] : Prefixed) {
        const QStringView start(prefix);
        if (text.startsWith(start)) {
            command.verb = verb;
            if (!readArguments(text.sliced(start.size()), command))
                command.status = CardStatus::InvalidParameter;
            return command;
        }
    }
    command.status = CardStatus::UnsupportedFeature;
    return command;
}

QString CardCommand::memWrite(int address, int length) {
    return QStringLiteral("Card,MemWrite,%1,%2").arg(address).arg(length);
}

QString CardCommand::memRead(int address, int length) {
    return QStringLiteral("Card,MemRead,%1,%2").arg(address).arg(length);
}

QString CardCommand::convertErrCode(quint32 status) {
    return QStringLiteral("System,ConvertErrCode,") + CardStatus::hex(status);
}

QString CardCommand::deviceSelect(int number) {
    return QStringLiteral("Device,Select,") + QString::number(number);
}

} // namespace zyn
