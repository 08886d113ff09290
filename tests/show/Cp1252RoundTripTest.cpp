#include "fakes/QtPrinters.h"
#include "show/Cp1252.h"

#include <gtest/gtest.h>

namespace zyn {
namespace {

TEST(Cp1252, EveryByteDecodesAndEncodesBackToItself) {
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(static_cast<char>(byte));
    const QString text = Cp1252::decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(Cp1252::firstUnencodable(text), -1);
    EXPECT_EQ(Cp1252::encode(text), all);
}

TEST(Cp1252, CharactersOfTheHighRange) {
    struct Case {
        char16_t unicode;
        unsigned char byte;
    };
    const Case cases[] = {
        {u'\u20AC', 0x80}, {u'\u201A', 0x82}, {u'\u2122', 0x99}, {u'\u0178', 0x9F},
        {u'\u0081', 0x81}, {u'\u008D', 0x8D}, {u'\u008F', 0x8F}, {u'\u0090', 0x90},
        {u'\u009D', 0x9D}, {u'\u00A0', 0xA0}, {u'\u00E4', 0xE4}, {u'\u00FF', 0xFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.byte);
        const QByteArray byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(Cp1252::decode(byte), QString(QChar(c.unicode)));
        EXPECT_EQ(Cp1252::encode(QString(QChar(c.unicode))), byte);
    }
}

TEST(Cp1252, CharactersWithoutAByteAreFoundAndBecomeQuestionMarks) {
    // U+0080 and U+009F are Latin-1 positions the code page gives to other characters.
    for (const char16_t missing : {u'\u4E2D', u'\u0080', u'\u009F', u'\u0100', u'\u2028'}) {
        SCOPED_TRACE(int(missing));
        EXPECT_FALSE(Cp1252::canEncode(QChar(missing)));
    }
    const QString text = QStringLiteral("ab\u20AC\u4E2Dc\u4E2D");
    EXPECT_EQ(Cp1252::firstUnencodable(text), 3);
    EXPECT_EQ(Cp1252::encode(text), QByteArray("ab\x80?c?"));
    EXPECT_EQ(Cp1252::firstUnencodable(u""), -1);
}

} // namespace
} // namespace zyn
