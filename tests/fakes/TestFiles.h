#pragma once

#include "TestPaths.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>

namespace zyn::test {

// What the file holds; empty when it cannot be read, so a missing file shows
// as a failed comparison rather than a crash.
inline QByteArray fileContent(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the whole file; false when that failed.
inline bool putFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Every entry of a folder, hidden ones included: what a write left behind.
inline QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// A file of the test data.
inline QByteArray fixture(const QString& relative) {
    return fileContent(dataDir(relative));
}

} // namespace zyn::test
