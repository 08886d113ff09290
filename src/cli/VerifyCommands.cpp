#include "VerifyCommands.h"

#include "CliContext.h"
#include "CommandLine.h"
#include "show/Show.h"
#include "verify/MediumReading.h"
#include "verify/PlanComparison.h"
#include "verify/PlanJson.h"
#include "verify/ShowPlan.h"

#include <QIODevice>
#include <memory>

namespace zyn::VerifyCommands {

namespace {

const QString JsonFlag = QStringLiteral("--json");

void writeLines(QIODevice& device, const QStringList& lines) {
    for (const QString& line : lines)
        device.write((line + u'\n').toUtf8());
}

// The medium's plan, or nothing after reporting why its bytes make none.
std::optional<FiringPlan> mediumPlan(CliContext& context, const QString& path,
                                     const QByteArray& bytes, int* status) {
    PlanReading reading = MediumReading::read(bytes);
    if (!reading.ok()) {
        *status = context.fail(path + QStringLiteral(": ") + reading.error.text());
        return std::nullopt;
    }
    return std::move(reading.plan);
}

std::optional<FiringPlan> planOf(CliContext& context, const QString& source, int* status) {
    QString error;
    const std::optional<QByteArray> bytes = context.readInput(source, &error);
    if (!bytes) {
        *status = context.fail(error);
        return std::nullopt;
    }
    if (MediumReading::recognise(*bytes) != MediumReading::Kind::Other)
        return mediumPlan(context, source, *bytes, status);
    auto show = std::make_unique<Show>();
    if (!context.loadProject(source, fileFormLabels(), *show, status))
        return std::nullopt;
    return ShowPlan::forTable(*show, fileFormLabels());
}

} // namespace

int plan(CliContext& context, const QStringList& words) {
    const CommandLine line = CommandLine::parse(words, {}, {JsonFlag});
    if (!line.error.isEmpty() || line.positional.size() != 1)
        return context.usage(line.error.isEmpty() ? QStringLiteral("plan takes SOURCE [--json]")
                                                  : line.error);
    int status = CliContext::Success;
    const std::optional<FiringPlan> plan = planOf(context, line.positional[0], &status);
    if (!plan)
        return status;
    if (line.flags.contains(JsonFlag))
        context.out().write(PlanJson::write(*plan));
    else
        writeLines(context.out(), PlanJson::lines(*plan));
    return CliContext::Success;
}

int verify(CliContext& context, const QStringList& words) {
    const CommandLine line = CommandLine::parse(words, {}, {});
    if (!line.error.isEmpty() || line.positional.size() != 2)
        return context.usage(line.error.isEmpty() ? QStringLiteral("verify takes PROJECT FILE")
                                                  : line.error);
    const QString& mediumPath = line.positional[1];
    int status = CliContext::Success;
    auto show = std::make_unique<Show>();
    if (!context.loadProject(line.positional[0], fileFormLabels(), *show, &status))
        return status;
    QString error;
    const std::optional<QByteArray> bytes = context.readInput(mediumPath, &error);
    if (!bytes)
        return context.fail(error);
    const std::optional<FiringPlan> medium = mediumPlan(context, mediumPath, *bytes, &status);
    if (!medium)
        return status;
    const FiringPlan expected = medium->source == FiringPlan::Source::Card
                                    ? ShowPlan::forCard(*show)
                                    : ShowPlan::forTable(*show, fileFormLabels());
    const QStringList differences = PlanComparison::differences(expected, *medium);
    if (differences.isEmpty()) {
        writeLines(context.out(), {QStringLiteral("equal")});
        return CliContext::Success;
    }
    writeLines(context.out(), differences);
    return CliContext::Failure;
}

} // namespace zyn::VerifyCommands
