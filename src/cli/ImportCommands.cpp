#include "ImportCommands.h"

#include "CliContext.h"
#include "CommandLine.h"
#include "import/CueListImport.h"
#include "import/ImportErrorText.h"
#include "import/ImportTextId.h"
#include "platform/spreadsheet/LocalSpreadsheetEngine.h"
#include "show/Show.h"

#include <QFileInfo>
#include <QIODevice>
#include <memory>

namespace zyn::ImportCommands {

namespace {

const QString OutputOption = QStringLiteral("-o");
const QString MergeFlag = QStringLiteral("--merge");
const QString FixedFlag = QStringLiteral("--fixed");

// The column options in the order of the preview columns.
const QStringList ColumnOptions = {QStringLiteral("--time"), QStringLiteral("--desc"),
                                   QStringLiteral("--module"), QStringLiteral("--channel"),
                                   QStringLiteral("--security")};

FileKind kindOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == u"xlsx" || suffix == u"ods" || suffix == u"xls" ? FileKind::Workbook
                                                                     : FileKind::TextFile;
}

// A column named by its header text or, failing that, by its letter; 0 when
// the header row has no such column.
int columnNamed(const QString& name, const QStringList& headers) {
    const qsizetype header = headers.indexOf(name);
    if (header >= 0)
        return int(header) + 1;
    if (name.size() == 1 && name[0].toUpper() >= u'A' && name[0].toUpper() <= u'Z') {
        const int letter = name[0].toUpper().unicode() - u'A' + 1;
        return letter <= headers.size() ? letter : 0;
    }
    return 0;
}

// The chosen columns, or the first option whose column the header row lacks.
std::optional<ColumnChoice> chosenColumns(const CommandLine& line, const QStringList& headers,
                                          QString* unknown) {
    int chosen[5] = {};
    for (qsizetype i = 0; i < ColumnOptions.size(); ++i) {
        const QString& option = ColumnOptions[i];
        if (!line.values.contains(option))
            continue;
        chosen[i] = columnNamed(line.values[option], headers);
        if (chosen[i] == 0) {
            *unknown = QStringLiteral("%1 %2: the header row has no such column (it has %3)")
                           .arg(option, line.values[option], headers.join(QStringLiteral(", ")));
            return std::nullopt;
        }
    }
    return ColumnChoice{chosen[0], chosen[1], chosen[2], chosen[3], chosen[4]};
}

QString usageProblem(const CommandLine& line, FileKind kind) {
    if (!line.error.isEmpty())
        return line.error;
    if (line.positional.size() != 1 || !line.values.contains(OutputOption))
        return QStringLiteral("import takes CUELIST -o PROJECT");
    bool anyColumn = false;
    for (const QString& option : ColumnOptions)
        anyColumn = anyColumn || line.values.contains(option);
    if (kind == FileKind::TextFile && (anyColumn || line.flags.contains(FixedFlag)))
        return QStringLiteral("--fixed and the column options apply to workbooks only");
    if (anyColumn && line.flags.contains(FixedFlag))
        return QStringLiteral("--fixed takes no column options");
    return {};
}

void warn(CliContext& context, const QString& text) {
    context.err().write((QStringLiteral("zynctl: warning: ") + text + u'\n').toUtf8());
}

// What the dialog's preview would point out, one line per note, each row by
// its line or sheet row in the file; the import itself goes on.
void warnAboutNotes(CliContext& context, const ImportPreview& preview, const LanguageTexts& texts) {
    for (const ImportRow& row : preview.rows()) {
        for (const ImportNote note : row.notes())
            warn(context, QStringLiteral("%1 (%2): %3")
                              .arg(ImportErrorText::place(row.unit, row.line, texts), row.time,
                                   ImportErrorText::noteText(note, row, texts)));
    }
}

} // namespace

int run(CliContext& context, const QStringList& words) {
    QStringList valueOptions = ColumnOptions;
    valueOptions.append(OutputOption);
    const CommandLine line = CommandLine::parse(words, valueOptions, {MergeFlag, FixedFlag});
    const QString path = line.positional.value(0);
    const FileKind kind = kindOf(path);
    if (const QString problem = usageProblem(line, kind); !problem.isEmpty())
        return context.usage(problem);

    const LanguageTexts texts = context.languageTexts();
    const LocalSpreadsheetEngine engine;
    if (kind == FileKind::Workbook && !engine.available())
        return context.fail(texts.text(ImportTextId::SpreadsheetMissing));
    CueListImport import(engine);
    if (const ImportError error = import.open(path, kind))
        return context.fail(ImportErrorText::description(error, texts));
    QString unknown;
    const std::optional<ColumnChoice> columns = chosenColumns(line, import.headers(), &unknown);
    if (!columns)
        return context.fail(path + QStringLiteral(": ") + unknown);
    if (const ImportError error = import.importRows(line.flags.contains(FixedFlag), *columns))
        return context.fail(ImportErrorText::description(error, texts));
    if (import.timesInWholeSeconds())
        warn(context, texts.text(ImportTextId::NoteXlsWholeSeconds));

    auto show = std::make_unique<Show>();
    const CueWriteResult written = import.write(line.flags.contains(MergeFlag), *show);
    if (written.cueLimitReached)
        return context.fail(texts.text(ImportTextId::CueLimitReached));
    warnAboutNotes(context, import.preview(), texts);
    int status = CliContext::Success;
    context.saveProject(line.values[OutputOption], fileFormLabels(), *show, Soundtrack(), &status);
    return status;
}

} // namespace zyn::ImportCommands
