// The semicolon-separated cue-list reader on arbitrary bytes, down to the
// show it imports: its line splitting, field splitting and time parsing, and
// the editor's reading of a typed time on every line. Whatever a cue list
// holds, the rows have well-formed times and storable descriptions, and the
// imported show holds only what a project file can store.

#include "FuzzSupport.h"
#include "editor/TimeCode.h"
#include "editor/TimeEntry.h"
#include "import/CueWriter.h"
#include "import/ImportTime.h"
#include "import/SplitLine.h"
#include "import/TextCueList.h"
#include "show/Assignment.h"
#include "show/ScrambledField.h"
#include "show/Show.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace zyn;

namespace {

bool isPreviewTime(const QString& time) {
    static const QRegularExpression form(
        QStringLiteral(R"(^([01]\d|2[0-3]):[0-5]\d:[0-5]\d:\d\d\d$)"));
    return form.match(time).hasMatch();
}

void checkLine(const QString& line) {
    const QStringList fields = SplitLine(line);
    qsizetype kept = 0;
    for (const QString& field : fields)
        kept += field.size();
    fuzz::check(kept + fields.size() - 1 <= line.size(), "fields are no longer than their line");

    if (const std::optional<QString> time = ImportTime::parse(line))
        fuzz::check(isPreviewTime(*time), "a parsed time has the preview's form");

    const TimeEntryResult typed = sb_Umwandlung_EingabeZeit(line);
    if (!typed.error && !typed.timeText.isEmpty()) {
        const TimeCode code = TimeCode::readPositional(typed.timeText);
        fuzz::check(TimeCode::hasForm(typed.timeText) && code.text() == typed.timeText &&
                        code.hours <= 23 && code.minutes <= 59 && code.seconds <= 59,
                    "a typed time gives a time code of a time of day");
    }
}

bool storable(const QString& text) {
    return ScrambledField::firstUnstorable(text) < 0;
}

// Every text the import wrote must be one a project file can store (the
// writer refuses a show that holds any other).
void checkImport(const QList<ImportRow>& rows, bool merge) {
    static Show show;
    const fuzz::ShowReset reset(show);
    const CueWriteResult written = sb_Write_Cues(rows, merge, show);
    fuzz::check(written.cues <= MaxCues && written.cues <= rows.size(), "cues come from rows");
    for (int r = 1; r <= MaxCues; ++r) {
        const CueRow& cue = show.cues.row(r);
        fuzz::check(r <= written.cues ? TimeCode::hasForm(cue.TimeText) : cue.TimeText.isEmpty(),
                    "each imported cue has a time code, and only those");
        fuzz::check(storable(cue.Description), "an imported description can be saved");
    }
    for (int s = 1; s <= MaxSlaves; ++s) {
        for (int c = 1; c <= ChannelsPerSlave; ++c) {
            const QString& cell = show.ics.cell(s, c);
            if (cell.isEmpty())
                continue;
            const Assignment assignment = Assignment::parse(cell);
            fuzz::check(assignment.kind == Assignment::Kind::Cue && assignment.number >= 1 &&
                            assignment.number <= written.cues && storable(cell),
                        "an imported channel fires an imported cue");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("cues.csv"));
    const QByteArray bytes = fuzz::bytesOf(data, size);
    {
        QFile file(path);
        fuzz::check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                        file.write(bytes) == bytes.size(),
                    "the input can be put into a file");
    }

    for (const QString& line : TextCueList::splitLines(TextCueList::decode(bytes))) {
        fuzz::check(!line.contains(u'\r') && !line.contains(u'\n'), "a line holds no line end");
        checkLine(line);
    }

    const ImportRows read = TextCueList::read(path);
    for (const ImportRow& row : read.rows) {
        fuzz::check(isPreviewTime(row.time), "a row's time has the preview's form");
        fuzz::check(TimeCode::hasForm(ImportTime::toTimeCode(row.time)),
                    "a row's time becomes a time code");
        fuzz::check(storable(row.description), "a row's description can be stored");
    }
    checkImport(read.rows, size % 2 == 1);
    return 0;
}
