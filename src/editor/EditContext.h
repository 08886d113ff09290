#pragma once

#include "settings/LanguageTexts.h"
#include "show/Settings.h"

#include <functional>

namespace zyn {

class Prompter;
class Show;

// What every editing operation works with: the show it changes, the texts
// of the current language, the user's question switches and the prompter
// through which it asks and warns. `status` shows a text in status panel 1
// while a long operation runs ("" empties the panel); it may be left unset.
struct EditContext {
    Show& show;
    const LanguageTexts& texts;
    const Settings& settings;
    Prompter& prompter;
    std::function<void(const QString&)> status = {};

    QString text(int number) const { return texts.text(number); }

    // The stop labels of the current language. A label the language lacks
    // is replaced by the keyword project files store for it: an empty label
    // would turn a stop into an empty row, and every text begins with "".
    StopLabels stopLabels() const;
    static StopLabels usableLabels(const StopLabels& labels);

    // A yes/no question with the question title; true for Yes.
    bool ask(const QString& question) const;
    // A question before deleting or overwriting, asked only when the delete
    // question is switched on; true when the operation may go ahead.
    bool confirmDelete(const QString& question) const;
    void warn(const QString& message, int titleText) const;
    void showStatus(int textNumber) const;
    void clearStatus() const;

    // The question about one item, or, for several, the warning title, the
    // count sentence and the closing question:
    //   text 10, 2 line breaks, lead, " ", count, " ", tail, 2 line breaks, closing
    QString countQuestion(int count, int single, int lead, int tail, int closing) const;
};

} // namespace zyn
