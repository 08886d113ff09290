#include "ImportErrorText.h"

#include "ImportTextId.h"
#include "settings/LanguageTexts.h"
#include "settings/TextId.h"

#include <QDir>

namespace zyn::ImportErrorText {

namespace {

int textOf(ImportError::Kind kind) {
    using Kind = ImportError::Kind;
    switch (kind) {
    case Kind::None:
        return 0;
    case Kind::SpreadsheetMissing:
        return ImportTextId::SpreadsheetMissing;
    case Kind::ProjectFile:
        return ImportTextId::ProjectFileRefused;
    case Kind::CannotOpen:
        return TextId::ErrorCannotOpen;
    case Kind::EmptyFile:
        return ImportTextId::ErrorEmptyFile;
    case Kind::NotText:
        return ImportTextId::ErrorNotText;
    case Kind::NotAWorkbook:
        return ImportTextId::ErrorNotAWorkbook;
    case Kind::DamagedWorkbook:
        return ImportTextId::ErrorDamagedWorkbook;
    case Kind::TooFewFields:
        return ImportTextId::ErrorTooFewFields;
    case Kind::BadTime:
        return ImportTextId::ErrorBadTime;
    }
    return 0;
}

// The sentence with what the line held, where the kind has such a detail.
QString what(const ImportError& error, const LanguageTexts& texts) {
    switch (error.kind) {
    case ImportError::Kind::TooFewFields:
        return texts.text(ImportTextId::ErrorTooFewFields) + u' ' + error.detail;
    case ImportError::Kind::BadTime:
        if (error.detail.isEmpty())
            return texts.text(ImportTextId::ErrorTimeMissing);
        return texts.text(ImportTextId::ErrorBadTime) + QStringLiteral(" \"") + error.detail + u'"';
    default:
        return texts.text(textOf(error.kind));
    }
}

bool hasOwnDetail(ImportError::Kind kind) {
    return kind == ImportError::Kind::TooFewFields || kind == ImportError::Kind::BadTime;
}

} // namespace

QString description(const ImportError& error, const LanguageTexts& texts) {
    if (error.ok())
        return {};
    QString text =
        what(error, texts) + QStringLiteral("\r\n") + QDir::toNativeSeparators(error.path);
    if (error.line > 0)
        text += QStringLiteral(", ") + place(error.unit, error.line, texts);
    if (!error.detail.isEmpty() && !hasOwnDetail(error.kind))
        text += QStringLiteral("\r\n") + error.detail;
    return text;
}

QString noteText(ImportNote note, const ImportRow& row, const LanguageTexts& texts) {
    switch (note) {
    case ImportNote::DescriptionReplaced:
        return texts.text(ImportTextId::NoteDescriptionReplaced);
    case ImportNote::ChannelOutOfRange:
        return texts.text(ImportTextId::HeaderModule) + u' ' + row.module + QStringLiteral(", ") +
               texts.text(ImportTextId::HeaderChannel) + u' ' + row.channel + QStringLiteral(": ") +
               texts.text(ImportTextId::NoteChannelOutOfRange);
    case ImportNote::LevelRefused:
        return texts.text(ImportTextId::HeaderSecurity) + u' ' + row.security +
               QStringLiteral(": ") + texts.text(ImportTextId::NoteLevelKept);
    }
    return {};
}

QString place(LineUnit unit, int line, const LanguageTexts& texts) {
    const int word = unit == LineUnit::SheetRow ? int(ImportTextId::WordRow) : TextId::WordLine;
    return texts.text(word) + u' ' + QString::number(line);
}

} // namespace zyn::ImportErrorText
