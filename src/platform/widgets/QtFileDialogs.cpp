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
                                               const QString& filter, const QString& suffix) {
    const BusyCursor::Suspend normalPointer;
    QFileDialog dialog(m_parent, QString(), proposed.isEmpty() ? directory : proposed, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Qt's own dialog adds the suffix before its replace question. A platform
    // dialog may ask about the bare name and have the suffix added after it
    // closed, and then overwrite a file nobody was asked about.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QString path = dialog.selectedFiles().value(0);
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
}

} // namespace zyn
