#include "ReportXlt.h"

#include "Report.h"
#include "show/AtomicFile.h"
#include "show/Cp1252.h"

namespace zyn::ReportXlt {

namespace {

const QString LineEnd = QStringLiteral("\r\n");

QString oneLine(QString text) {
    for (QChar& c : text) {
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    }
    return text;
}

bool isSurrogatePair(const QString& text, qsizetype i) {
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
}

// The project path only tells the reader where the show lies: a character the
// code page lacks (a folder named in another script) becomes "?" instead of
// keeping the report from being exported.
QString withQuestionMarks(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (Cp1252::canEncode(text[i])) {
            result += text[i];
            continue;
        }
        result += u'?';
        if (isSurrogatePair(text, i))
            ++i;
    }
    return result;
}

char32_t codePointAt(const QString& text, qsizetype i) {
    if (isSurrogatePair(text, i))
        return QChar::surrogateToUcs4(text[i], text[i + 1]);
    return text[i].unicode();
}

} // namespace

QString exportedCell(const QString& cell) {
    QString text = cell;
    return text.replace(u',', u'.');
}

QString text(const Report& report) {
    QString file;
    file += oneLine(report.ReportTitle) + LineEnd;
    file += oneLine(report.TitleInfo[0]) + LineEnd;
    file += oneLine(withQuestionMarks(report.TitleInfo[1])) + LineEnd;
    file += LineEnd;
    const std::vector<int> columns = report.columnsInOrder();
    for (const int c : columns)
        file += oneLine(report.cell(0, c)) + u'\t';
    file += LineEnd;
    for (int r = 1; r <= report.RowCount; ++r) {
        for (const int c : columns)
            file += u' ' + oneLine(exportedCell(report.cell(r, c))) + u'\t';
        file += LineEnd;
    }
    return file;
}

FileError save(const Report& report, const QString& path) {
    const QString content = text(report);
    const qsizetype bad = Cp1252::firstUnencodable(content);
    if (bad >= 0) {
        const int line = int(QStringView(content).left(bad).count(LineEnd)) + 1;
        FileError error = FileError::at(FileError::Kind::Unstorable, path, line);
        error.detail = QStringLiteral("the character U+%1 has no byte in the code page "
                                      "Windows-1252; a workbook export can hold it")
                           .arg(QString::number(codePointAt(content, bad), 16)
                                    .toUpper()
                                    .rightJustified(4, u'0'));
        return error;
    }
    return AtomicFile::save(path, Cp1252::encode(content));
}

} // namespace zyn::ReportXlt
