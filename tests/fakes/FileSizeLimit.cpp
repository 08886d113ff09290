#include "FileSizeLimit.h"

#include <csignal>

namespace zyn::test {

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    if (getrlimit(RLIMIT_FSIZE, &m_previous) != 0 ||
        (m_previous.rlim_max != RLIM_INFINITY && m_previous.rlim_max < bytes))
        return;
    m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = m_previous;
    lowered.rlim_cur = bytes;
    m_active = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    if (!m_active)
        std::signal(SIGXFSZ, m_previousHandler);
}

FileSizeLimit::~FileSizeLimit() {
    if (!m_active)
        return;
    setrlimit(RLIMIT_FSIZE, &m_previous);
    std::signal(SIGXFSZ, m_previousHandler);
}

} // namespace zyn::test
