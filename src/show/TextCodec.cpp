#include "TextCodec.h"

namespace zyn {

namespace {

template<typename Op> QByteArray shift(QByteArrayView text, const QByteArray& key, Op op) {
    const KeyCodes codes = KeyCodesOf(key);
    QByteArray result(text.size(), Qt::Uninitialized);
    if (codes.empty())
        return text.toByteArray();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto c = static_cast<qint16>(static_cast<unsigned char>(text[i]));
        result[i] = static_cast<char>(static_cast<unsigned char>(op(c, KeyCodeAt(i + 1, codes))));
    }
    return result;
}

} // namespace

QByteArray BuildKeyString(std::span<const int> codes) {
    QByteArray key;
    key.reserve(static_cast<qsizetype>(codes.size()));
    for (const int code : codes)
        key.append(static_cast<char>(code));
    return key;
}

KeyCodes KeyCodesOf(const QByteArray& key) {
    KeyCodes codes;
    codes.reserve(static_cast<size_t>(key.size()));
    for (const char c : key)
        codes.push_back(static_cast<qint16>(static_cast<unsigned char>(c)));
    return codes;
}

qint16 KeyCodeAt(qsizetype position, const KeyCodes& key) {
    const auto n = static_cast<qsizetype>(key.size());
    return key[static_cast<size_t>((position - 1) % n)];
}

qint16 AddWrap255(qint16 a, qint16 b) {
    const int sum = a + b;
    return static_cast<qint16>(sum > 255 ? sum - 255 : sum);
}

qint16 SubWrap255(qint16 a, qint16 b) {
    const int difference = a - b;
    return static_cast<qint16>(difference < 0 ? difference + 255 : difference);
}

QByteArray ScrambleText(QByteArrayView text, const QByteArray& key) {
    return shift(text, key, AddWrap255);
}

QByteArray UnscrambleText(QByteArrayView text, const QByteArray& key) {
    return shift(text, key, SubWrap255);
}

} // namespace zyn
