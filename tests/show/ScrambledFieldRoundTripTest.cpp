#include "fakes/QtPrinters.h"
#include "settings/LanguageFile.h"
#include "show/Cp1252.h"
#include "show/ProjectKey.h"
#include "show/ScrambledField.h"

#include <gtest/gtest.h>

namespace zyn {
namespace {

struct FileKey {
    const char* name;
    QByteArray (*build)();
};

void PrintTo(const FileKey& key, std::ostream* os) {
    *os << key.name << " key";
}

class ScrambledFieldWithKey : public testing::TestWithParam<FileKey> {
protected:
    const QByteArray key = GetParam().build();

    // Every storable character, from the blank to the letter y with diaeresis.
    static QString storableCharacters() {
        QByteArray bytes;
        for (int byte = 0x20; byte <= 0xFF; ++byte)
            bytes.append(static_cast<char>(byte));
        return Cp1252::decode(bytes);
    }
};

TEST_P(ScrambledFieldWithKey, EveryStorableCharacterRoundTripsOnOneLineAtEveryKeyPosition) {
    const QString characters = storableCharacters();
    ASSERT_EQ(ScrambledField::firstUnstorable(characters), -1);
    for (qsizetype shift = 0; shift < key.size(); ++shift) {
        SCOPED_TRACE(testing::Message() << "first character at key position " << shift + 1);
        const QString text = QString(shift, u'x') + characters;
        const QByteArray encoded = ScrambledField::encode(text, key);
        ASSERT_EQ(encoded.size(), text.size());
        for (qsizetype i = 0; i < encoded.size(); ++i) {
            EXPECT_NE(encoded[i], '\r')
                << "character " << int(text[i].unicode()) << " at " << i + 1;
            EXPECT_NE(encoded[i], '\n')
                << "character " << int(text[i].unicode()) << " at " << i + 1;
        }
        EXPECT_EQ(ScrambledField::decode(encoded, key), text);
    }
}

INSTANTIATE_TEST_SUITE_P(FileKeys, ScrambledFieldWithKey,
                         testing::Values(FileKey{"Project", &buildProjectCodecKey},
                                         FileKey{"Language", &LanguageFile::buildLanguageKey}),
                         [](const testing::TestParamInfo<FileKey>& param) {
                             return std::string(param.param.name);
                         });

TEST(ScrambledFieldStorable, ControlCharactersAndCharactersWithoutAByteAreFlagged) {
    struct Case {
        QString text;
        qsizetype unstorable;
    };
    const Case cases[] = {
        {QString(), -1},
        {QStringLiteral(" Finale \u00FF\u20AC\u007F"), -1},
        {QStringLiteral("a\tb"), 1},
        {QStringLiteral("ab\r\n"), 2},
        {QStringLiteral("\u001F"), 0},
        {QString(QChar(u'\0')), 0},
        {QStringLiteral("Cue \u4E2D"), 4},
        {QStringLiteral("\u0100\t"), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(ScrambledField::firstUnstorable(c.text), c.unstorable);
    }
}

} // namespace
} // namespace zyn
