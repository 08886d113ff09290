#include "MediumReading.h"

#include "CardDecoder.h"
#include "TableDecoder.h"

namespace zyn::MediumReading {

Kind recognise(QByteArrayView bytes) {
    if (bytes.startsWith(QByteArrayView("\xB1\x06", 2)))
        return Kind::Table;
    if (bytes.startsWith(QByteArrayView("\0\0\0\0", 4)))
        return Kind::Card;
    return Kind::Other;
}

PlanReading read(QByteArrayView bytes) {
    switch (recognise(bytes)) {
    case Kind::Table:
        return TableDecoder::decode(bytes);
    case Kind::Card:
        return CardDecoder::decode(bytes);
    case Kind::Other:
        break;
    }
    return {std::nullopt,
            {0, QStringLiteral("expected a controller table (B1 06 ...) or a card image "
                               "(00 00 00 00 ...)")}};
}

} // namespace zyn::MediumReading
