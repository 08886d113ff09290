#include "FieldReader.h"

namespace zyn {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

QByteArrayView trimmedBlanks(QByteArrayView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

} // namespace

FieldReader::FieldReader(QByteArray content) : m_content(std::move(content)) {
    const qsizetype size = m_content.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char c = m_content[i];
        if (c != '\r' && c != '\n')
            continue;
        m_lines.push_back({start, i - start});
        if (c == '\r' && i + 1 < size && m_content[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        m_lines.push_back({start, size - start});
}

QByteArrayView FieldReader::currentRest() const {
    const Line& line = m_lines[m_line];
    return QByteArrayView(m_content).sliced(line.start + m_column, line.length - m_column);
}

void FieldReader::nextLine() {
    ++m_line;
    m_column = 0;
}

std::optional<QByteArray> FieldReader::readLine() {
    if (atEnd())
        return std::nullopt;
    QByteArray text = currentRest().toByteArray();
    nextLine();
    return text;
}

std::optional<QByteArray> FieldReader::readLineField() {
    if (atEnd())
        return std::nullopt;
    const QByteArrayView rest = trimmedBlanks(currentRest());
    nextLine();
    if (!rest.startsWith('"'))
        return rest.toByteArray();
    const qsizetype closing = rest.lastIndexOf('"');
    if (closing == 0)
        return rest.sliced(1).toByteArray();
    return rest.sliced(1, closing - 1).toByteArray();
}

std::optional<QByteArray> FieldReader::readValue() {
    if (atEnd())
        return std::nullopt;
    const QByteArrayView rest = currentRest();
    qsizetype i = 0;
    while (i < rest.size() && isBlank(rest[i]))
        ++i;
    QByteArray value;
    if (i < rest.size() && rest[i] == '"') {
        const qsizetype closing = rest.indexOf('"', i + 1);
        const qsizetype end = closing < 0 ? rest.size() : closing;
        value = rest.sliced(i + 1, end - i - 1).toByteArray();
        i = closing < 0 ? rest.size() : closing + 1;
        while (i < rest.size() && rest[i] != ',')
            ++i;
    } else {
        const qsizetype comma = rest.indexOf(',', i);
        const qsizetype end = comma < 0 ? rest.size() : comma;
        value = trimmedBlanks(rest.sliced(i, end - i)).toByteArray();
        i = end;
    }
    // Past the separating comma; a line that has no more values is done.
    if (i < rest.size())
        ++i;
    if (trimmedBlanks(rest.sliced(i)).isEmpty())
        nextLine();
    else
        m_column += i;
    return value;
}

} // namespace zyn
