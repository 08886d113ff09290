#include "SerialPortList.h"

#include <QSerialPortInfo>
#include <algorithm>

namespace zyn {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

qsizetype digitRunEnd(QStringView text, qsizetype i) {
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i;
}

// The digits of a number without its leading zeros ("007" gives "7", "0" stays).
QStringView significant(QStringView digits) {
    qsizetype zeros = 0;
    while (zeros + 1 < digits.size() && digits[zeros] == u'0')
        ++zeros;
    return digits.mid(zeros);
}

// Text compares as text, digit runs by value: ttyS2 < ttyS10 < ttyUSB0.
bool naturalLess(QStringView a, QStringView b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (!isDigit(a[i]) || !isDigit(b[j])) {
            if (a[i] != b[j])
                return a[i] < b[j];
            ++i;
            ++j;
            continue;
        }
        const qsizetype iEnd = digitRunEnd(a, i);
        const qsizetype jEnd = digitRunEnd(b, j);
        const QStringView x = significant(a.mid(i, iEnd - i));
        const QStringView y = significant(b.mid(j, jEnd - j));
        if (x.size() != y.size())
            return x.size() < y.size();
        if (const int order = x.compare(y); order != 0)
            return order < 0;
        i = iEnd;
        j = jEnd;
    }
    return a.size() - i < b.size() - j;
}

} // namespace

SerialPortList::SerialPortList(QStringList devices) : m_devices(std::move(devices)) {
    if (m_devices.size() > MaxPorts)
        m_devices.resize(MaxPorts);
}

SerialPortList SerialPortList::fromSystem() {
    const QString variable = qEnvironmentVariable(EnvironmentVariable);
    if (!variable.trimmed().isEmpty())
        return fromVariable(variable);
    QStringList locations;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        locations.append(info.systemLocation());
    return SerialPortList(ordered(locations));
}

SerialPortList SerialPortList::fromVariable(const QString& value) {
    QStringList devices;
    for (const QString& entry : value.split(u',')) {
        const QString device = entry.trimmed();
        if (!device.isEmpty())
            devices.append(device);
    }
    return SerialPortList(devices);
}

QStringList SerialPortList::ordered(QStringList locations) {
    locations.removeDuplicates();
    std::stable_sort(locations.begin(), locations.end(),
                     [](const QString& a, const QString& b) { return naturalLess(a, b); });
    return locations;
}

QString SerialPortList::device(int port) const {
    if (port < 1 || port > m_devices.size())
        return {};
    return m_devices[port - 1];
}

} // namespace zyn
