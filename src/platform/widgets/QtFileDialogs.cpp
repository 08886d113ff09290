#include "QtFileDialogs.h"

#include "BusyCursor.h"

#include <QDir>
#include <QFileDialog>
#include <algorithm>

namespace zyn {

std::optional<QString> QtFileDialogs::openFile(const QString& directory, const QString& filter) {
    const BusyCursor::Suspend normalPointer;
    const QString path = QFileDialog::getOpenFileName(m_parent, QString(), directory, filter);
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
}

std::optional<FileDialogs::OpenChoice> QtFileDialogs::openFileOfType(const QString& directory,
                                                                     const QString& filters) {
    const BusyCursor::Suspend normalPointer;
    const QStringList entries = filters.split(QStringLiteral(";;"), Qt::SkipEmptyParts);
    QString selected = entries.value(0);
    const QString path =
        QFileDialog::getOpenFileName(m_parent, QString(), directory, filters, &selected);
    if (path.isEmpty())
        return std::nullopt;
    return OpenChoice{path, int(std::max<qsizetype>(entries.indexOf(selected), 0)) + 1};
}

std::optional<QString> QtFileDialogs::saveFile(const QString& directory, const QString& proposed,
                                               const QString& filter) {
    const BusyCursor::Suspend normalPointer;
    const QString start = proposed.isEmpty() ? directory : proposed;
    const QString path = QFileDialog::getSaveFileName(m_parent, QString(), start, filter);
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
}

} // namespace zyn
