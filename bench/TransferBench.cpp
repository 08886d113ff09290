// The whole serial transfer, read request to final acknowledgement, through
// the real port adapter to an emulated controller on a pseudo-terminal: an
// empty show and a show with all 3200 channels assigned. The paced runs let
// no reply reach the program before its exchange could have crossed a 115200
// baud 8N2 line, which makes that line time the floor no transfer can beat;
// what a paced run takes beyond it is the program's own time and the pty's
// jitter.
#include "FullShow.h"
#include "fakes/ControllerEmulator.h"
#include "platform/qt/QtSerialLink.h"
#include "show/Show.h"
#include "transfer/ControllerSession.h"
#include "transfer/TableBuilder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace zyn;
using Emulator = test::ControllerEmulator;

// The read request and its reply, every unit and its acknowledgement, and the
// filler, checksum and final acknowledgement as one.
constexpr int Exchanges = 1 + ControllerTable::AcknowledgedUnitCount + 1;

ControllerTable tableOf(bool allChannels) {
    std::unique_ptr<Show> show = allChannels ? bench::fullShow() : std::make_unique<Show>();
    if (!allChannels)
        show->clearForTimeCodedShow();
    return TableBuilder(StopLabels::fileForm()).build(*show).table;
}

// Seconds the exchange needs on the line: every byte in both directions.
double lineFloorSeconds(const ControllerTable& table) {
    const qint64 toController = 3 + table.size();
    const qint64 toHost = ControllerSession::ReplySize + ControllerTable::AcknowledgedUnitCount +
                          ControllerSession::FinalSize;
    return double(toController + toHost) * Emulator::ByteSeconds;
}

void transfer(benchmark::State& state, bool allChannels, bool lineTiming) {
    const ControllerTable table = tableOf(allChannels);
    double total = 0;
    double crossing = 0;
    for (auto _ : state) {
        Emulator controller({.lineTiming = lineTiming});
        if (!controller.isReady()) {
            state.SkipWithError(qPrintable(controller.error()));
            return;
        }
        crossing += double(controller.ptyCrossing().count()) / 1e3;
        QtSerialLink link{SerialPortList({controller.devicePath()})};
        ControllerSession session(link, table);
        link.attach(session);
        QEventLoop loop;
        QObject::connect(&session, &ControllerSession::finished, &loop, &QEventLoop::quit);
        QElapsedTimer clock;
        clock.start();
        session.start();
        if (!session.isFinished())
            loop.exec();
        const double seconds = double(clock.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        total += seconds;
        if (session.outcome() != ControllerSession::Outcome::Succeeded) {
            state.SkipWithError("the transfer failed");
            return;
        }
    }
    state.counters["per_exchange"] = benchmark::Counter(
        Exchanges, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["table_bytes"] = double(table.size());
    if (lineTiming) {
        const double floor = lineFloorSeconds(table);
        state.counters["line_floor_s"] = floor;
        state.counters["over_floor_pct"] =
            (total / double(state.iterations()) / floor - 1.0) * 100.0;
        // The pty's fastest crossing there and back, counted inside each exchange.
        state.counters["pty_crossing_us"] = crossing / double(state.iterations());
    }
}

void BM_TransferEmptyShow(benchmark::State& state) {
    transfer(state, false, false);
}
BENCHMARK(BM_TransferEmptyShow)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_TransferAllChannels(benchmark::State& state) {
    transfer(state, true, false);
}
BENCHMARK(BM_TransferAllChannels)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_TransferEmptyShowLineTimed(benchmark::State& state) {
    transfer(state, false, true);
}
BENCHMARK(BM_TransferEmptyShowLineTimed)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_TransferAllChannelsLineTimed(benchmark::State& state) {
    transfer(state, true, true);
}
BENCHMARK(BM_TransferAllChannelsLineTimed)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// The pseudo-terminal alone: as many round trips of four bytes out and one
// back as a transfer has exchanges, between two plain threads. What this
// costs, a transfer over a pty cannot avoid whatever the program does.
void BM_PtyRoundTripsAlone(benchmark::State& state) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    const int slave = ::open(::ptsname(master), O_RDWR | O_NOCTTY);
    termios raw{};
    ::tcgetattr(slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave, TCSANOW, &raw);
    const auto await = [](int fd, char* buffer) {
        pollfd ready{fd, POLLIN, 0};
        ::poll(&ready, 1, -1);
        return ::read(fd, buffer, 64) > 0;
    };
    for (auto _ : state) {
        std::thread echo([&] {
            char buffer[64];
            for (int i = 0; i < Exchanges && await(master, buffer); ++i)
                (void)!::write(master, "\x06", 1);
        });
        QElapsedTimer clock;
        clock.start();
        char buffer[64];
        for (int i = 0; i < Exchanges; ++i) {
            (void)!::write(slave, "\x99\x99\x99\x99", 4);
            await(slave, buffer);
        }
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        echo.join();
    }
    state.counters["per_exchange"] = benchmark::Counter(
        Exchanges, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    ::close(slave);
    ::close(master);
}
BENCHMARK(BM_PtyRoundTripsAlone)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv); // the serial port needs an event loop
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
