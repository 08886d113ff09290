#include "PathText.h"

#include "Cp1252.h"

namespace zyn::PathText {

namespace {
constexpr QByteArrayView Utf8Mark = "\xEF\xBB\xBF";
}

QByteArray encode(const QString& path) {
    if (Cp1252::firstUnencodable(path) < 0) {
        QByteArray codePage = Cp1252::encode(path);
        // A name (not a path) may start with "ï»¿", whose code-page bytes
        // are the mark; it goes as UTF-8 behind the mark like any other.
        if (!codePage.startsWith(Utf8Mark))
            return codePage;
    }
    return Utf8Mark.toByteArray() + path.toUtf8();
}

QString decode(QByteArrayView bytes) {
    if (bytes.startsWith(Utf8Mark))
        return QString::fromUtf8(bytes.sliced(Utf8Mark.size()));
    return Cp1252::decode(bytes);
}

} // namespace zyn::PathText
