// Importing a full cue list into the show, from the open of the file to the
// written cues: a 3200-row workbook in each format and a 3200-line text file.
#include "import/CueListImport.h"
#include "platform/spreadsheet/LocalSpreadsheetEngine.h"
#include "show/Show.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace zyn;

void importInto(Show& show, const QString& path, FileKind kind, benchmark::State& state) {
    const LocalSpreadsheetEngine engine;
    CueListImport import(engine);
    if (import.open(path, kind) || import.importRows(false, ColumnChoice{1, 2, 3, 4, 5})) {
        state.SkipWithError("the cue list cannot be read");
        return;
    }
    if (import.write(false, show).cues != MaxCues)
        state.SkipWithError("not every cue was written");
}

void BM_ImportWorkbook(benchmark::State& state, const char* extension) {
    const QString path =
        QStringLiteral(ZYN_TEST_DATA_DIR "/import/long/cues.") + QLatin1String(extension);
    auto show = std::make_unique<Show>();
    for (auto _ : state)
        importInto(*show, path, FileKind::Workbook, state);
}
BENCHMARK_CAPTURE(BM_ImportWorkbook, xlsx, "xlsx")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ImportWorkbook, ods, "ods")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ImportWorkbook, xls, "xls")->Unit(benchmark::kMillisecond);

void BM_ImportTextFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cues.csv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        state.SkipWithError("cannot write the cue list");
        return;
    }
    for (int i = 1; i <= MaxCues; ++i) {
        const int ms = i * 370;
        file.write(
            QStringLiteral("%1;0:%2:%3,%4;;;;;Cue %1 comet, red and gold;;crackling;;%5;%6\r\n")
                .arg(i)
                .arg(ms / 60000)
                .arg(ms / 1000 % 60, 2, 10, QLatin1Char('0'))
                .arg(ms % 1000, 3, 10, QLatin1Char('0'))
                .arg((i - 1) / 16 + 1)
                .arg((i - 1) % 16 + 1)
                .toUtf8());
    }
    file.close();
    auto show = std::make_unique<Show>();
    for (auto _ : state)
        importInto(*show, path, FileKind::TextFile, state);
}
BENCHMARK(BM_ImportTextFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
