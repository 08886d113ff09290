// The differences between a show's plan and a medium's, in show terms.
#include "verify/PlanComparison.h"

#include <functional>
#include <gtest/gtest.h>

using namespace zyn;

namespace {

struct Case {
    const char* name;
    std::function<void(FiringPlan& show, FiringPlan& medium)> change;
    QStringList lines;
};

const Case Cases[] = {
    {"equal plans", [](FiringPlan&, FiringPlan&) {}, {}},
    {"channel missing on the medium",
     [](FiringPlan& show, FiringPlan& medium) {
         show.cue(12).channels = {{3, 4, 0}, {3, 5, 2}};
         medium.cue(12).channels = {{3, 4, 0}};
     },
     {"cue 12: slave 3 channel 5 is missing on the medium"}},
    {"channel only on the medium, level differs",
     [](FiringPlan& show, FiringPlan& medium) {
         show.key(4) = {{1, 2, 7}};
         medium.key(4) = {{1, 1, 0}, {1, 2, 4}};
     },
     {"key 4: slave 1 channel 1 is on the medium, not in the show",
      "key 4: slave 1 channel 2 has level 4 on the medium, 7 in the show"}},
    {"times differ, bad checksum first",
     [](FiringPlan& show, FiringPlan& medium) {
         show.cue(40).time = PlanTime::time(10230);
         medium.cue(40).time = PlanTime::time(10203);
         show.cue(41).time = PlanTime::of(PlanTime::Kind::TimedStop);
         medium.checksum = FiringPlan::Checksum{32120, 0x4E, 0x4D};
     },
     {"checksum bad: offset 32120 holds 4E, the bytes before it sum to 4D",
      "cue 40: 00:01:02:03 on the medium, 00:01:02:30 in the show",
      "cue 41: none on the medium, timed-stop in the show"}},
};

TEST(PlanComparison, NamesEachDifferenceInShowTerms) {
    for (const Case& c : Cases) {
        SCOPED_TRACE(c.name);
        FiringPlan show;
        FiringPlan medium;
        c.change(show, medium);
        EXPECT_EQ(PlanComparison::differences(show, medium), c.lines);
    }
}

} // namespace
