#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>

namespace zyn::test {

// A print service of the test's own: "cupsd -f" listening on a socket in the
// given folder, with its configuration, spool, cache and logs there too, and
// one virtual PDF queue whose jobs arrive as PDF files in pdfFolder(). A print
// service of the system is never touched: clients reach this one only when
// CUPS_SERVER names socketIn(folder). The PDF backend reads its settings from
// /etc/cups alone, so the queue's settings file there carries a name of this
// instance and is removed with the service. The backend runs only as root.
class CupsService {
public:
    // The socket clients are pointed at, for a service in that folder.
    static QString socketIn(const QString& folder);

    CupsService(const QString& folder, const QString& queue, const QString& location);
    ~CupsService();
    CupsService(const CupsService&) = delete;
    CupsService& operator=(const CupsService&) = delete;

    // True when the service answers and has the queue; otherwise why() says
    // what is missing.
    bool available() const { return m_available; }
    const QString& why() const { return m_why; }

    QString pdfFolder() const;
    // The PDF files that arrived so far, oldest first.
    QStringList pdfFiles() const;
    // Waits until every job has ended, printed or not; false on timeout.
    bool waitUntilIdle(int milliseconds) const;
    // The last lines of the service's and the backend's logs, for failure
    // messages.
    QString logTail() const;

private:
    bool prepare();
    bool writeConfiguration();
    bool start();
    bool addQueue(const QString& location);
    bool answers() const;
    // Runs a client program against this service; false, with why() set,
    // when it failed.
    bool run(const QString& program, const QStringList& arguments, QString* output) const;
    void stop();

    QString m_folder;
    QString m_queue;
    QString m_instance;
    QString m_backendSettings;
    std::unique_ptr<QProcess> m_daemon;
    bool m_available = false;
    mutable QString m_why;
};

} // namespace zyn::test
