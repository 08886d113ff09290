#include "EditContext.h"

#include "platform/Prompter.h"
#include "settings/TextId.h"

namespace zyn {

namespace {

const QString TwoLineBreaks = QStringLiteral("\r\n\r\n");

QString orKeyword(const QString& label, const QString& keyword) {
    return label.isEmpty() ? keyword : label;
}

} // namespace

StopLabels EditContext::stopLabels() const {
    return usableLabels(texts.stopLabels());
}

StopLabels EditContext::usableLabels(const StopLabels& labels) {
    const StopLabels file = StopLabels::fileForm();
    return {orKeyword(labels.stop, file.stop), orKeyword(labels.timedStop, file.timedStop),
            orKeyword(labels.resetStop, file.resetStop)};
}

bool EditContext::ask(const QString& question) const {
    return prompter.ask(question, text(TextId::QuestionTitle));
}

bool EditContext::confirmDelete(const QString& question) const {
    return !settings.askBeforeDelete || ask(question);
}

void EditContext::warn(const QString& message, int titleText) const {
    prompter.warn(message, text(titleText));
}

void EditContext::showStatus(int textNumber) const {
    if (status)
        status(text(textNumber));
}

void EditContext::clearStatus() const {
    if (status)
        status(QString());
}

QString EditContext::countQuestion(int count, int single, int lead, int tail, int closing) const {
    if (count == 1)
        return text(single);
    return text(TextId::WarningTitle) + TwoLineBreaks + text(lead) + u' ' + QString::number(count) +
           u' ' + text(tail) + TwoLineBreaks + text(closing);
}

} // namespace zyn
