#include "FieldWriter.h"

namespace zyn {

void FieldWriter::plainLine(QByteArrayView text) {
    m_bytes.append(text);
    m_bytes.append("\r\n");
}

void FieldWriter::textField(QByteArrayView content) {
    m_bytes.append('"');
    m_bytes.append(content);
    m_bytes.append("\"\r\n");
}

void FieldWriter::valuesLine(std::initializer_list<QByteArray> values) {
    bool first = true;
    for (const QByteArray& value : values) {
        if (!first)
            m_bytes.append(',');
        m_bytes.append(value);
        first = false;
    }
    m_bytes.append("\r\n");
}

QByteArray FieldWriter::quoted(QByteArrayView content) {
    return '"' + content.toByteArray() + '"';
}

QByteArray FieldWriter::boolean(bool value) {
    return value ? QByteArrayLiteral("#TRUE#") : QByteArrayLiteral("#FALSE#");
}

QByteArray FieldWriter::integer(qint64 value) {
    return QByteArray::number(value);
}

} // namespace zyn
