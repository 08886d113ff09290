#include "CheckFindingText.h"

#include "CheckRule.h"
#include "settings/LanguageTexts.h"
#include "transfer/TableRefusalText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace zyn::CheckFindingText {

QString severityName(CheckFinding::Severity severity) {
    switch (severity) {
    case CheckFinding::Severity::Error:
        return QStringLiteral("error");
    case CheckFinding::Severity::Warning:
        return QStringLiteral("warning");
    case CheckFinding::Severity::Note:
        break;
    }
    return QStringLiteral("note");
}

QString place(const CheckFinding& finding) {
    const QString holder = finding.cue   ? QStringLiteral("cue %1").arg(finding.cue)
                           : finding.key ? QStringLiteral("key %1").arg(finding.key)
                                         : QString();
    if (!finding.slave)
        return holder;
    QString out = QStringLiteral("slave %1").arg(finding.slave);
    if (finding.channel)
        out += QStringLiteral(" channel %1").arg(finding.channel);
    if (!holder.isEmpty())
        out += QStringLiteral(" (") + holder + u')';
    return out;
}

QString message(const CheckFinding& finding, const LanguageTexts& texts) {
    const CheckRule* rule = CheckRule::find(finding.rule);
    QString out = rule ? texts.text(rule->text) : finding.rule;
    if (!finding.cell.isEmpty())
        out += QStringLiteral(": \"") + finding.cell + u'"';
    else if (finding.count)
        out += QStringLiteral(": ") + QString::number(finding.count);
    return out;
}

QString line(const CheckFinding& finding, const LanguageTexts& texts) {
    QString out = severityName(finding.severity) + u' ' + finding.rule;
    const QString where = place(finding);
    if (!where.isEmpty())
        out += u' ' + where;
    return out + QStringLiteral(": ") + message(finding, texts);
}

QStringList lines(const std::vector<CheckFinding>& findings, const LanguageTexts& texts,
                  int maxLines) {
    return TableRefusalText::firstLines(findings.size(), texts, maxLines,
                                        [&](std::size_t i) { return line(findings[i], texts); });
}

QByteArray json(const std::vector<CheckFinding>& findings, const LanguageTexts& texts) {
    QJsonArray list;
    int errors = 0;
    int warnings = 0;
    for (const CheckFinding& finding : findings) {
        QJsonObject entry{{QStringLiteral("severity"), severityName(finding.severity)},
                          {QStringLiteral("rule"), finding.rule},
                          {QStringLiteral("message"), message(finding, texts)}};
        const std::pair<const char*, int> places[] = {{"cue", finding.cue},
                                                      {"key", finding.key},
                                                      {"slave", finding.slave},
                                                      {"channel", finding.channel}};
        for (const auto& [name, value] : places) {
            if (value)
                entry.insert(QLatin1String(name), value);
        }
        list.append(entry);
        errors += finding.severity == CheckFinding::Severity::Error;
        warnings += finding.severity == CheckFinding::Severity::Warning;
    }
    const QJsonObject root{{QStringLiteral("findings"), list},
                           {QStringLiteral("errors"), errors},
                           {QStringLiteral("warnings"), warnings}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace zyn::CheckFindingText
