#include "TableFileCheck.h"

#include "MediumReading.h"
#include "PlanComparison.h"

#include <QFile>

namespace zyn {

TableFileCheck::Content TableFileCheck::read(const QString& path) {
    Content content;
    QFile file(path);
    if (!file.exists())
        return content;
    content.state = Content::State::Unreadable;
    if (!file.open(QIODevice::ReadOnly)) {
        content.error = file.errorString();
        return content;
    }
    content.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        content.error = file.errorString();
        return content;
    }
    content.state = Content::State::Read;
    return content;
}

TableFileCheck TableFileCheck::compare(const Content& content, const FiringPlan& show) {
    TableFileCheck check;
    check.detail = content.error;
    switch (content.state) {
    case Content::State::Missing:
        check.outcome = Outcome::Missing;
        return check;
    case Content::State::Unreadable:
        check.outcome = Outcome::Unreadable;
        return check;
    case Content::State::Read:
        break;
    }
    const PlanReading reading = MediumReading::read(content.bytes);
    if (!reading.ok() || reading.plan->source != FiringPlan::Source::Table) {
        check.outcome = Outcome::Damaged;
        if (!reading.ok())
            check.detail = reading.error.text();
        return check;
    }
    check.differences = PlanComparison::compare(show, *reading.plan);
    check.outcome = check.differences.empty() ? Outcome::Equal : Outcome::Differs;
    return check;
}

} // namespace zyn
