#pragma once

#include <QByteArrayView>
#include <QString>
#include <atomic>
#include <functional>

namespace zyn {

// Runs code that is not safe on untrusted files in a child process that
// sends its result through a pipe and ends; whatever the code does to its
// memory ends with it. The child may grow by a bounded amount beyond the
// memory it started with, and the parent stops it when it takes too long,
// sends more than the parent wants, or the parent's caller cancels.
namespace PipedChild {

// What runs in the child: writes its result to `fd` and returns the exit
// status (0 when the result is complete).
using Body = std::function<int(int fd)>;
// Takes each piece the child sends, in order; false stops the child (the
// parent has seen enough or too much).
using Sink = std::function<bool(QByteArrayView piece)>;

struct Limits {
    // The most the child may run in all.
    int totalMs = 20000;
    // The most it may go without sending anything; 0 means totalMs.
    int quietMs = 0;
};

enum class Failure {
    None,
    CannotStart, // no pipe or no process; `detail` says why
    TimedOut,
    Refused, // the sink wanted no more
    Cancelled,
    Stopped, // the child crashed or ended with a failure status
};

struct Outcome {
    Failure failure = Failure::None;
    QString detail;
};

Outcome run(const Body& body, const Sink& sink, const Limits& limits,
            const std::atomic_bool* cancel = nullptr);

} // namespace PipedChild
} // namespace zyn
