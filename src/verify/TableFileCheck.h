#pragma once

#include "FiringPlan.h"
#include "PlanDifference.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace zyn {

// A controller table file on a medium held against the plan the show gives
// the table. Reading is split from comparing: the read may block on a slow
// medium and runs off the user-interface thread, while the show's plan is
// computed where the show lives.
struct TableFileCheck {
    enum class Outcome { Equal, Differs, Missing, Unreadable, Damaged };

    struct Content {
        enum class State { Read, Missing, Unreadable };
        State state = State::Missing;
        QByteArray bytes;
        QString error; // why it could not be read
    };

    Outcome outcome = Outcome::Missing;
    std::vector<PlanDifference> differences; // Differs
    QString detail;                          // what is wrong with the file

    static Content read(const QString& path);
    // Anything but a readable controller table is damaged: a card image or a
    // cut-off table cannot be the controller's file.
    static TableFileCheck compare(const Content& content, const FiringPlan& show);
};

} // namespace zyn
