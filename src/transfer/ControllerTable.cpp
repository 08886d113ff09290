#include "ControllerTable.h"

#include "TableReceiver.h"

namespace zyn {

void ControllerTable::append(TableUnit unit) {
    for (const char byte : unit.bytes)
        m_sum = quint8(m_sum + quint8(byte));
    m_size += unit.bytes.size();
    m_units.push_back(std::move(unit));
}

QByteArray ControllerTable::bytes() const {
    QByteArray out;
    out.reserve(m_size);
    for (const TableUnit& unit : m_units)
        out.append(unit.bytes);
    return out;
}

bool ControllerTable::handOut(TableReceiver& receiver) const {
    for (const TableUnit& unit : m_units) {
        if (receiver.take(unit) == TableReceiver::Answer::Stop)
            return false;
    }
    return true;
}

} // namespace zyn
