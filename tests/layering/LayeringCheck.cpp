#include "LayeringCheck.h"

#include "QtModules.h"

namespace zyn::test {

QStringList LayeringCheck::filesOn(Floor floor) const {
    QStringList found;
    for (const QString& path : m_tree.codeFiles())
        if (floorOf(m_tree, path) == floor)
            found.append(path);
    return found;
}

QStringList LayeringCheck::floorOffences(Floor floor) const {
    QStringList offences;
    for (const QString& path : filesOn(floor)) {
        for (const IncludeLine& include : m_tree.includesOf(path)) {
            const QString target = include.quoted ? m_tree.resolve(path, include.name) : QString();
            if (target.isEmpty())
                continue;
            const QString problem = reachProblem(floor, target, floorOf(m_tree, target));
            if (!problem.isEmpty())
                offences.append(QStringLiteral("%1 includes %2: %3")
                                    .arg(where(path, include.line), target, problem));
        }
    }
    return offences;
}

QStringList LayeringCheck::qtModuleOffences(const QtModules& qt) const {
    QStringList offences;
    for (const QString& path : filesOn(Floor::Core)) {
        for (const IncludeLine& include : m_tree.includesOf(path)) {
            const QString module = include.quoted ? QString() : qt.moduleOf(include.name);
            if (!module.isEmpty() && module != u"QtCore")
                offences.append(QStringLiteral("%1 includes <%2> from %3: core links Qt Core only")
                                    .arg(where(path, include.line), include.name, module));
        }
    }
    return offences;
}

QStringList LayeringCheck::longFiles(int maxLines) const {
    QStringList offences;
    for (const QString& path : m_tree.files()) {
        const int lines = m_tree.lineCount(path);
        if (lines > maxLines)
            offences.append(QStringLiteral("src/%1 has %2 lines, more than %3")
                                .arg(path)
                                .arg(lines)
                                .arg(maxLines));
    }
    return offences;
}

QString LayeringCheck::where(const QString& path, int line) const {
    return QStringLiteral("src/%1:%2").arg(path).arg(line);
}

} // namespace zyn::test
