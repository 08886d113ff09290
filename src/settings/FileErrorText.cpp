#include "FileErrorText.h"

#include "TextId.h"

#include <QDir>

namespace zyn::FileErrorText {

namespace {

int textOf(FileError::Kind kind) {
    using Kind = FileError::Kind;
    switch (kind) {
    case Kind::None:
        return 0;
    case Kind::CannotOpen:
        return TextId::ErrorCannotOpen;
    case Kind::CannotWrite:
        return TextId::ErrorCannotWrite;
    case Kind::Truncated:
        return TextId::ErrorTruncated;
    case Kind::CountTooLarge:
        return TextId::ErrorCountTooLarge;
    case Kind::OutOfRange:
        return TextId::ErrorOutOfRange;
    case Kind::WrongType:
        return TextId::ErrorWrongType;
    case Kind::Unstorable:
        return TextId::ErrorUnstorable;
    case Kind::NotAProject:
        return TextId::ErrorNotAProject;
    }
    return 0;
}

} // namespace

QString placeName(const CellPlace& place, const LanguageTexts& texts) {
    using Field = CellPlace::Field;
    const QString row = QString::number(place.row);
    switch (place.field) {
    case Field::None:
        return {};
    case Field::CueTime:
        return texts.text(TextId::HeadingCue) + u' ' + row + QStringLiteral(", ") +
               texts.text(TextId::HeadingTime);
    case Field::CueDescription:
        return texts.text(TextId::HeadingCue) + u' ' + row + QStringLiteral(", ") +
               texts.text(TextId::HeadingDescription);
    case Field::IcCell:
        return texts.text(TextId::HeadingSlave) + u' ' + row + QStringLiteral(", ") +
               texts.text(TextId::HeadingChannel) + u' ' + QString::number(place.channel);
    case Field::StepperCell:
        return row; // no stepper outputs exist
    }
    return {};
}

QString description(const FileError& error, const LanguageTexts& texts) {
    QString text = texts.text(textOf(error.kind));
    const QString place = placeName(error.place, texts);
    if (!place.isEmpty())
        text += QStringLiteral("\r\n") + place;
    if (!error.path.isEmpty()) {
        text += QStringLiteral("\r\n") + QDir::toNativeSeparators(error.path);
        if (error.line > 0)
            text += QStringLiteral(", ") + texts.text(TextId::WordLine) + u' ' +
                    QString::number(error.line);
    }
    if (!error.detail.isEmpty())
        text += QStringLiteral("\r\n(") + error.detail + u')';
    return text;
}

QString message(const FileError& error, const LanguageTexts& texts) {
    return QStringLiteral("Fehlernummer: ") + QString::number(error.number) +
           QStringLiteral("\r\n\r\n") + description(error, texts);
}

} // namespace zyn::FileErrorText
