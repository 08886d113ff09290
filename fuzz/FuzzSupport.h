#pragma once

#include "show/Show.h"
#include "show/StopLabels.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What every fuzz target shares: the input as Qt bytes and text, and the
// check that turns a broken invariant into a finding.
namespace zyn::fuzz {

// The input without a copy and without a terminating zero, so that a reader
// that runs past the end is caught by the address checker.
inline QByteArray bytesOf(const uint8_t* data, size_t size) {
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A broken invariant is a finding like a crash: libFuzzer keeps the input.
inline void check(bool holds, const char* invariant) {
    if (holds)
        return;
    std::fprintf(stderr, "invariant broken: %s\n", invariant);
    std::abort();
}

// The stop labels of a language: unlike the file keywords, they make every
// read and write exchange the labels.
inline StopLabels languageLabels() {
    return {QStringLiteral("MANUAL STOP"), QStringLiteral("TIMED STOP"),
            QStringLiteral("RESET STOP")};
}

// Makes a show a new show again when the input is done. Targets keep their
// shows for the whole run, because making one for every input (3200 rows,
// 3200 cells) would take most of the input's time. The texts are let go
// without allocating anything, so each input frees what it allocated and the
// fuzzer need not search the heap for leaks after it.
class ShowReset {
public:
    explicit ShowReset(Show& show) : m_show(show) {}
    ~ShowReset() {
        for (int r = 1; r <= MaxCues; ++r) {
            CueRow& cue = m_show.cues.row(r);
            cue.SortKey.clear();
            cue.TimeText.clear();
            cue.Description.clear();
            if (cue.CueNumber.toInt() != r)
                cue.CueNumber = QString::number(r);
        }
        m_show.ics.clear();
        m_show.steppers.clear();
        m_show.state = ShowState{};
        m_show.copies.clear();
    }
    ShowReset(const ShowReset&) = delete;
    ShowReset& operator=(const ShowReset&) = delete;

private:
    Show& m_show;
};

inline bool sameShow(const Show& a, const Show& b) {
    return a.cues == b.cues && a.ics == b.ics && a.steppers == b.steppers && a.state == b.state;
}

} // namespace zyn::fuzz
