#include "ReportCommands.h"

#include "CliContext.h"
#include "CommandLine.h"
#include "reports/Report.h"
#include "reports/ReportBuilder.h"
#include "reports/render/FontMeasurer.h"
#include "reports/render/ReportPdf.h"
#include "reports/xlsx/ReportExporter.h"
#include "show/Show.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <memory>

namespace zyn::ReportCommands {

namespace {

const QString OutputOption = QStringLiteral("-o");

enum class Output { None, Export, Pdf };

Output outputOf(const QString& path) {
    if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        return Output::Pdf;
    return exportFileKind(path) == ExportFileKind::None ? Output::None : Output::Export;
}

qint16 kindOf(const QString& word) {
    if (word == u"channels")
        return ChannelListReport;
    if (word == u"times")
        return TimeListReport;
    return NoReport;
}

} // namespace

int report(CliContext& context, const QStringList& words) {
    const CommandLine line = CommandLine::parse(words, {OutputOption}, {});
    if (!line.error.isEmpty())
        return context.usage(line.error);
    if (line.positional.size() != 2 || !line.values.contains(OutputOption))
        return context.usage(QStringLiteral("report takes channels|times PROJECT -o OUT"));
    const qint16 kind = kindOf(line.positional[0]);
    if (kind == NoReport)
        return context.usage(
            QStringLiteral("unknown report \"%1\": channels or times").arg(line.positional[0]));
    const QString outPath = line.values[OutputOption];
    const Output output = outputOf(outPath);
    if (output == Output::None)
        return context.usage(QStringLiteral("OUT must end in .xlt, .xlsx, .xls or .pdf"));
    // Paging and wrapping measure text in the report font.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return context.fail(QStringLiteral("reports need fonts, and no QGuiApplication runs"));

    const LanguageTexts texts = context.languageTexts();
    auto show = std::make_unique<Show>();
    int status = CliContext::Success;
    if (!context.loadProject(line.positional[1], texts.stopLabels(), *show, &status))
        return status;
    show->state.ProjectPath =
        QDir::toNativeSeparators(QFileInfo(line.positional[1]).absoluteFilePath());

    const FontMeasurer measurer;
    const ReportBuilder builder(*show, texts, measurer, PaperReading{});
    Report built = builder.windowLoad();
    built.Kind = kind;
    builder.sb_Make_DatenPool(built);

    const FileError error = output == Output::Pdf
                                ? ReportPdf::save(built, texts, QDate::currentDate(), outPath)
                                : ReportExporter::sb_Export_Report(built, outPath).error;
    return error ? context.fail(context.describe(error)) : CliContext::Success;
}

} // namespace zyn::ReportCommands
