#include "CommandLine.h"

namespace zyn {

CommandLine CommandLine::parse(const QStringList& words, const QStringList& valueOptions,
                               const QStringList& flagOptions) {
    CommandLine line;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        if (valueOptions.contains(word)) {
            if (i + 1 >= words.size()) {
                line.error = QStringLiteral("%1 needs a value").arg(word);
                return line;
            }
            if (line.values.contains(word)) {
                line.error = QStringLiteral("%1 is given twice").arg(word);
                return line;
            }
            line.values.insert(word, words[++i]);
        } else if (flagOptions.contains(word)) {
            line.flags.insert(word);
        } else if (word.startsWith(u'-') && word.size() > 1) {
            line.error = QStringLiteral("unknown option %1").arg(word);
            return line;
        } else {
            line.positional.append(word);
        }
    }
    return line;
}

} // namespace zyn
