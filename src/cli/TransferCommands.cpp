#include "TransferCommands.h"

#include "CheckCommands.h"
#include "CliContext.h"
#include "CommandLine.h"
#include "platform/qt/QtSerialLink.h"
#include "show/Show.h"
#include "transfer/ControllerSession.h"
#include "transfer/DriveExport.h"
#include "transfer/TableBuilder.h"
#include "transfer/TableRefusalText.h"
#include "transfer/TransferTextId.h"

#include <QEventLoop>
#include <QIODevice>
#include <memory>

namespace zyn::TransferCommands {

namespace {

const QString OutputOption = QStringLiteral("-o");
const QString PortOption = QStringLiteral("--port");
// Progress lines on the error stream: one per tenth of the transfer.
constexpr int ProgressReportEvery = ControllerTable::ProgressSteps / 10;

// The table of the project, or nothing after reporting why there is none.
std::optional<ControllerTable> tableOf(CliContext& context, const QString& project, int* status) {
    auto show = std::make_unique<Show>();
    if (!context.loadProject(project, fileFormLabels(), *show, status) ||
        !CheckCommands::preflight(context, *show, status))
        return std::nullopt;
    TableBuilder::Result built = TableBuilder(fileFormLabels()).build(*show);
    if (!built.ok()) {
        for (const QString& line : TableRefusalText::lines(built.refusals, context.languageTexts(),
                                                           TableRefusalText::TerminalLines))
            *status = context.fail(line);
        return std::nullopt;
    }
    return std::move(built.table);
}

void writeLine(QIODevice& device, const QString& line) {
    device.write((line + u'\n').toUtf8());
}

} // namespace

int table(CliContext& context, const QStringList& words) {
    const CommandLine line = CommandLine::parse(words, {OutputOption}, {});
    if (!line.error.isEmpty() || line.positional.size() != 1 || !line.values.contains(OutputOption))
        return context.usage(line.error.isEmpty() ? QStringLiteral("table takes PROJECT -o FILE")
                                                  : line.error);
    int status = CliContext::Success;
    const std::optional<ControllerTable> table = tableOf(context, line.positional[0], &status);
    if (!table)
        return status;
    if (const FileError error = DriveExport::writeFile(line.values[OutputOption], table->bytes()))
        return context.fail(context.describe(error));
    return CliContext::Success;
}

int transfer(CliContext& context, const QStringList& words) {
    const CommandLine line = CommandLine::parse(words, {PortOption}, {});
    if (!line.error.isEmpty() || line.positional.size() != 1)
        return context.usage(line.error.isEmpty()
                                 ? QStringLiteral("transfer takes PROJECT [--port DEV]")
                                 : line.error);
    int status = CliContext::Success;
    std::optional<ControllerTable> table = tableOf(context, line.positional[0], &status);
    if (!table)
        return status;
    const SerialPortList ports = line.values.contains(PortOption)
                                     ? SerialPortList({line.values[PortOption]})
                                     : SerialPortList::fromSystem();
    QtSerialLink link(ports);
    ControllerSession session(link, std::move(*table));
    link.attach(session);
    QIODevice& err = context.err();
    QObject::connect(
        &session, &ControllerSession::portFound, [&err](int port, const QString& device) {
            writeLine(err, QStringLiteral("controller on port %1 (%2)").arg(port).arg(device));
        });
    QObject::connect(&session, &ControllerSession::progressChanged, [&err](int value) {
        if (value > 0 && value % ProgressReportEvery == 0)
            writeLine(
                err,
                QStringLiteral("progress %1/%2").arg(value).arg(ControllerTable::ProgressMaximum));
    });
    QEventLoop loop;
    QObject::connect(&session, &ControllerSession::finished, &loop, &QEventLoop::quit);
    session.start();
    if (!session.isFinished())
        loop.exec();

    const ControllerSession::Outcome outcome = *session.outcome();
    const QString result = context.languageTexts().text(ControllerSession::resultText(outcome));
    if (outcome == ControllerSession::Outcome::Succeeded) {
        writeLine(context.out(), result);
        return CliContext::Success;
    }
    if (outcome == ControllerSession::Outcome::NoController)
        return context.fail(QStringLiteral("%1 (ports tried: %2)")
                                .arg(result, ports.devices().isEmpty()
                                                 ? QStringLiteral("none")
                                                 : ports.devices().join(QStringLiteral(", "))));
    return context.fail(QStringLiteral("%1 (port %2, %3 of %4 progress steps acknowledged)")
                            .arg(result, ports.device(session.foundPort()))
                            .arg(session.progress())
                            .arg(ControllerTable::ProgressSteps));
}

} // namespace zyn::TransferCommands
