#include "ShowCheck.h"

#include "CheckRule.h"
#include "CueTimeline.h"
#include "editor/TimeCode.h"
#include "show/Show.h"
#include "show/ShowMode.h"
#include "transfer/ChannelLists.h"

#include <algorithm>
#include <tuple>

namespace zyn::ShowCheck {

namespace {

using Target = ChannelLists::Cell::Target;
using Findings = std::vector<CheckFinding>;

CheckFinding findingOf(const char* id) {
    return CheckRule::find(QLatin1String(id))->finding();
}

CheckFinding cellFinding(const char* id, int slave, int channel, const ChannelLists::Cell& cell) {
    CheckFinding finding = findingOf(id);
    finding.slave = slave;
    finding.channel = channel;
    (cell.target == Target::Key ? finding.key : finding.cue) = cell.number;
    return finding;
}

// The builder's own refusals, so an error here is exactly a refused table.
void addRefusals(const std::vector<TableRefusal>& refusals, const Show& show, Findings& out) {
    for (const TableRefusal& refusal : refusals) {
        if (refusal.reason == TableRefusal::Reason::LevelOutOfRange) {
            CheckFinding finding =
                cellFinding(CheckRule::LevelOutOfRange, refusal.slave, refusal.channel,
                            ChannelLists::read(show.ics.cell(refusal.slave, refusal.channel)));
            finding.cell = refusal.cell;
            out.push_back(finding);
            continue;
        }
        CheckFinding finding = findingOf(CheckRule::TooManyChannels);
        (refusal.holder == TableRefusal::Holder::Cue ? finding.cue : finding.key) = refusal.number;
        finding.count = refusal.count;
        out.push_back(finding);
    }
}

// Every cell as the builder reads it, slave by slave, channel by channel.
std::vector<ChannelLists::Cell> readCells(const Show& show) {
    std::vector<ChannelLists::Cell> cells;
    cells.reserve(MaxSlaves * ChannelsPerSlave);
    for (int s = 1; s <= MaxSlaves; ++s) {
        for (int c = 1; c <= ChannelsPerSlave; ++c)
            cells.push_back(ChannelLists::read(show.ics.cell(s, c)));
    }
    return cells;
}

void checkCells(const Show& show, const CueTimeline& timeline, bool timed, Findings& out) {
    const std::vector<ChannelLists::Cell> cells = readCells(show);
    Findings untimed;
    for (std::size_t n = 0; n < cells.size(); ++n) {
        const int s = int(n) / ChannelsPerSlave + 1;
        const int c = int(n) % ChannelsPerSlave + 1;
        const ChannelLists::Cell& cell = cells[n];
        const QString& text = show.ics.cell(s, c);
        if (cell.target == Target::None && !text.trimmed().isEmpty()) {
            CheckFinding finding = cellFinding(CheckRule::ChannelFiresNothing, s, c, cell);
            finding.cell = text;
            out.push_back(finding);
        } else if (timed && cell.target == Target::Cue &&
                   timeline.row(cell.number).kind == CueTimeline::Kind::NoTime) {
            untimed.push_back(cellFinding(CheckRule::ChannelOnUntimedCue, s, c, cell));
        }
    }
    out.insert(out.end(), untimed.begin(), untimed.end());
}

bool isWellFormed(const QString& timeText, const CueTimeline::Row& row) {
    return row.clockFields && TimeCode::hasForm(timeText);
}

CheckFinding cueFinding(const char* id, int cue) {
    CheckFinding finding = findingOf(id);
    finding.cue = cue;
    return finding;
}

void checkCueTimes(const Show& show, const CueTimeline& timeline, const ChannelLists& lists,
                   Findings& out) {
    const CueTimeline::Row* above = nullptr; // the nearest timed cue above, in this segment
    for (int q = 1; q <= MaxCues; ++q) {
        const CueTimeline::Row& row = timeline.row(q);
        if (above && above->segment != row.segment)
            above = nullptr;
        if (row.kind != CueTimeline::Kind::Timed)
            continue;
        const QString& text = show.cues.row(q).TimeText;
        if (!isWellFormed(text, row)) {
            CheckFinding finding = cueFinding(CheckRule::TimeNotWellFormed, q);
            finding.cell = text;
            out.push_back(finding);
        }
        if (lists.cue(q).count() == 0)
            out.push_back(cueFinding(CheckRule::TimedCueWithoutChannels, q));
        if (above && row.hundredths < above->hundredths)
            out.push_back(cueFinding(CheckRule::TimeOrder, q));
        above = &row;
    }
}

void checkModuleGaps(const CueTimeline& timeline, const ChannelLists& lists, int gapMs,
                     Findings& out) {
    // (segment, slave, time, cue) of every firing at a time code.
    std::vector<std::tuple<int, int, qint64, int>> firings;
    for (int q = 1; q <= MaxCues; ++q) {
        const CueTimeline::Row& row = timeline.row(q);
        if (row.kind != CueTimeline::Kind::Timed)
            continue;
        for (const ChannelEntry& entry : lists.cue(q).entries())
            firings.emplace_back(row.segment, (entry.channelNumber - 1) / ChannelsPerSlave + 1,
                                 row.hundredths, q);
    }
    std::sort(firings.begin(), firings.end());
    firings.erase(std::unique(firings.begin(), firings.end()), firings.end());
    Findings gaps;
    for (std::size_t i = 0, previous = 0; i < firings.size(); ++i) {
        const auto& [segment, slave, time, cue] = firings[i];
        // `previous`: the last firing of this module at an earlier time.
        while (previous < i && (std::get<0>(firings[previous]) != segment ||
                                std::get<1>(firings[previous]) != slave))
            ++previous;
        std::size_t earlier = i;
        while (earlier > previous && std::get<2>(firings[earlier - 1]) == time)
            --earlier;
        if (earlier == previous || (time - std::get<2>(firings[earlier - 1])) * 10 >= gapMs)
            continue;
        CheckFinding finding = cueFinding(CheckRule::ModuleGap, cue);
        finding.slave = slave;
        gaps.push_back(finding);
    }
    std::sort(gaps.begin(), gaps.end(), [](const CheckFinding& a, const CheckFinding& b) {
        return std::pair(a.cue, a.slave) < std::pair(b.cue, b.slave);
    });
    out.insert(out.end(), gaps.begin(), gaps.end());
}

} // namespace

std::vector<CheckFinding> run(const Show& show, const StopLabels& labels,
                              const CheckOptions& options) {
    Findings findings;
    ChannelLists lists;
    addRefusals(ChannelLists::collect(show.ics, lists), show, findings);
    const bool timed = show.state.ShowMode != ManualShow;
    const CueTimeline timeline(show, labels);
    checkCells(show, timeline, timed, findings);
    if (!timed)
        return findings;
    checkCueTimes(show, timeline, lists, findings);
    if (options.moduleGapMs > 0)
        checkModuleGaps(timeline, lists, options.moduleGapMs, findings);
    return findings;
}

std::vector<Firing> firings(const Show& show) {
    const std::vector<ChannelLists::Cell> cells = readCells(show);
    std::vector<Firing> out;
    for (std::size_t n = 0; n < cells.size(); ++n) {
        const ChannelLists::Cell& cell = cells[n];
        const int s = int(n) / ChannelsPerSlave + 1;
        const int c = int(n) % ChannelsPerSlave + 1;
        if (cell.target == Target::Cue)
            out.push_back({cell.number, 0, s, c});
        else if (cell.target == Target::Key)
            out.push_back({0, cell.number, s, c});
    }
    return out;
}

int errorCount(const std::vector<CheckFinding>& findings) {
    return int(std::count_if(findings.begin(), findings.end(),
                             [](const CheckFinding& f) { return f.isError(); }));
}

} // namespace zyn::ShowCheck
