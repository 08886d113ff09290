#pragma once

#include "PlanDifference.h"

#include <QByteArrayView>
#include <QString>
#include <vector>

namespace zyn {

// Bytes read back from a medium held against the bytes written to it. A
// byte address means nothing to the user, so a difference is told in the
// show's terms whenever both decode to a plan; the address is kept for the
// bytes that make none (a cut-off file, say).
struct ReadBackComparison {
    std::vector<PlanDifference> differences; // empty when the bytes make no plan
    qsizetype firstDifference = -1;          // byte offset; -1 when equal

    static ReadBackComparison of(QByteArrayView written, QByteArrayView readBack);

    bool equal() const { return firstDifference < 0; }
    // English, for the command line and the error's detail: the differences
    // one a line, or the byte offset.
    QString text() const;
};

} // namespace zyn
