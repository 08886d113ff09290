#pragma once

#include "platform/CardReader.h"

#include <QString>
#include <memory>
#include <optional>

namespace zyn {

// Which card reader a front end writes through, named as zynctl takes it:
//
//   pcsc            the first reader of the PC/SC service
//   pcsc:N          its reader N, counted from 0
//   emulated        the emulated card file in the program directory
//   emulated:FILE   an emulated card file of the user's choice
struct CardReaderChoice {
    CardReader::Kind kind = CardReader::Kind::Pcsc;
    int readerIndex = 0;
    QString file; // the emulated card file, as an absolute path

    // The choice a text names; nothing, with the reason, for a malformed one.
    static std::optional<CardReaderChoice> parse(const QString& text,
                                                 const QString& programDirectory, QString* error);

    static CardReaderChoice pcsc(int readerIndex = 0);
    static CardReaderChoice emulated(const QString& file);

    std::unique_ptr<CardReader> open() const;

    friend bool operator==(const CardReaderChoice&, const CardReaderChoice&) = default;
};

} // namespace zyn
