#include "ProjectWriter.h"

#include "AtomicFile.h"
#include "FieldWriter.h"
#include "ProjectFormat.h"
#include "ScrambledField.h"
#include "Show.h"

namespace zyn {

namespace {

// Roughly a project without descriptions; the buffer grows when needed.
constexpr qsizetype TypicalFileSize = 160 * 1024;

class FieldSink {
public:
    FieldSink(FieldWriter& writer, const QByteArray& key) : m_writer(writer), m_key(key) {}

    void field(const QString& text, CellPlace place) {
        if (m_error.ok() && ScrambledField::firstUnstorable(text) >= 0) {
            m_error = FileError::at(FileError::Kind::Unstorable, QString());
            m_error.place = place;
        }
        m_writer.textField(ScrambledField::encode(text, m_key));
    }
    void count(int value) {
        m_writer.textField(ScrambledField::encode(QString::number(value), m_key));
    }

    const FileError& error() const { return m_error; }

private:
    FieldWriter& m_writer;
    const QByteArray& m_key;
    FileError m_error;
};

} // namespace

ProjectWriter::ProjectWriter(StopLabels labels, QByteArray key)
    : m_labels(std::move(labels)), m_key(std::move(key)) {}

FileError ProjectWriter::serialize(const Show& show, QByteArray* bytes) const {
    using Field = CellPlace::Field;
    FieldWriter writer(TypicalFileSize);
    FieldSink sink(writer, m_key);

    writer.plainLine(ProjectFormat::HeaderNewest);
    writer.valuesLine({FieldWriter::boolean(show.state.ShowChanged),
                       FieldWriter::boolean(show.state.SortPending),
                       FieldWriter::integer(show.state.ShowMode)});
    writer.plainLine(ProjectFormat::CuesSection);
    sink.count(MaxCues);
    for (int r = 1; r <= MaxCues; ++r) {
        const CueRow& cue = show.cues.row(r);
        sink.field(timeTextToFile(cue.TimeText, m_labels), {Field::CueTime, r, 0});
        sink.field(cue.Description, {Field::CueDescription, r, 0});
    }
    writer.plainLine("");
    writer.plainLine(ProjectFormat::IcSection);
    sink.count(MaxSlaves);
    sink.count(ChannelsPerSlave);
    for (int s = 1; s <= MaxSlaves; ++s) {
        for (int c = 1; c <= ChannelsPerSlave; ++c)
            sink.field(show.ics.cell(s, c), {Field::IcCell, s, c});
    }
    writer.plainLine("");
    writer.plainLine(ProjectFormat::StepperSection);
    sink.count(StepperCount);
    for (int i = 1; i <= StepperCount; ++i)
        sink.field(show.steppers.cell(i), {Field::StepperCell, i, 0});

    if (!sink.error().ok())
        return sink.error();
    *bytes = writer.bytes();
    return FileError::none();
}

FileError ProjectWriter::save(Show& show, const QString& path) const {
    QByteArray bytes;
    FileError error = serialize(show, &bytes);
    if (!error.ok()) {
        error.path = path;
        return error;
    }
    error = AtomicFile::save(path, bytes);
    if (error.ok())
        show.state.ShowChanged = false;
    return error;
}

} // namespace zyn
