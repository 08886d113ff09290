#include "CardWriteSequence.h"

#include "CardCommand.h"
#include "CardImage.h"
#include "CardTextId.h"
#include "platform/CardReader.h"
#include "show/ShowLimits.h"
#include "verify/ReadBackComparison.h"
#include "verify/VerifyTextId.h"

#include <algorithm>

namespace zyn {

namespace {

constexpr int ChannelCount = MaxSlaves * ChannelsPerSlave;
constexpr int LastTime = MaxCues;                      // index of the last time entry
constexpr int LastCueNumber = LastTime + ChannelCount; // ... of the last cue number
constexpr int LastLevel = LastCueNumber + ChannelCount;
constexpr int EndBlock = LastLevel + 1;

static_assert(EndBlock + 1 == CardWriteSequence::WriteCount);
static_assert(LastLevel == CardWriteSequence::ProgressSteps);

} // namespace

CardWriteSequence::Write CardWriteSequence::write(int index) {
    if (index == 0)
        return {CardImage::StartBlockAddress, CardImage::BlockSize};
    if (index <= LastTime)
        return {CardImage::timeAddress(index), CardImage::TimeEntrySize};
    if (index <= LastCueNumber)
        return {CardImage::cueNumberAddress(index - LastTime), CardImage::ChannelEntrySize};
    if (index <= LastLevel)
        return {CardImage::levelAddress(index - LastCueNumber), CardImage::ChannelEntrySize};
    return {CardImage::EndBlockAddress, CardImage::BlockSize};
}

CardWriteSequence::CardWriteSequence(CardReader& reader, QByteArray image)
    : m_reader(reader), m_image(std::move(image)) {
    Q_ASSERT(m_image.size() == CardImage::Size);
}

bool CardWriteSequence::step() {
    if (isFinished())
        return false;
    if (m_stopRequested) {
        m_log.push_back(CardLogEntry::result(m_nextRead < 0 ? CardTextId::WriteStopped
                                                            : CardTextId::CheckStopped));
        finish(Outcome::Stopped);
        return false;
    }
    if (m_nextRead < 0)
        writeNext();
    else
        readNext();
    return !isFinished();
}

void CardWriteSequence::writeNext() {
    const int index = m_nextWrite++;
    const Write target = write(index);
    const CardReply reply =
        m_reader.command(CardCommand::memWrite(target.address, target.length),
                         QByteArrayView(m_image).sliced(target.address, target.length));
    if (!reply.ok()) {
        ++m_failedWrites;
        logError(reply.status);
    }
    if (index >= 1 && index <= LastLevel)
        ++m_progress;
    logAfterWrite(index);
    if (m_nextWrite < WriteCount)
        return;
    if (m_failedWrites > 0) {
        m_log.push_back(CardLogEntry::result(CardTextId::WriteFailed, m_failedWrites));
        finish(Outcome::WriteFailed);
        return;
    }
    beginCheck();
}

void CardWriteSequence::logAfterWrite(int index) {
    switch (index) {
    case 0:
        m_log.push_back(CardLogEntry::section(CardTextId::StartBlockWritten));
        m_log.push_back(CardLogEntry::done());
        m_log.push_back(CardLogEntry::section(CardTextId::WritingTimes));
        break;
    case LastTime:
        m_log.push_back(CardLogEntry::done());
        m_log.push_back(CardLogEntry::section(CardTextId::WritingCueNumbers));
        break;
    case LastCueNumber:
        m_log.push_back(CardLogEntry::done());
        m_log.push_back(CardLogEntry::section(CardTextId::WritingLevels));
        break;
    case LastLevel:
        m_log.push_back(CardLogEntry::done());
        break;
    default:
        break;
    }
}

void CardWriteSequence::beginCheck() {
    m_nextRead = 0;
    m_log.push_back(CardLogEntry::section(CardTextId::ReadingBack));
}

void CardWriteSequence::readNext() {
    const int address = m_nextRead;
    const int length = std::min(ReadChunk, int(m_image.size()) - address);
    const CardReply reply = m_reader.command(CardCommand::memRead(address, length));
    if (!reply.ok()) {
        logError(reply.status);
        m_log.push_back(CardLogEntry::result(CardTextId::ReadBackFailed));
        finish(Outcome::ReadBackFailed);
        return;
    }
    // A short reply counts as a difference at the first byte it lacks, and
    // ends the check: nothing read after it would line up with the image.
    const QByteArrayView expected = QByteArrayView(m_image).sliced(address, length);
    const qsizetype compared = std::min(reply.bytes.size(), qsizetype(length));
    m_readBack += QByteArrayView(reply.bytes).first(compared);
    qsizetype offset = 0;
    while (offset < compared && reply.bytes[offset] == expected[offset])
        ++offset;
    if (offset < length && !m_firstDifference)
        m_firstDifference = address + int(offset);
    m_nextRead += length;
    if (compared < length || (m_firstDifference && m_nextRead >= m_image.size())) {
        finishDiffering();
        return;
    }
    if (m_nextRead < m_image.size())
        return;
    m_log.push_back(CardLogEntry::done());
    m_log.push_back(CardLogEntry::result(CardTextId::CardComplete));
    m_log.push_back(CardLogEntry::result(CardTextId::CardVerified));
    finish(Outcome::Completed);
}

void CardWriteSequence::finishDiffering() {
    // A short read leaves m_readBack short, which makes no card image.
    const std::vector<PlanDifference> differences =
        ReadBackComparison::of(m_image, m_readBack).differences;
    if (differences.empty()) {
        m_log.push_back(CardLogEntry::result(CardTextId::CardDiffers, *m_firstDifference));
    } else {
        m_log.push_back(CardLogEntry::result(VerifyTextId::ReadBackDiffers));
        for (const PlanDifference& difference : differences)
            m_log.push_back(CardLogEntry::differs(difference));
    }
    finish(Outcome::Differs);
}

void CardWriteSequence::logError(quint32 status) {
    m_log.push_back(CardLogEntry::error(status, m_reader.errorText(status)));
}

void CardWriteSequence::finish(Outcome outcome) {
    m_outcome = outcome;
}

} // namespace zyn
