#pragma once

#include <QByteArray>
#include <initializer_list>

namespace zyn {

// Builds a file in the program's field notation, CR LF after every line.
class FieldWriter {
public:
    explicit FieldWriter(qsizetype expectedSize = 0) { m_bytes.reserve(expectedSize); }

    // A line as it stands: a section header or an empty separator.
    void plainLine(QByteArrayView text);
    // A field line holding one text value: the content in double quotes.
    void textField(QByteArrayView content);
    // A field line of values already in field notation, joined by commas.
    void valuesLine(std::initializer_list<QByteArray> values);

    static QByteArray quoted(QByteArrayView content);
    static QByteArray boolean(bool value);
    static QByteArray integer(qint64 value);

    const QByteArray& bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

} // namespace zyn
