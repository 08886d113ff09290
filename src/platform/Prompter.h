#pragma once

#include <QString>

namespace zyn {

// Every question, warning and error box the program shows goes through this
// interface; no other code creates a message box. The application shows real
// boxes, tests script the answers.
class Prompter {
public:
    virtual ~Prompter() = default;

    // A yes/no question with the question icon; true for Yes.
    virtual bool ask(const QString& text, const QString& title) = 0;
    // A warning with the exclamation icon and an OK button.
    virtual void warn(const QString& text, const QString& title) = 0;
    // A critical error (the file functions' error box) with an OK button.
    virtual void critical(const QString& text, const QString& title) = 0;
};

} // namespace zyn
