#include "fakes/QtPrinters.h"
#include "show/Assignment.h"

#include <gtest/gtest.h>

namespace zyn {
namespace {

using Kind = Assignment::Kind;

struct CellCase {
    const char* cell;
    Kind kind;
    double number;
    std::optional<double> level;
};

void PrintTo(const CellCase& c, std::ostream* os) {
    *os << '"' << c.cell << '"';
}

class AssignmentCell : public testing::TestWithParam<CellCase> {};

TEST_P(AssignmentCell, IsTakenApartByTheCellRules) {
    const CellCase& c = GetParam();
    const Assignment parsed = Assignment::parse(QString::fromLatin1(c.cell));
    EXPECT_EQ(parsed.kind, c.kind);
    EXPECT_EQ(parsed.number, c.number);
    EXPECT_EQ(parsed.level, c.level);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, AssignmentCell,
    testing::Values(
        CellCase{"", Kind::Empty, 0, std::nullopt}, CellCase{"12", Kind::Cue, 12, std::nullopt},
        CellCase{"12-3", Kind::Cue, 12, 3}, CellCase{"3200-10", Kind::Cue, 3200, 10},
        CellCase{"K 4", Kind::Key, 4, std::nullopt}, CellCase{"K 10", Kind::Key, 10, std::nullopt},
        CellCase{"K 4-2", Kind::Key, 4, 2}, CellCase{"K4", Kind::Key, 4, std::nullopt},
        // Odd cells from old or hand-edited files still read the same way.
        CellCase{"abc", Kind::Cue, 0, std::nullopt}, CellCase{"-5", Kind::Cue, -5, 5},
        CellCase{"12-", Kind::Cue, 12, 0}, CellCase{"12-3-4", Kind::Cue, 12, 3},
        CellCase{"K", Kind::Key, 0, std::nullopt}, CellCase{" K 4", Kind::Cue, 0, std::nullopt},
        CellCase{"k 4", Kind::Cue, 0, std::nullopt}),
    [](const testing::TestParamInfo<CellCase>& param) {
        return "Case" + std::to_string(param.index);
    });

TEST(AssignmentText, CueAndKeyCellsAreWrittenAsTheyAreRead) {
    EXPECT_EQ(Assignment::cueText(12), u"12");
    EXPECT_EQ(Assignment::cueText(12, 3), u"12-3");
    EXPECT_EQ(Assignment::keyText(4), u"K 4");
    EXPECT_EQ(Assignment::keyText(10, 2), u"K 10-2");
}

} // namespace
} // namespace zyn
