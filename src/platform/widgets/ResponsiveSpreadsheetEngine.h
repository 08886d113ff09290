#pragma once

#include "platform/SpreadsheetEngine.h"

namespace zyn {

// Opens workbooks through another engine on a worker thread, while the
// windows go on painting and their timers run; user input waits until the
// workbook is open. Reading a damaged workbook may take until the reader's
// time limit, and the window must not stand frozen for it.
class ResponsiveSpreadsheetEngine : public SpreadsheetEngine {
public:
    explicit ResponsiveSpreadsheetEngine(const SpreadsheetEngine& engine) : m_engine(engine) {}

    bool available() const override { return m_engine.available(); }
    Opened open(const QString& path) const override;

private:
    const SpreadsheetEngine& m_engine;
};

} // namespace zyn
