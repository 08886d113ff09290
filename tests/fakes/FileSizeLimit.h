#pragma once

#include <sys/resource.h>

namespace zyn::test {

// Lowers the largest file this process may write, as a full disk stops a
// write part-way; writes beyond it fail with EFBIG instead of a signal. The
// limit is the process's: keep the scope around the write under test.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // False when the limit could not be lowered here.
    bool active() const { return m_active; }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
    bool m_active = false;
};

} // namespace zyn::test
