// A medium read back from arbitrary bytes, as a controller table and as a
// card image: damaged input ends in an error at an offset inside the input,
// and whatever is read holds only channels and levels a controller knows, in
// the order the plan promises.

#include "FuzzSupport.h"
#include "verify/CardDecoder.h"
#include "verify/MediumReading.h"
#include "verify/TableDecoder.h"

using namespace zyn;

namespace {

constexpr qsizetype EmptyTableSize = 32121;
constexpr qsizetype CardSize = 25608;
constexpr qsizetype EntrySize = 3;

qsizetype checkChannels(const PlanChannels& channels) {
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const PlanChannel& c = channels[i];
        fuzz::check(c.slave >= 1 && c.slave <= MaxSlaves && c.channel >= 1 &&
                        c.channel <= ChannelsPerSlave && c.level >= 0 && c.level <= MaxLevel,
                    "a plan holds only real channels and levels");
        fuzz::check(i == 0 || channels[i - 1] < c, "a plan's channels ascend");
    }
    return qsizetype(channels.size());
}

// The entries beyond the first of each record: the bytes a table grows by.
qsizetype extraEntries(const FiringPlan& plan) {
    qsizetype extra = 0;
    for (int cue = 1; cue <= MaxCues; ++cue)
        extra += qMax<qsizetype>(0, checkChannels(plan.cue(cue).channels) - 1);
    for (int key = 1; key <= MaxKey; ++key)
        extra += qMax<qsizetype>(0, checkChannels(plan.key(key)) - 1);
    return extra;
}

void checkReading(const PlanReading& reading, qsizetype size) {
    if (!reading.ok()) {
        fuzz::check(reading.error.offset >= 0 && reading.error.offset <= size,
                    "an error names an offset inside the input");
        fuzz::check(!reading.error.expected.isEmpty(), "an error says what was expected");
        return;
    }
    const FiringPlan& plan = *reading.plan;
    if (plan.source == FiringPlan::Source::Table) {
        fuzz::check(plan.checksum.has_value(), "a table's plan knows its checksum");
        fuzz::check(size == EmptyTableSize + EntrySize * extraEntries(plan),
                    "a table read whole is as long as its records");
    } else {
        fuzz::check(size == CardSize && !plan.checksum, "a card read whole has its fixed size");
        for (int cue = 1; cue <= MaxCues; ++cue)
            checkChannels(plan.cue(cue).channels);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzz::bytesOf(data, size);
    checkReading(TableDecoder::decode(bytes), bytes.size());
    checkReading(CardDecoder::decode(bytes), bytes.size());
    checkReading(MediumReading::read(bytes), bytes.size());
    return 0;
}
