#include "CupsService.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <chrono>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace zyn::test {

namespace {

constexpr int StartTimeoutMs = 10000;
constexpr int StopTimeoutMs = 5000;
constexpr int ClientTimeoutMs = 15000;
constexpr int LogLines = 20;

const QString BackendSettingsFolder = QStringLiteral("/etc/cups");
const QString Backend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
const QString Driver = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");

QString findProgram(const QString& name) {
    const QString found = QStandardPaths::findExecutable(name);
    return found.isEmpty() ? QStandardPaths::findExecutable(
                                 name, {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")})
                           : found;
}

bool writeFile(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(text.toUtf8()) == text.toUtf8().size();
}

QString lastLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    return QFileInfo(path).fileName() + QStringLiteral(":\n") +
           lines.mid(std::max(0, int(lines.size()) - LogLines)).join(u'\n') + u'\n';
}

} // namespace

QString CupsService::socketIn(const QString& folder) {
    return QDir(folder).filePath(QStringLiteral("cups.sock"));
}

CupsService::CupsService(const QString& folder, const QString& queue, const QString& location)
    : m_folder(folder), m_queue(queue),
      m_instance(QStringLiteral("zyntest%1").arg(QCoreApplication::applicationPid())),
      m_backendSettings(QDir(BackendSettingsFolder)
                            .filePath(QStringLiteral("cups-pdf-%1.conf").arg(m_instance))) {
    m_available = prepare() && writeConfiguration() && start() && addQueue(location);
    if (!m_available)
        stop();
}

CupsService::~CupsService() {
    stop();
}

bool CupsService::prepare() {
    if (::geteuid() != 0) {
        m_why = QStringLiteral("the PDF printer backend runs only as root");
        return false;
    }
    for (const char* program : {"cupsd", "lpadmin", "lpstat"}) {
        if (findProgram(QLatin1String(program)).isEmpty()) {
            m_why = QStringLiteral("%1 is missing (packages cups, cups-client)")
                        .arg(QLatin1String(program));
            return false;
        }
    }
    if (!QFileInfo::exists(Backend) || !QFileInfo::exists(Driver)) {
        m_why = QStringLiteral("%1 or %2 is missing (package printer-driver-cups-pdf)")
                    .arg(Backend, Driver);
        return false;
    }
    return true;
}

bool CupsService::writeConfiguration() {
    const QDir folder(m_folder);
    for (const char* sub : {"conf", "spool", "cache", "state", "log", "pdf", "pdf-spool"})
        folder.mkpath(QLatin1String(sub));
    // The filters run as the service's own user and must reach the spool.
    QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                        QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                        QFile::ExeOther);
    const auto in = [&](const char* name) { return folder.filePath(QLatin1String(name)); };
    const QString files =
        QStringLiteral("ServerRoot %1\nRequestRoot %2\nCacheDir %3\n"
                       "StateDir %4\nAccessLog %5/access_log\n"
                       "ErrorLog %5/error_log\nPageLog %5/page_log\n"
                       "Printcap %6\nSystemGroup root\n")
            .arg(in("conf"), in("spool"), in("cache"), in("state"), in("log"), in("printcap"));
    // Anyone on the machine who finds the socket may print: it lives in the
    // test's folder and the queue only writes files there.
    const QString daemon =
        QStringLiteral("LogLevel warn\nListen %1\nBrowsing No\nWebInterface No\n"
                       "DefaultAuthType None\nErrorPolicy abort-job\n"
                       "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                       "<Policy default>\n  <Limit All>\n    Order allow,deny\n    Allow all\n"
                       "  </Limit>\n</Policy>\n")
            .arg(socketIn(m_folder));
    const QString backend = QStringLiteral("Out %1\nAnonDirName %1\nSpool %2\nLog %3\n"
                                           "LogType 3\nLabel 0\n")
                                .arg(in("pdf"), in("pdf-spool"), in("log"));
    if (!writeFile(in("conf/cups-files.conf"), files) ||
        !writeFile(in("conf/cupsd.conf"), daemon)) {
        m_why = QStringLiteral("cannot write the print service's configuration in ") + m_folder;
        return false;
    }
    if (!writeFile(m_backendSettings, backend)) {
        m_why = QStringLiteral("cannot write ") + m_backendSettings;
        return false;
    }
    return true;
}

bool CupsService::start() {
    const QDir folder(m_folder);
    m_daemon = std::make_unique<QProcess>();
    m_daemon->setProcessChannelMode(QProcess::MergedChannels);
    m_daemon->setStandardOutputFile(folder.filePath(QStringLiteral("log/cupsd-output")));
    m_daemon->start(findProgram(QStringLiteral("cupsd")),
                    {QStringLiteral("-f"), QStringLiteral("-c"),
                     folder.filePath(QStringLiteral("conf/cupsd.conf")), QStringLiteral("-s"),
                     folder.filePath(QStringLiteral("conf/cups-files.conf"))});
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(StartTimeoutMs);
    while (!answers()) {
        if (m_daemon->state() == QProcess::NotRunning ||
            std::chrono::steady_clock::now() >= deadline) {
            m_why = QStringLiteral("\"cupsd -f\" did not start:\n") + logTail();
            return false;
        }
        QThread::msleep(50);
    }
    return true;
}

bool CupsService::addQueue(const QString& location) {
    // The default conversion to PostScript turns the embedded fonts into
    // glyph shapes whose text cannot be read back from the PDF; the cairo
    // one keeps it.
    return run(QStringLiteral("lpadmin"),
               {QStringLiteral("-p"), m_queue, QStringLiteral("-L"), location, QStringLiteral("-v"),
                QStringLiteral("cups-pdf:/") + m_instance, QStringLiteral("-P"), Driver,
                QStringLiteral("-o"), QStringLiteral("pdftops-renderer-default=pdftocairo"),
                QStringLiteral("-E")},
               nullptr);
}

bool CupsService::answers() const {
    const QByteArray path = QFile::encodeName(socketIn(m_folder));
    sockaddr_un address{};
    if (size_t(path.size()) >= sizeof(address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::copy(path.begin(), path.end(), address.sun_path);
    const int probe = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (probe < 0)
        return false;
    const bool connected =
        ::connect(probe, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(probe);
    return connected;
}

bool CupsService::run(const QString& program, const QStringList& arguments, QString* output) const {
    QProcess client;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("CUPS_SERVER"), socketIn(m_folder));
    client.setProcessEnvironment(environment);
    client.start(findProgram(program), arguments);
    const bool finished = client.waitForFinished(ClientTimeoutMs);
    const QString out = QString::fromLocal8Bit(client.readAllStandardOutput());
    if (!finished || client.exitStatus() != QProcess::NormalExit || client.exitCode() != 0) {
        m_why = QStringLiteral("%1 %2 failed: %3%4")
                    .arg(program, arguments.join(u' '),
                         QString::fromLocal8Bit(client.readAllStandardError()), logTail());
        return false;
    }
    if (output)
        *output = out;
    return true;
}

void CupsService::stop() {
    if (m_daemon && m_daemon->state() != QProcess::NotRunning) {
        m_daemon->terminate();
        if (!m_daemon->waitForFinished(StopTimeoutMs)) {
            m_daemon->kill();
            m_daemon->waitForFinished(StopTimeoutMs);
        }
    }
    m_daemon.reset();
    QFile::remove(m_backendSettings);
}

QString CupsService::pdfFolder() const {
    return QDir(m_folder).filePath(QStringLiteral("pdf"));
}

QStringList CupsService::pdfFiles() const {
    QStringList files;
    const QDir folder(pdfFolder());
    for (const QString& name :
         folder.entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time | QDir::Reversed))
        files.append(folder.filePath(name));
    return files;
}

bool CupsService::waitUntilIdle(int milliseconds) const {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    QString pending;
    while (run(QStringLiteral("lpstat"), {QStringLiteral("-o"), m_queue}, &pending)) {
        if (pending.trimmed().isEmpty())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        QThread::msleep(100);
    }
    return false;
}

QString CupsService::logTail() const {
    const QDir log(QDir(m_folder).filePath(QStringLiteral("log")));
    return lastLines(log.filePath(QStringLiteral("cupsd-output"))) +
           lastLines(log.filePath(QStringLiteral("error_log"))) +
           lastLines(log.filePath(QStringLiteral("cups-pdf-%1_log").arg(m_queue)));
}

} // namespace zyn::test
