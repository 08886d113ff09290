#pragma once

#include "CardReader.h"

#include <QString>

namespace zyn {

struct CardCommand;

// A memory chip card kept as a file, for users without a reader and for
// tests: the file holds the card's memory bytes as they are, address 0 at
// offset 0. The file is the card. Every write changes its bytes in place at
// once, as a card's memory changes, so a write that is stopped half-way
// leaves a partly written card, exactly as a real card would be left.
//
// A missing file is a blank card in the reader: it is made on the first
// read or write with DefaultCapacity bytes of 0xFF (erased memory). An
// existing file's size is the card's capacity, up to the 64 KiB a 16-bit
// address reaches. The card has no PIN: any well-formed PIN is accepted.
class EmulatedCardReader : public CardReader {
public:
    static constexpr int DefaultCapacity = 32768;
    static constexpr char ErasedByte = char(0xFF);
    static inline const QString DefaultFileName = QStringLiteral("ZYNCard.bin");
    // The type word of "Card,Info,Type".
    static inline const QString TypeName = QStringLiteral("Memory card (emulated)");

    explicit EmulatedCardReader(QString filePath);

    // The default card file in the program directory.
    static QString defaultPath(const QString& programDirectory);

    CardReply command(const QString& text, QByteArrayView input = {}) override;
    Kind kind() const override { return Kind::EmulatedFile; }
    QString name() const override { return m_path; }

private:
    CardReply read(const CardCommand& command);
    CardReply write(const CardCommand& command, QByteArrayView input);
    CardReply cardInfo();
    CardReply cardStatus() const;
    // The card's capacity, making a blank card first when there is none;
    // a status when the file can neither be found nor made.
    CardReply prepare(qint64* capacity);

    QString m_path;
};

} // namespace zyn
