// The whole chip-card write of a full show, 9602 writes and the read-back
// check: onto the emulated card file, and through pcscd to a memory card
// emulated behind its vpcd virtual reader.
#include "FullShow.h"
#include "fakes/PcscdService.h"
#include "fakes/ServiceRequirement.h"
#include "fakes/VpcdMemoryCard.h"
#include "platform/EmulatedCardReader.h"
#include "platform/pcsc/PcscCardReader.h"
#include "show/Show.h"
#include "transfer/CardImage.h"
#include "transfer/CardStatus.h"
#include "transfer/CardWriteSequence.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>

namespace {

using namespace zyn;

const QString VirtualReader = QStringLiteral("Virtual PCD 00 00");

// Every cue timed, every channel assigned with a level.
QByteArray fullImage() {
    return CardImage::build(*bench::fullShow()).bytes;
}

// One full write; false after reporting a failed one.
bool writeCard(benchmark::State& state, CardReader& reader, const QByteArray& image) {
    CardWriteSequence sequence(reader, image);
    while (sequence.step()) {
    }
    if (sequence.outcome() == CardWriteSequence::Outcome::Completed)
        return true;
    state.SkipWithError("the write did not complete");
    return false;
}

void BM_WriteEmulatedCard(benchmark::State& state) {
    const QByteArray image = fullImage();
    QTemporaryDir dir;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(dir.filePath("card.bin"));
        state.ResumeTiming();
        EmulatedCardReader reader(dir.filePath("card.bin"));
        if (!writeCard(state, reader, image))
            return;
    }
    state.counters["per_write"] = benchmark::Counter(CardWriteSequence::WriteCount,
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}
BENCHMARK(BM_WriteEmulatedCard)->Unit(benchmark::kMillisecond)->UseRealTime();

// Set when a benchmark found its service missing on a build machine, where a
// skipped benchmark would go unnoticed: the run then ends with a failure.
bool g_requiredServiceMissing = false;

void serviceMissing(benchmark::State& state, const QString& why) {
    if (test::servicesRequired())
        g_requiredServiceMissing = true;
    state.SkipWithError(qPrintable(why));
}

bool serviceAnswers() {
    return PcscCardReader().command(QStringLiteral("Device,List")).status != CardStatus::NoService;
}

void BM_WriteThroughPcscd(benchmark::State& state) {
    const QByteArray image = fullImage();
    test::PcscdService service(serviceAnswers);
    if (!service.available()) {
        serviceMissing(state, service.why());
        return;
    }
    const int index = PcscCardReader().readerNames().indexOf(VirtualReader);
    if (index < 0) {
        serviceMissing(state, QStringLiteral("pcscd has no virtual reader"));
        return;
    }
    PcscCardReader reader(index);
    test::VpcdMemoryCard card;
    QString error;
    if (!card.insert([&] { return reader.command(QStringLiteral("Card,Info,Status")).text; },
                     &error)) {
        serviceMissing(state, QStringLiteral("no card in the virtual reader: ") + error);
        return;
    }
    for (auto _ : state) {
        if (!writeCard(state, reader, image))
            return;
    }
    state.counters["per_write"] = benchmark::Counter(CardWriteSequence::WriteCount,
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}
BENCHMARK(BM_WriteThroughPcscd)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return EXIT_FAILURE;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return g_requiredServiceMissing ? EXIT_FAILURE : EXIT_SUCCESS;
}
