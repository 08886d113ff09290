#include "CardCommands.h"

#include "CheckCommands.h"
#include "CliContext.h"
#include "CommandLine.h"
#include "platform/pcsc/CardReaderChoice.h"
#include "show/AtomicFile.h"
#include "show/Show.h"
#include "transfer/CardImage.h"
#include "transfer/CardTextId.h"
#include "transfer/CardWriteSequence.h"
#include "transfer/TableRefusalText.h"

#include <QIODevice>
#include <memory>

namespace zyn::CardCommands {

namespace {

const QString OutputOption = QStringLiteral("-o");
const QString ReaderOption = QStringLiteral("--reader");
// Progress lines on the error stream: one per tenth of the write.
constexpr int ProgressReportEvery = CardWriteSequence::ProgressSteps / 10;

void writeLine(QIODevice& device, const QString& line) {
    device.write((line + u'\n').toUtf8());
}

// The image of the project, or nothing after reporting why there is none.
std::optional<QByteArray> imageOf(CliContext& context, const QString& project, int* status) {
    auto show = std::make_unique<Show>();
    if (!context.loadProject(project, fileFormLabels(), *show, status) ||
        !CheckCommands::preflight(context, *show, status))
        return std::nullopt;
    CardImage::Result built = CardImage::build(*show);
    if (!built.ok()) {
        for (const QString& line : TableRefusalText::lines(built.refusals, context.languageTexts(),
                                                           TableRefusalText::TerminalLines))
            *status = context.fail(line);
        return std::nullopt;
    }
    return std::move(built.bytes);
}

QString readerLine(const CardReader& reader, const LanguageTexts& texts) {
    const int kind =
        reader.kind() == CardReader::Kind::Pcsc ? CardTextId::PcscReader : CardTextId::EmulatedCard;
    return texts.text(CardTextId::ReaderLabel) + u' ' + texts.text(kind) + QStringLiteral(": ") +
           reader.name();
}

// The log as the dialog shows it.
QString logText(const CardWriteSequence& sequence, const LanguageTexts& texts) {
    const std::vector<CardLogEntry>& log = sequence.log();
    QString text;
    for (std::size_t i = 0; i < log.size(); ++i)
        text += log[i].piece(texts, i == 0);
    return text;
}

} // namespace

int image(CliContext& context, const QStringList& words) {
    const CommandLine line = CommandLine::parse(words, {OutputOption}, {});
    if (!line.error.isEmpty() || line.positional.size() != 1 || !line.values.contains(OutputOption))
        return context.usage(
            line.error.isEmpty() ? QStringLiteral("card-image takes PROJECT -o FILE") : line.error);
    int status = CliContext::Success;
    const std::optional<QByteArray> bytes = imageOf(context, line.positional[0], &status);
    if (!bytes)
        return status;
    if (const FileError error = AtomicFile::save(line.values[OutputOption], *bytes))
        return context.fail(context.describe(error));
    return CliContext::Success;
}

int write(CliContext& context, const QStringList& words) {
    const CommandLine line = CommandLine::parse(words, {ReaderOption}, {});
    if (!line.error.isEmpty() || line.positional.size() != 1)
        return context.usage(line.error.isEmpty()
                                 ? QStringLiteral("card-write takes PROJECT [--reader R]")
                                 : line.error);
    QString error;
    const std::optional<CardReaderChoice> choice = CardReaderChoice::parse(
        line.values.value(ReaderOption, QStringLiteral("pcsc")), context.home().path(), &error);
    if (!choice)
        return context.usage(error);
    int status = CliContext::Success;
    std::optional<QByteArray> bytes = imageOf(context, line.positional[0], &status);
    if (!bytes)
        return status;

    const LanguageTexts texts = context.languageTexts();
    const std::unique_ptr<CardReader> reader = choice->open();
    writeLine(context.err(), readerLine(*reader, texts));
    // Without an active card every one of the 9602 writes would fail alike.
    const CardReply card = reader->command(QStringLiteral("Card,Info,Status"));
    if (!card.ok())
        return context.fail(CardLogEntry::errorLine(card.status, reader->errorText(card.status)));
    if (card.text != u"active")
        return context.fail(QStringLiteral("no card ready in the reader (card status \"%1\"); "
                                           "nothing was written")
                                .arg(card.text));
    CardWriteSequence sequence(*reader, std::move(*bytes));
    int reported = 0;
    while (sequence.step()) {
        const int progress = sequence.progress();
        if (progress != reported && progress % ProgressReportEvery == 0) {
            reported = progress;
            writeLine(context.err(), QStringLiteral("progress %1/%2")
                                         .arg(progress)
                                         .arg(CardWriteSequence::ProgressSteps));
        }
    }
    const QString log = logText(sequence, texts);
    writeLine(context.out(), log);
    if (sequence.outcome() == CardWriteSequence::Outcome::Completed)
        return CliContext::Success;
    return context.fail(log.section(u'\n', -1));
}

} // namespace zyn::CardCommands
