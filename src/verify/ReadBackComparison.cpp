#include "ReadBackComparison.h"

#include "MediumReading.h"
#include "PlanComparison.h"

#include <algorithm>

namespace zyn {

ReadBackComparison ReadBackComparison::of(QByteArrayView written, QByteArrayView readBack) {
    ReadBackComparison comparison;
    const auto [w, r] =
        std::mismatch(written.begin(), written.end(), readBack.begin(), readBack.end());
    if (w == written.end() && r == readBack.end())
        return comparison;
    comparison.firstDifference = w - written.begin();
    const PlanReading expected = MediumReading::read(written);
    const PlanReading found = MediumReading::read(readBack);
    if (expected.ok() && found.ok())
        comparison.differences = PlanComparison::compare(*expected.plan, *found.plan);
    return comparison;
}

QString ReadBackComparison::text() const {
    if (differences.empty())
        return QStringLiteral("the file read back differs from the table at byte %1")
            .arg(firstDifference);
    QStringList lines{QStringLiteral("the file read back differs from the table:")};
    for (const PlanDifference& difference : differences)
        lines << PlanComparison::line(difference);
    return lines.join(u'\n');
}

} // namespace zyn
