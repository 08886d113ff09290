#include "CardReaderChoice.h"

#include "PcscCardReader.h"
#include "platform/EmulatedCardReader.h"

#include <QFileInfo>

namespace zyn {

std::optional<CardReaderChoice>
CardReaderChoice::parse(const QString& text, const QString& programDirectory, QString* error) {
    const qsizetype colon = text.indexOf(u':');
    const QString kind = colon < 0 ? text : text.left(colon);
    const QString argument = colon < 0 ? QString() : text.mid(colon + 1);
    if (kind == u"pcsc") {
        if (colon < 0)
            return pcsc();
        bool ok = false;
        const int index = argument.toInt(&ok);
        if (ok && index >= 0 && !argument.startsWith(u'+'))
            return pcsc(index);
        *error = QStringLiteral("\"%1\" is no reader number (pcsc:0, pcsc:1, ...)").arg(argument);
        return std::nullopt;
    }
    if (kind == u"emulated") {
        if (colon >= 0 && argument.isEmpty()) {
            *error = QStringLiteral("emulated: needs a file name");
            return std::nullopt;
        }
        return emulated(colon < 0 ? EmulatedCardReader::defaultPath(programDirectory) : argument);
    }
    *error = QStringLiteral("unknown reader \"%1\" (pcsc[:N] or emulated[:FILE])").arg(text);
    return std::nullopt;
}

CardReaderChoice CardReaderChoice::pcsc(int readerIndex) {
    CardReaderChoice choice;
    choice.readerIndex = readerIndex;
    return choice;
}

CardReaderChoice CardReaderChoice::emulated(const QString& file) {
    CardReaderChoice choice;
    choice.kind = CardReader::Kind::EmulatedFile;
    choice.file = QFileInfo(file).absoluteFilePath();
    return choice;
}

std::unique_ptr<CardReader> CardReaderChoice::open() const {
    if (kind == CardReader::Kind::EmulatedFile)
        return std::make_unique<EmulatedCardReader>(file);
    return std::make_unique<PcscCardReader>(readerIndex);
}

} // namespace zyn
