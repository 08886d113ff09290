#include "StepperTable.h"

#include <QtGlobal>

namespace zyn {

QString& StepperTable::cell(int i) {
    Q_ASSERT(isValidCell(i));
    return m_cells[static_cast<size_t>(i - 1)];
}

const QString& StepperTable::cell(int i) const {
    Q_ASSERT(isValidCell(i));
    return m_cells[static_cast<size_t>(i - 1)];
}

void StepperTable::clear() {
    for (QString& text : m_cells)
        text.clear();
}

} // namespace zyn
