#include "show/TextCodec.h"

#include "fakes/QtPrinters.h"

#include <array>
#include <gtest/gtest.h>

namespace zyn {
namespace {

constexpr std::array<int, 7> Codes = {7, 3, 9, 5, 2, 8, 4};

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
