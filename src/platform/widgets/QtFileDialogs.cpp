#include "QtFileDialogs.h"

#include "BusyCursor.h"

#include <QDir>
#include <QFileDialog>

namespace zyn {

std::optional<QString> QtFileDialogs::openFile(const QString& directory, const QString& filter) {
    const BusyCursor::Suspend normalPointer;
    const QString path = QFileDialog::getOpenFileName(m_parent, QString(), directory, filter);
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
}

std::optional<QString> QtFileDialogs::saveFile(const QString& directory, const QString& proposed,
                                               const QString& filter) {
    const BusyCursor::Suspend normalPointer;
    const QString start = proposed.isEmpty() ? directory : proposed;
    const QString path = QFileDialog::getSaveFileName(m_parent, QString(), start, filter);
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
}

} // namespace zyn
