#include "TextCueList.h"

#include "ImportTime.h"
#include "SplitLine.h"
#include "show/Cp1252.h"

#include <QFile>
#include <QStringDecoder>

namespace zyn::TextCueList {

namespace {

const QByteArray Utf8Mark("\xEF\xBB\xBF");

ImportRows failure(ImportError::Kind kind, const QString& path, int line = 0, QString detail = {}) {
    return {{}, ImportError::at(kind, path, line, std::move(detail))};
}

} // namespace

QString decode(QByteArrayView bytes) {
    if (bytes.startsWith(Utf8Mark))
        return QString::fromUtf8(bytes.sliced(Utf8Mark.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    return utf8.hasError() ? Cp1252::decode(bytes) : text;
}

QStringList splitLines(QStringView text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        lines.append(text.mid(start, i - start).toString());
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start).toString());
    return lines;
}

bool isProjectFile(QStringView firstLine) {
    return firstLine.left(4).compare(u"[ZYN", Qt::CaseInsensitive) == 0;
}

ImportRows rowOfLine(QStringView line, const QString& path, int lineNumber) {
    const QStringList fields = SplitLine(line);
    if (fields.size() < FieldsPerLine)
        return failure(ImportError::Kind::TooFewFields, path, lineNumber,
                       QString::number(fields.size()));
    QString time = ImportTime::zero();
    if (fields[1].contains(u'.') || fields[1].contains(u',')) {
        const std::optional<QString> parsed = ImportTime::parse(fields[1]);
        if (!parsed)
            return failure(ImportError::Kind::BadTime, path, lineNumber, fields[1]);
        time = *parsed;
    }
    QString description = fields[6];
    if (!fields[8].isEmpty())
        description += QStringLiteral(" (") + fields[8] + u')';
    ImportRow row = ImportRow::fromCells(time, description, fields[10], fields[11], QString());
    row.line = lineNumber;
    return {{row}, {}};
}

ImportRows read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(ImportError::Kind::CannotOpen, path, 0, file.errorString());
    const QByteArray bytes = file.readAll();
    if (bytes.contains('\0'))
        return failure(ImportError::Kind::NotText, path);
    const QStringList lines = splitLines(decode(bytes));
    if (!lines.isEmpty() && isProjectFile(lines.first()))
        return failure(ImportError::Kind::ProjectFile, path, 1);
    ImportRows result;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        ImportRows line = rowOfLine(lines[i], path, int(i + 1));
        if (line.error) {
            result.error = line.error;
            return result;
        }
        result.rows.append(line.rows);
    }
    if (result.rows.isEmpty())
        result.error = ImportError::at(ImportError::Kind::EmptyFile, path);
    return result;
}

} // namespace zyn::TextCueList
