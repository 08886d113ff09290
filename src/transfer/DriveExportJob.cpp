#include "DriveExportJob.h"

#include "DriveExport.h"

namespace zyn {

DriveExportJob::DriveExportJob(QString volumeRoot, ControllerTable table)
    : m_root(std::move(volumeRoot)), m_table(std::move(table)) {}

void DriveExportJob::run() {
    m_reported = 0;
    m_error = DriveExport::writeTableToVolume(
        m_root, m_table, [this](int steps) { reportStep(steps); }, &m_differences);
    emit finished();
}

void DriveExportJob::reportStep(int steps) {
    if (steps - m_reported < BatchSteps && steps != ControllerTable::ProgressSteps)
        return;
    m_reported = steps;
    emit progressChanged(steps);
}

} // namespace zyn
