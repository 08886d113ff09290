#pragma once

#include "platform/FileDialogs.h"

class QWidget;

namespace zyn {

// The platform's file dialogs.
class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : m_parent(parent) {}

    void setParent(QWidget* parent) { m_parent = parent; }

    std::optional<QString> openFile(const QString& directory, const QString& filter) override;
    std::optional<OpenChoice> openFileOfType(const QString& directory,
                                             const QString& filters) override;
    std::optional<QString> saveFile(const QString& directory, const QString& proposed,
                                    const QString& filter, const QString& suffix) override;

private:
    QWidget* m_parent;
};

} // namespace zyn
