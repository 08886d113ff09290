#pragma once

#include "ControllerTable.h"
#include "show/FileError.h"
#include "verify/PlanDifference.h"

#include <QObject>
#include <QString>
#include <vector>

namespace zyn {

// One write of the table file, made to run on a worker thread while the
// window that started it stays live. It owns copies of all it touches, so the
// window may close while the medium is still being written.
//
// Progress goes out in batches of BatchSteps steps (and once more at the last
// step), so a receiver in another thread gets at most about 200 queued events
// for the whole table, however fast the medium takes the units.
class DriveExportJob : public QObject {
    Q_OBJECT

public:
    static constexpr int BatchSteps = 32;

    DriveExportJob(QString volumeRoot, ControllerTable table);

    // Writes the file, then emits finished(); error() holds the outcome from
    // then on.
    void run();

    const QString& volumeRoot() const { return m_root; }
    const FileError& error() const { return m_error; }
    // How the file read back departs from the table, in the show's terms.
    const std::vector<PlanDifference>& readBackDifferences() const { return m_differences; }

signals:
    // The progress steps written so far, 1 to ControllerTable::ProgressSteps.
    void progressChanged(int steps);
    void finished();

private:
    void reportStep(int steps);

    QString m_root;
    ControllerTable m_table;
    FileError m_error;
    std::vector<PlanDifference> m_differences;
    int m_reported = 0;
};

} // namespace zyn
