#pragma once

#include <QStringList>

class QIODevice;

namespace zyn {

// The command-line tool: the same core as the desktop application, no display.
// Exit status 0 on success, 1 on failure with one line on the error stream,
// 2 on a usage error.
class ZynCtl {
public:
    enum Status { Success = 0, Failure = 1, UsageError = 2 };

    // `executableDir` and `userDataDir` locate the program directory when no
    // "--home DIR" is given.
    ZynCtl(QIODevice& out, QIODevice& err, QString executableDir, QString userDataDir);

    int run(const QStringList& arguments);

private:
    QIODevice& m_out;
    QIODevice& m_err;
    QString m_executableDir;
    QString m_userDataDir;
};

} // namespace zyn
