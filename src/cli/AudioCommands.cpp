#include "AudioCommands.h"

#include "CliContext.h"
#include "CommandLine.h"
#include "platform/audio/AubioBeatTracker.h"
#include "platform/audio/SndfileDecoder.h"
#include "soundtrack/PeakPyramid.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <optional>

namespace zyn::AudioCommands {

namespace {

const QString JsonFlag = QStringLiteral("--json");
const QString ColumnsOption = QStringLiteral("--columns");
// More columns than any screen has pixels, yet a bounded output.
constexpr int MaxColumns = 100000;

struct Request {
    QString action;
    QString file;
    int columns = 0;
    bool json = false;
};

// The request, or the reason it is no request.
std::optional<Request> parse(const QStringList& words, QString* problem) {
    const CommandLine line = CommandLine::parse(words, {ColumnsOption}, {JsonFlag});
    const QStringList actions = {QStringLiteral("info"), QStringLiteral("peaks"),
                                 QStringLiteral("beats")};
    if (!line.error.isEmpty()) {
        *problem = line.error;
        return std::nullopt;
    }
    if (line.positional.size() != 2 || !actions.contains(line.positional[0])) {
        *problem = QStringLiteral("audio takes info|peaks|beats FILE");
        return std::nullopt;
    }
    Request request{line.positional[0], line.positional[1], 0, line.flags.contains(JsonFlag)};
    const bool peaks = request.action == u"peaks";
    if (peaks != line.values.contains(ColumnsOption)) {
        *problem = QStringLiteral("--columns N goes with audio peaks, and only with it");
        return std::nullopt;
    }
    if (peaks) {
        bool ok = false;
        request.columns = line.values[ColumnsOption].toInt(&ok);
        if (!ok || request.columns < 1 || request.columns > MaxColumns) {
            *problem = QStringLiteral("--columns takes a number from 1 to %1").arg(MaxColumns);
            return std::nullopt;
        }
    }
    return request;
}

void writeJson(CliContext& context, const QJsonObject& object) {
    context.out().write(QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n');
}

void writeLine(CliContext& context, const QString& line) {
    context.out().write((line + u'\n').toUtf8());
}

void info(CliContext& context, const Request& request, const DecodedAudio& audio) {
    if (request.json) {
        writeJson(context, {{"duration", audio.duration()},
                            {"sampleRate", audio.sampleRate},
                            {"channels", audio.channels}});
        return;
    }
    writeLine(context, QStringLiteral("%1 s, %2 Hz, %3 channel(s)")
                           .arg(audio.duration(), 0, 'f', 3)
                           .arg(audio.sampleRate)
                           .arg(audio.channels));
}

void peaks(CliContext& context, const Request& request, const DecodedAudio& audio) {
    const std::vector<PeakPyramid::Column> columns =
        PeakPyramid::build(audio).columns(0, audio.frames(), request.columns);
    if (request.json) {
        QJsonArray minima;
        QJsonArray maxima;
        for (const PeakPyramid::Column& column : columns) {
            minima.append(double(column.min));
            maxima.append(double(column.max));
        }
        writeJson(context, {{"columns", request.columns}, {"min", minima}, {"max", maxima}});
        return;
    }
    for (const PeakPyramid::Column& column : columns)
        writeLine(context, QStringLiteral("%1 %2")
                               .arg(double(column.min), 0, 'f', 4)
                               .arg(double(column.max), 0, 'f', 4));
}

void beats(CliContext& context, const Request& request, const DecodedAudio& audio) {
    const BeatGrid grid = AubioBeatTracker().track(audio);
    if (request.json) {
        QJsonArray times;
        for (const double beat : grid.beats)
            times.append(beat);
        writeJson(context, {{"tempo", grid.tempo}, {"beats", times}});
        return;
    }
    writeLine(context, QStringLiteral("%1 bpm").arg(grid.tempo, 0, 'f', 1));
    for (const double beat : grid.beats)
        writeLine(context, QString::number(beat, 'f', 3));
}

} // namespace

int run(CliContext& context, const QStringList& words) {
    QString problem;
    const std::optional<Request> request = parse(words, &problem);
    if (!request)
        return context.usage(problem);
    const std::atomic_bool never{false};
    const AudioDecoder::Result decoded =
        SndfileDecoder(context.languageTexts()).decode(request->file, {}, never);
    if (!decoded.error.isEmpty())
        return context.fail(decoded.error);
    if (request->action == u"info")
        info(context, *request, decoded.audio);
    else if (request->action == u"peaks")
        peaks(context, *request, decoded.audio);
    else
        beats(context, *request, decoded.audio);
    return CliContext::Success;
}

} // namespace zyn::AudioCommands
