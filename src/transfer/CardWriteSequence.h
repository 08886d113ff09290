#pragma once

#include "CardLogEntry.h"

#include <QByteArray>
#include <optional>
#include <vector>

namespace zyn {

class CardReader;

// One write of a card image onto a memory card, run one reader command per
// step() so that a dialog or the command line can drive it from an event loop
// and stay responsive between steps.
//
//   write  start block, 3200 times, 3200 cue numbers, 3200 levels, end block:
//          9602 "Card,MemWrite" commands in address order. A failed write is
//          logged with the reader's error text and the next entry follows.
//   check  only when every write succeeded: the card is read back in chunks
//          of ReadChunk bytes and compared with the image. A card that
//          differs is still read to its end, so the log can name each
//          difference as the show knows it (cue, slave, channel) rather than
//          by a byte address the user cannot place; only a card whose bytes
//          make no plan, or that answers short, is reported by the address.
//
// Progress counts the 9600 time and channel entries. Invariants: the outcome
// is Completed only when every write succeeded and the card read back equals
// the image; after a stop request no further command is sent, so a stopped
// write never gets its end block.
class CardWriteSequence {
public:
    enum class Outcome {
        Completed,      // written, read back and equal to the image
        WriteFailed,    // at least one write failed
        Stopped,        // stopped on request, while writing or checking
        ReadBackFailed, // every write succeeded, but the card could not be read
        Differs,        // the card read back differs from the image
    };

    static constexpr int WriteCount = 9602;
    static constexpr int ProgressSteps = 9600;
    static constexpr int ReadChunk = 128;

    struct Write {
        int address = 0;
        int length = 0;
    };
    // Where the write with the given index (0 .. WriteCount - 1) goes.
    static Write write(int index);

    // The image must be a CardImage of CardImage::Size bytes.
    CardWriteSequence(CardReader& reader, QByteArray image);

    // Runs the next command; false once the run is over.
    bool step();
    // Ends the run before its next command.
    void requestStop() { m_stopRequested = true; }

    bool isFinished() const { return m_outcome.has_value(); }
    std::optional<Outcome> outcome() const { return m_outcome; }
    int progress() const { return m_progress; }
    int writesSent() const { return m_nextWrite; }
    int failedWrites() const { return m_failedWrites; }
    // The first address where the card differs from the image (Differs).
    std::optional<int> firstDifference() const { return m_firstDifference; }
    const std::vector<CardLogEntry>& log() const { return m_log; }

private:
    void writeNext();
    void logAfterWrite(int index);
    void beginCheck();
    void readNext();
    void finishDiffering();
    void finish(Outcome outcome);
    void logError(quint32 status);

    CardReader& m_reader;
    const QByteArray m_image;
    QByteArray m_readBack;
    std::vector<CardLogEntry> m_log;
    std::optional<Outcome> m_outcome;
    std::optional<int> m_firstDifference;
    int m_nextWrite = 0;
    int m_failedWrites = 0;
    int m_progress = 0;
    int m_nextRead = -1; // the next address to read back; -1 while writing
    bool m_stopRequested = false;
};

} // namespace zyn
