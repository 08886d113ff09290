#include "LanguageFile.h"

#include "show/FieldReader.h"
#include "show/FieldWriter.h"
#include "show/ScrambledField.h"
#include "show/TextCodec.h"

#include <QFile>
#include <array>

namespace zyn::LanguageFile {

namespace {
// A language has a few hundred short texts; a far bigger file is not one.
constexpr qint64 MaxFileSize = 16 * 1024 * 1024;
} // namespace

QByteArray buildLanguageKey() {
    static constexpr std::array<int, 7> Codes = {4, 9, 2, 6, 1, 3, 8};
    return BuildKeyString(Codes);
}

QByteArray serialize(const LanguageTexts& texts) {
    const QByteArray key = buildLanguageKey();
    FieldWriter writer;
    for (int n = 1; n <= texts.count(); ++n)
        writer.textField(ScrambledField::encode(texts.text(n), key));
    return writer.bytes();
}

LanguageTexts parse(const QByteArray& content) {
    const QByteArray key = buildLanguageKey();
    FieldReader reader(content);
    QStringList texts{QString()};
    while (const std::optional<QByteArray> value = reader.readLineField())
        texts.append(ScrambledField::decode(*value, key));
    return LanguageTexts(texts);
}

std::optional<LanguageTexts> load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize)
        return std::nullopt;
    return parse(file.readAll());
}

} // namespace zyn::LanguageFile
