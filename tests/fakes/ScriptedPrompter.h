#pragma once

#include "platform/Prompter.h"

#include <QList>
#include <QStringList>

namespace zyn::test {

// Answers questions from a script and records every box it was asked to
// show, so a test can check both what the user was asked and what followed.
class ScriptedPrompter : public Prompter {
public:
    enum class Kind { Question, Warning, Critical };

    struct Box {
        Kind kind;
        QString text;
        QString title;
    };

    // The answers to the next questions, in order; a question beyond the
    // script fails the test.
    void answer(std::initializer_list<bool> answers) { m_answers.append(answers); }

    bool ask(const QString& text, const QString& title) override;
    void warn(const QString& text, const QString& title) override;
    void critical(const QString& text, const QString& title) override;

    const QList<Box>& shown() const { return m_shown; }
    int count(Kind kind) const;
    bool scriptUsedUp() const { return m_answers.isEmpty(); }
    void clear() {
        m_shown.clear();
        m_answers.clear();
    }

private:
    QList<bool> m_answers;
    QList<Box> m_shown;
};

} // namespace zyn::test
