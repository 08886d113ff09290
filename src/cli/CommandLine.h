#pragma once

#include <QMap>
#include <QSet>
#include <QStringList>

namespace zyn {

// The words of a command line sorted into options with a value ("-o FILE"),
// flags ("--manual") and the rest, in order.
struct CommandLine {
    QStringList positional;
    QMap<QString, QString> values;
    QSet<QString> flags;
    QString error; // "" when every word fitted

    static CommandLine parse(const QStringList& words, const QStringList& valueOptions,
                             const QStringList& flagOptions);
};

} // namespace zyn
