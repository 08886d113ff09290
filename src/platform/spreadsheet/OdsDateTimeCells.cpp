#include "OdsDateTimeCells.h"

#include "CellText.h"

#include <QRegularExpression>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>

namespace zyn {

namespace {

const QString TableNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString OfficeNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");

// Longer durations are no cue time, and their milliseconds would not fit.
constexpr double MaxHours = 1e9;

bool isTableElement(const QXmlStreamReader& xml, QStringView name) {
    return xml.namespaceUri() == TableNs && xml.name() == name;
}

// A repeat count of a row or cell: at least 1, at most what a sheet can hold.
int repeatCount(const QXmlStreamReader& xml, const QString& attribute, int limit) {
    bool ok = false;
    const qint64 count = xml.attributes().value(TableNs, attribute).toLongLong(&ok);
    return ok && count >= 1 ? int(std::min<qint64>(count, limit)) : 1;
}

std::optional<QString> cellValueText(const QXmlStreamReader& xml) {
    const QXmlStreamAttributes attributes = xml.attributes();
    const QStringView type = attributes.value(OfficeNs, QStringLiteral("value-type"));
    if (type == u"time")
        return OdsDateTimeCells::timeValueText(
            attributes.value(OfficeNs, QStringLiteral("time-value")));
    if (type == u"date")
        return OdsDateTimeCells::dateValueText(
            attributes.value(OfficeNs, QStringLiteral("date-value")));
    return std::nullopt;
}

qint64 milliseconds(double hours, double minutes, double seconds) {
    return std::llround(((hours * 60.0 + minutes) * 60.0 + seconds) * 1000.0);
}

} // namespace

std::optional<QString> OdsDateTimeCells::timeValueText(QStringView timeValue) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(-)?P(?:(\d+)D)?(?:T(?:(\d+)H)?(?:(\d+)M)?(?:(\d+(?:\.\d*)?)S)?)?$)"));
    const QRegularExpressionMatch match = pattern.match(timeValue.trimmed().toString());
    if (!match.hasMatch() || !(match.hasCaptured(2) || match.hasCaptured(3) ||
                               match.hasCaptured(4) || match.hasCaptured(5)))
        return std::nullopt;
    const double hours = match.capturedView(2).toDouble() * 24.0 + match.capturedView(3).toDouble();
    if (hours > MaxHours)
        return std::nullopt;
    const qint64 ms =
        milliseconds(hours, match.capturedView(4).toDouble(), match.capturedView(5).toDouble());
    const QString text = CellText::duration(ms);
    return match.capturedView(1).isEmpty() || ms == 0 ? text : u'-' + text;
}

std::optional<QString> OdsDateTimeCells::dateValueText(QStringView dateValue) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(\d{4})-(\d{2})-(\d{2})(?:T(\d{2}):(\d{2}):(\d{2}(?:\.\d*)?))?)"));
    const QRegularExpressionMatch match = pattern.match(dateValue.trimmed().toString());
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(match.capturedView(1).toInt(), match.capturedView(2).toInt(),
                     match.capturedView(3).toInt());
    if (!date.isValid())
        return std::nullopt;
    const bool withTime = match.hasCaptured(4);
    const qint64 ms =
        withTime ? milliseconds(match.capturedView(4).toDouble(), match.capturedView(5).toDouble(),
                                match.capturedView(6).toDouble())
                 : 0;
    return CellText::dateTime(date, ms, withTime);
}

std::optional<OdsDateTimeCells> OdsDateTimeCells::read(QByteArrayView contentXml, QString* error) {
    OdsDateTimeCells cells;
    QXmlStreamReader xml(contentXml.toByteArray());
    bool inTable = false;
    int row = 0;
    int rowRepeat = 1;
    int column = 0;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement && isTableElement(xml, u"table")) {
            inTable = true;
        } else if (!inTable) {
            continue;
        } else if (token == QXmlStreamReader::EndElement && isTableElement(xml, u"table")) {
            break; // only the first sheet
        } else if (token == QXmlStreamReader::StartElement && isTableElement(xml, u"table-row")) {
            rowRepeat = repeatCount(xml, QStringLiteral("number-rows-repeated"), CellName::MaxRows);
            column = 0;
        } else if (token == QXmlStreamReader::EndElement && isTableElement(xml, u"table-row")) {
            row = std::min(row + rowRepeat, CellName::MaxRows);
        } else if (token == QXmlStreamReader::StartElement &&
                   (isTableElement(xml, u"table-cell") ||
                    isTableElement(xml, u"covered-table-cell"))) {
            const int columnRepeat =
                repeatCount(xml, QStringLiteral("number-columns-repeated"), CellName::MaxColumns);
            if (const std::optional<QString> text = cellValueText(xml)) {
                if (qint64(rowRepeat) * columnRepeat + cells.m_cells.size() > MaxCells) {
                    *error = QStringLiteral("too many repeated date or time cells");
                    return std::nullopt;
                }
                // Repeats run off the sheet's edge; only cells on it count.
                const int rowEnd = std::min(row + rowRepeat, CellName::MaxRows);
                const int columnEnd = std::min(column + columnRepeat, CellName::MaxColumns);
                for (int r = row; r < rowEnd; ++r) {
                    for (int c = column; c < columnEnd; ++c)
                        cells.m_cells.insert(key(r, c), *text);
                }
            }
            column = std::min(column + columnRepeat, CellName::MaxColumns);
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError()) {
        *error = xml.errorString();
        return std::nullopt;
    }
    return cells;
}

std::optional<QString> OdsDateTimeCells::text(CellPosition position) const {
    const auto found = m_cells.constFind(key(position.row, position.column));
    if (found == m_cells.constEnd())
        return std::nullopt;
    return *found;
}

void OdsDateTimeCells::forEach(
    const std::function<void(CellPosition, const QString&)>& visit) const {
    for (auto it = m_cells.constBegin(); it != m_cells.constEnd(); ++it)
        visit({int(it.key() >> 32), int(quint32(it.key()))}, it.value());
}

} // namespace zyn
