#include "show/TextCodec.h"

#include "fakes/QtPrinters.h"

#include <array>
#include <gtest/gtest.h>

namespace zyn {
namespace {

constexpr std::array<int, 7> Codes = {7, 3, 9, 5, 2, 8, 4};

TEST(TextCodecKey, IsBuiltFromItsCodesAndRepeatsOverTheText) {
    const QByteArray key = BuildKeyString(Codes);
    ASSERT_EQ(key.size(), 7);
    const KeyCodes codes = KeyCodesOf(key);
    EXPECT_EQ(codes, KeyCodes(Codes.begin(), Codes.end()));
    for (const qsizetype position : {1, 8, 15})
        EXPECT_EQ(KeyCodeAt(position, codes), 7) << position;
    EXPECT_EQ(KeyCodeAt(7, codes), 4);
    EXPECT_EQ(KeyCodeAt(14, codes), 4);
    EXPECT_EQ(KeyCodeAt(9, codes), 3);
    // Codes above 127 must not turn negative on the way through char.
    EXPECT_EQ(KeyCodesOf(BuildKeyString(std::array{200, 255})), (KeyCodes{200, 255}));
}

TEST(TextCodecWrap, AddAndSubtractWrapAt255) {
    struct Case {
        qint16 a, b, sum, difference;
    };
    const Case cases[] = {
        {0, 0, 0, 0},     {245, 10, 255, 235}, {246, 10, 1, 236}, {255, 1, 1, 254},
        {254, 2, 1, 252}, {5, 7, 12, 253},     {1, 1, 2, 0},      {0, 1, 1, 254},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << ", " << c.b);
        EXPECT_EQ(AddWrap255(c.a, c.b), c.sum);
        EXPECT_EQ(SubWrap255(c.a, c.b), c.difference);
    }
}

TEST(TextCodecScramble, UnscrambleUndoesScrambleForEveryByteBelow255AtEveryPosition) {
    const QByteArray key = BuildKeyString(std::array{7, 3, 9, 10, 1, 8, 200});
    QByteArray text;
    // 255 and 7 share no factor, so every byte lands once on every key position.
    for (int round = 0; round < key.size(); ++round) {
        for (int byte = 0; byte < 255; ++byte)
            text.append(static_cast<char>(byte));
    }
    const QByteArray scrambled = ScrambleText(text, key);
    EXPECT_NE(scrambled, text);
    EXPECT_EQ(UnscrambleText(scrambled, key), text);
}

TEST(TextCodecScramble, ShiftsEachByteByItsKeyCode) {
    const QByteArray key = BuildKeyString(Codes);
    EXPECT_EQ(ScrambleText("AAAAAAAA", key), QByteArray("HDJFCIEH"));
    // 255 scrambles like 0, and a sum of 256 wraps to 1.
    EXPECT_EQ(ScrambleText("\xFF", key), QByteArray("\x07"));
    EXPECT_EQ(ScrambleText(QByteArray(1, '\0'), key), QByteArray("\x07"));
    EXPECT_EQ(ScrambleText("\xF9", key), QByteArray("\x01"));
    EXPECT_EQ(UnscrambleText("\x07", key), QByteArray(1, '\0'));
    EXPECT_EQ(ScrambleText("", key), QByteArray());
    EXPECT_EQ(UnscrambleText("", key), QByteArray());
}

} // namespace
} // namespace zyn
