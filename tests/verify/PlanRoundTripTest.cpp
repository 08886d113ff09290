// Reading a medium back gives the plan of the show it was built from, for
// random shows: the builders and the decoders, written apart, agree.
#include "show/Show.h"
#include "transfer/CardImage.h"
#include "transfer/TableBuilder.h"
#include "verify/CardDecoder.h"
#include "verify/PlanComparison.h"
#include "verify/ShowPlan.h"
#include "verify/TableDecoder.h"

#include <gtest/gtest.h>
#include <memory>
#include <random>

using namespace zyn;

namespace {

constexpr int ShowCount = 300;

class RandomShow {
public:
    explicit RandomShow(unsigned seed) : m_random(seed) {}

    std::unique_ptr<Show> next() {
        auto show = std::make_unique<Show>();
        show->clearForTimeCodedShow();
        show->state.ShowMode = pick(8) == 0 ? ManualShow : TimeCodedShow;
        const int rows = pick(MaxCues + 1);
        for (int row = 1; row <= rows; ++row)
            show->cues.row(row).TimeText = timeText();
        const int density = pick(100) + 1; // cells out of 100 that are filled
        for (int slave = 1; slave <= MaxSlaves; ++slave) {
            for (int channel = 1; channel <= ChannelsPerSlave; ++channel) {
                if (pick(100) < density)
                    show->ics.cell(slave, channel) = cellText();
            }
        }
        return show;
    }

private:
    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(m_random); }

    QString two(int below) {
        return QStringLiteral("%1").arg(pick(below), 2, 10, QLatin1Char('0'));
    }

    QString timeText() {
        const QString code = two(24) + u':' + two(60) + u':' + two(60);
        switch (pick(9)) {
        case 0:
            return {};
        case 1:
            return QStringLiteral("MAN");
        case 2:
            return QStringLiteral("TS #%1").arg(pick(50) + 1);
        case 3:
            return QStringLiteral("TR #%1").arg(pick(50) + 1);
        case 4:
            return code + u'.' + two(100); // as the time shift writes it
        case 5:
            return QStringLiteral("99:99:99:9") + QString::number(pick(10));
        default:
            return code + u':' + two(100);
        }
    }

    QString cellText() {
        const QString level = pick(2) ? QStringLiteral("-%1").arg(pick(MaxLevel + 1)) : QString();
        switch (pick(6)) {
        case 0:
            return QStringLiteral("K %1").arg(pick(MaxKey) + 1) + level;
        case 1:
            return QString::number(pick(2) ? 0 : MaxCues + 1 + pick(100)) + level;
        case 2:
            return QString::number(pick(12) + 1) + level; // many channels on a few cues
        default:
            return QString::number(pick(MaxCues) + 1) + level;
        }
    }

    std::mt19937 m_random;
};

std::string firstDifferences(const FiringPlan& show, const FiringPlan& medium) {
    return PlanComparison::differences(show, medium).mid(0, 5).join(u'\n').toStdString();
}

TEST(PlanRoundTrip, TableAndCardReadBackAsTheShowsPlan) {
    const StopLabels labels = StopLabels::fileForm();
    RandomShow shows(20261207);
    for (int n = 0; n < ShowCount; ++n) {
        SCOPED_TRACE(n);
        const std::unique_ptr<Show> show = shows.next();

        const TableBuilder::Result table = TableBuilder(labels).build(*show);
        ASSERT_TRUE(table.ok());
        const PlanReading fromTable = TableDecoder::decode(table.table.bytes());
        ASSERT_TRUE(fromTable.ok()) << fromTable.error.text().toStdString();
        const FiringPlan tablePlan = ShowPlan::forTable(*show, labels);
        EXPECT_TRUE(fromTable.plan->cues == tablePlan.cues &&
                    fromTable.plan->keys == tablePlan.keys)
            << firstDifferences(tablePlan, *fromTable.plan);
        EXPECT_TRUE(fromTable.plan->checksum->ok());

        const CardImage::Result card = CardImage::build(*show);
        ASSERT_TRUE(card.ok());
        const PlanReading fromCard = CardDecoder::decode(card.bytes);
        ASSERT_TRUE(fromCard.ok()) << fromCard.error.text().toStdString();
        const FiringPlan cardPlan = ShowPlan::forCard(*show);
        EXPECT_TRUE(fromCard.plan->cues == cardPlan.cues)
            << firstDifferences(cardPlan, *fromCard.plan);
    }
}

} // namespace
