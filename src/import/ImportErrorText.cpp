#include "ImportErrorText.h"

#include "ImportTextId.h"
#include "settings/LanguageTexts.h"
#include "settings/TextId.h"

#include <QDir>

namespace zyn::ImportErrorText {

namespace {

// The sentences without a language text of their own yet are English.
QString what(const ImportError& error, const LanguageTexts& texts) {
    using Kind = ImportError::Kind;
    switch (error.kind) {
    case Kind::None:
        return {};
    case Kind::SpreadsheetMissing:
        return texts.text(ImportTextId::SpreadsheetMissing);
    case Kind::ProjectFile:
        return texts.text(ImportTextId::ProjectFileRefused);
    case Kind::CannotOpen:
        return texts.text(TextId::ErrorCannotOpen);
    case Kind::EmptyFile:
        return QStringLiteral("The file holds no cue list: it is empty.");
    case Kind::NotText:
        return QStringLiteral("The file is not a text file: it holds binary data.");
    case Kind::NotAWorkbook:
        return QStringLiteral("The file is not a workbook (.xlsx, .ods or .xls).");
    case Kind::DamagedWorkbook:
        return QStringLiteral("The workbook is damaged and cannot be read.");
    case Kind::TooFewFields:
        return QStringLiteral(
                   "The line has %1 fields separated by \";\"; a cue list line needs 12.")
            .arg(error.detail);
    case Kind::BadTime:
        return error.detail.isEmpty()
                   ? QStringLiteral("The time is missing.")
                   : QStringLiteral("\"%1\" is not a time (h:mm:ss with hours 0 to 23, "
                                    "optionally followed by a fraction of a second).")
                         .arg(error.detail);
    }
    return {};
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
        text += QStringLiteral(", ") + texts.text(TextId::WordLine) + u' ' +
                QString::number(error.line);
    if (!error.detail.isEmpty() && !hasOwnDetail(error.kind))
        text += QStringLiteral("\r\n") + error.detail;
    return text;
}

QString noteText(ImportNote note, const ImportRow& row) {
    switch (note) {
    case ImportNote::DescriptionReplaced:
        return QStringLiteral("Characters a project file cannot hold were replaced in the "
                              "description.");
    case ImportNote::ChannelOutOfRange:
        return QStringLiteral("Slave %1, channel %2 does not exist (slaves 1 to 200, channels 1 "
                              "to 16): no channel is assigned.")
            .arg(row.module, row.channel);
    case ImportNote::LevelRefused:
        return QStringLiteral("Security %1 is larger than the controller can store (255): no "
                              "channel is assigned.")
            .arg(row.security);
    }
    return {};
}

} // namespace zyn::ImportErrorText
