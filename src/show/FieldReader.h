#pragma once

#include <QByteArray>
#include <optional>
#include <vector>

namespace zyn {

// Reads the line-oriented field notation of the program's files: plain lines
// and field lines of comma-separated values, where text values stand in double
// quotes without escaping. CR LF, a lone LF and a lone CR all end a line.
//
// Two ways of reading a value, because scrambled texts may hold quotes and
// commas: readLineField() takes a whole line as one value (a quoted value runs
// to the last double quote of the line), readValue() reads value after value
// from field lines, each quoted value ending at its next double quote.
class FieldReader {
public:
    explicit FieldReader(QByteArray content);

    bool atEnd() const { return m_line >= m_lines.size(); }
    // 1-based number of the line the next read starts in.
    int lineNumber() const { return static_cast<int>(m_line) + 1; }

    // The rest of the current line, without its line end.
    std::optional<QByteArray> readLine();
    // The rest of the current line as one value.
    std::optional<QByteArray> readLineField();
    // The next value; an empty line is one empty value.
    std::optional<QByteArray> readValue();

private:
    struct Line {
        qsizetype start;
        qsizetype length;
    };

    QByteArrayView currentRest() const;
    void nextLine();

    QByteArray m_content;
    std::vector<Line> m_lines;
    size_t m_line = 0;
    qsizetype m_column = 0;
};

} // namespace zyn
