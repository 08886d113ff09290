#include "ResponsiveSpreadsheetEngine.h"

#include <QEventLoop>
#include <thread>

namespace zyn {

SpreadsheetEngine::Opened ResponsiveSpreadsheetEngine::open(const QString& path) const {
    Opened opened;
    QEventLoop waiting;
    std::thread worker([&] {
        opened = m_engine.open(path);
        // Queued, so it reaches the loop even when the work ended before the
        // loop started.
        QMetaObject::invokeMethod(&waiting, &QEventLoop::quit, Qt::QueuedConnection);
    });
    waiting.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    return opened;
}

} // namespace zyn
