#include "RealKeyboard.h"

#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

namespace zyn::test {

namespace {

constexpr int ToolTimeoutMs = 10000;

} // namespace

QStringList RealKeyboard::missingTools() {
    QStringList missing;
    for (const auto& [tool, package] :
         {std::pair{"xdotool", "xdotool"}, std::pair{"setxkbmap", "x11-xkb-utils"}}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            missing.append(QStringLiteral("%1 (package %2)").arg(tool, package));
    }
    return missing;
}

bool RealKeyboard::press(const QString& chord) {
    return run(QStringLiteral("xdotool"),
               {QStringLiteral("key"), QStringLiteral("--clearmodifiers"), chord})
        .has_value();
}

bool RealKeyboard::gesture(const QStringList& commands) {
    return run(QStringLiteral("xdotool"), commands).has_value();
}

bool RealKeyboard::setLayout(const QString& layout) {
    return run(QStringLiteral("setxkbmap"), {QStringLiteral("-display"), m_display, layout})
        .has_value();
}

std::optional<QString> RealKeyboard::windowName(quintptr window) {
    const std::optional<QByteArray> name =
        run(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), QString::number(window)});
    if (!name)
        return std::nullopt;
    return QString::fromUtf8(name->endsWith('\n') ? name->chopped(1) : *name);
}

// The tool's output when it ran to a good end in time.
std::optional<QByteArray> RealKeyboard::run(const QString& program, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(ToolTimeoutMs, &loop, &QEventLoop::quit);
    process.start(program, arguments);
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

} // namespace zyn::test
