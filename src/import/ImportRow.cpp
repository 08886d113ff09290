#include "ImportRow.h"

#include "ChannelTarget.h"
#include "show/Cp1252.h"

namespace zyn {

namespace {

// The text with every character a project file cannot hold replaced: a
// control character by a blank, anything else by one "?" (also a character
// written as two UTF-16 units).
QString storable(const QString& text, bool* replaced) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() < 0x20) {
            result += u' ';
        } else if (!Cp1252::canEncode(c)) {
            result += u'?';
            if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i;
        } else {
            result += c;
            continue;
        }
        *replaced = true;
    }
    return result;
}

} // namespace

ImportRow ImportRow::fromCells(QString time, QString description, QString module, QString channel,
                               QString security) {
    ImportRow row{std::move(time), QString(), std::move(module), std::move(channel),
                  std::move(security)};
    row.description = storable(description, &row.descriptionReplaced);
    return row;
}

QList<ImportNote> ImportRow::notes() const {
    QList<ImportNote> notes;
    if (descriptionReplaced)
        notes.append(ImportNote::DescriptionReplaced);
    switch (ChannelTarget::of(*this).outcome) {
    case ChannelTarget::Outcome::OutOfRange:
        notes.append(ImportNote::ChannelOutOfRange);
        break;
    case ChannelTarget::Outcome::LevelRefused:
        notes.append(ImportNote::LevelRefused);
        break;
    case ChannelTarget::Outcome::None:
    case ChannelTarget::Outcome::Assign:
        break;
    }
    return notes;
}

} // namespace zyn
