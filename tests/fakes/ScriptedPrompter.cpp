#include "ScriptedPrompter.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace zyn::test {

bool ScriptedPrompter::ask(const QString& text, const QString& title) {
    m_shown.append({Kind::Question, text, title});
    if (m_answers.isEmpty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return false;
    }
    return m_answers.takeFirst();
}

void ScriptedPrompter::warn(const QString& text, const QString& title) {
    m_shown.append({Kind::Warning, text, title});
}

void ScriptedPrompter::critical(const QString& text, const QString& title) {
    m_shown.append({Kind::Critical, text, title});
}

int ScriptedPrompter::count(Kind kind) const {
    return static_cast<int>(std::count_if(m_shown.begin(), m_shown.end(),
                                          [kind](const Box& box) { return box.kind == kind; }));
}

} // namespace zyn::test
