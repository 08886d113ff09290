#include "ProjectReader.h"

#include "FieldReader.h"
#include "NumericText.h"
#include "ProjectFormat.h"
#include "ScrambledField.h"
#include "Show.h"

#include <QFile>
#include <QFileInfo>

namespace zyn {

namespace {

using Kind = FileError::Kind;

std::optional<bool> booleanOf(const QString& text) {
    const QString word = text.trimmed();
    if (word.compare(u"#TRUE#", Qt::CaseInsensitive) == 0 ||
        word.compare(u"true", Qt::CaseInsensitive) == 0 ||
        word.compare(ProjectFormat::OldTrue, Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(u"#FALSE#", Qt::CaseInsensitive) == 0 ||
        word.compare(u"false", Qt::CaseInsensitive) == 0 ||
        word.compare(ProjectFormat::OldFalse, Qt::CaseInsensitive) == 0)
        return false;
    bool isNumber = false;
    const double value = word.toDouble(&isNumber);
    if (isNumber)
        return value != 0.0;
    return std::nullopt;
}

// One pass over the file's lines, writing into the show as it goes.
class ProjectParser {
public:
    ProjectParser(const QByteArray& content, const QString& path, Show& show,
                  const StopLabels& labels, const QByteArray& key)
        : m_reader(content), m_path(path), m_show(show), m_labels(labels), m_key(key) {}

    FileError run() {
        bool sawHeader = false;
        while (m_error.ok() && !m_reader.atEnd()) {
            const QByteArray line = *m_reader.readLine();
            if (line == ProjectFormat::HeaderOldest) {
                sawHeader = true;
                readOldestState();
            } else if (line == ProjectFormat::HeaderSecond || line == ProjectFormat::HeaderNewest) {
                sawHeader = true;
                readState();
            } else if (line == ProjectFormat::CuesSection) {
                readCues();
            } else if (line == ProjectFormat::IcSection) {
                readIcs();
            } else if (line == ProjectFormat::StepperSection) {
                readSteppers();
            }
        }
        if (m_error.ok() && !sawHeader)
            fail(Kind::NotAProject, 0);
        return m_error;
    }

private:
    void fail(Kind kind, int line) {
        if (m_error.ok())
            m_error = FileError::at(kind, m_path, line);
    }

    // The next whole-line scrambled field, unscrambled.
    std::optional<QString> scrambledField() {
        const int line = m_reader.lineNumber();
        const std::optional<QByteArray> raw = m_reader.readLineField();
        if (!raw) {
            fail(Kind::Truncated, line);
            return std::nullopt;
        }
        return ScrambledField::decode(*raw, m_key);
    }

    // A count in front of a table: at most `limit`, below 1 reads nothing.
    std::optional<int> count(int limit) {
        const int line = m_reader.lineNumber();
        const std::optional<QString> text = scrambledField();
        if (!text)
            return std::nullopt;
        const std::optional<qint16> n = NumericText::toInt16(NumericText::leadingValue(*text));
        if (!n) {
            fail(Kind::OutOfRange, line);
            return std::nullopt;
        }
        if (*n > limit) {
            fail(Kind::CountTooLarge, line);
            return std::nullopt;
        }
        return std::max<int>(*n, 0);
    }

    std::optional<bool> booleanValue(bool scrambled) {
        const int line = m_reader.lineNumber();
        const std::optional<QByteArray> raw = m_reader.readValue();
        if (!raw) {
            fail(Kind::Truncated, line);
            return std::nullopt;
        }
        const std::optional<bool> value =
            booleanOf(scrambled ? ScrambledField::decode(*raw, m_key) : QString::fromLatin1(*raw));
        if (!value)
            fail(Kind::WrongType, line);
        return value;
    }

    void readShowMode() {
        const int line = m_reader.lineNumber();
        const std::optional<QByteArray> raw = m_reader.readValue();
        if (!raw) {
            fail(Kind::Truncated, line);
            return;
        }
        bool isNumber = false;
        const double value = QString::fromLatin1(*raw).trimmed().toDouble(&isNumber);
        if (!isNumber) {
            fail(Kind::WrongType, line);
            return;
        }
        const std::optional<qint16> mode = NumericText::toInt16(value);
        if (!mode) {
            fail(Kind::OutOfRange, line);
            return;
        }
        m_show.state.ShowMode = *mode;
    }

    void readStateFlags(bool scrambled) {
        if (const std::optional<bool> changed = booleanValue(scrambled))
            m_show.state.ShowChanged = *changed;
        else
            return;
        if (const std::optional<bool> pending = booleanValue(scrambled))
            m_show.state.SortPending = *pending;
        else
            return;
        readShowMode();
    }

    void readOldestState() { readStateFlags(true); }
    void readState() { readStateFlags(false); }

    void readCues() {
        const std::optional<int> n = count(MaxCues);
        for (int r = 1; n && r <= *n; ++r) {
            const std::optional<QString> time = scrambledField();
            if (!time)
                return;
            m_show.cues.row(r).TimeText = timeTextToTable(*time, m_labels);
            const std::optional<QString> description = scrambledField();
            if (!description)
                return;
            m_show.cues.row(r).Description = *description;
        }
    }

    void readIcs() {
        const std::optional<int> n = count(MaxSlaves);
        // The stored channel count is not used: a module always has 16.
        if (!n || !scrambledField())
            return;
        for (int s = 1; s <= *n; ++s) {
            for (int c = 1; c <= ChannelsPerSlave; ++c) {
                const std::optional<QString> cell = scrambledField();
                if (!cell)
                    return;
                m_show.ics.cell(s, c) = *cell;
            }
        }
    }

    void readSteppers() {
        // The stored count is not used: the table always has StepperCount cells.
        if (!scrambledField())
            return;
        for (int i = 1; i <= StepperCount; ++i) {
            const std::optional<QString> cell = scrambledField();
            if (!cell)
                return;
            m_show.steppers.cell(i) = *cell;
        }
    }

    FieldReader m_reader;
    const QString& m_path;
    Show& m_show;
    const StopLabels& m_labels;
    const QByteArray& m_key;
    FileError m_error;
};

// What every load ends with when nothing failed.
void finishLoad(Show& show) {
    if (show.state.ShowMode == ManualShow) {
        // A manual show's times are not kept: it comes back as a time-coded
        // show whose cues await their times and a sort.
        for (int r = 1; r <= MaxCues; ++r)
            show.cues.row(r).TimeText.clear();
        show.state.SortPending = true;
    }
    show.state.ShowMode = TimeCodedShow;
    show.state.ShowChanged = false;
}

} // namespace

ProjectReader::ProjectReader(StopLabels labels, QByteArray key)
    : m_labels(std::move(labels)), m_key(std::move(key)) {}

ProjectReader::Outcome ProjectReader::load(const QString& path, Show& show) const {
    Outcome outcome;
    const QFileInfo info(path);
    if (!info.exists()) {
        show.state.ProjectPath.clear();
        outcome.fileMissing = true;
        finishLoad(show);
        return outcome;
    }
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        outcome.error = FileError::at(Kind::CannotOpen, path);
        outcome.error.detail = info.isDir() ? QString() : file.errorString();
        return outcome;
    }
    if (file.size() > MaxFileSize) {
        outcome.error = FileError::at(Kind::NotAProject, path);
        return outcome;
    }
    const QByteArray content = file.readAll();
    outcome.error = read(content, path, show);
    return outcome;
}

FileError ProjectReader::read(const QByteArray& content, const QString& path, Show& show) const {
    const FileError error = ProjectParser(content, path, show, m_labels, m_key).run();
    if (error.ok())
        finishLoad(show);
    else
        show.state.ShowChanged = true;
    return error;
}

FileError ProjectReader::readAsStored(const QByteArray& content, const QString& path,
                                      Show& show) const {
    const FileError error = ProjectParser(content, path, show, m_labels, m_key).run();
    if (!error.ok())
        show.state.ShowChanged = true;
    return error;
}

} // namespace zyn
