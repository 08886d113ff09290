#pragma once

#include "platform/Prompter.h"

class QWidget;

namespace zyn {

// The prompter of the desktop application: real message boxes, with the
// normal pointer shown while a box waits for the user.
class MessageBoxPrompter : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr) : m_parent(parent) {}

    void setParent(QWidget* parent) { m_parent = parent; }

    bool ask(const QString& text, const QString& title) override;
    void warn(const QString& text, const QString& title) override;
    void critical(const QString& text, const QString& title) override;

private:
    QWidget* m_parent;
};

} // namespace zyn
