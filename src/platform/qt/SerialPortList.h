#pragma once

#include <QStringList>

namespace zyn {

// Which device each serial port number 1 to 30 stands for. The real serial
// devices in order of their system location with numbers compared by value
// (/dev/ttyS2 before /dev/ttyS10), so a port keeps its number as long as the
// same devices are present; ZYN_SERIAL_PORTS (comma-separated device paths)
// replaces that list, for tests and unusual setups. Ports beyond the list do
// not exist.
class SerialPortList {
public:
    static constexpr int MaxPorts = 30;
    static constexpr const char* EnvironmentVariable = "ZYN_SERIAL_PORTS";

    SerialPortList() = default;
    explicit SerialPortList(QStringList devices);

    // The list of this machine: the variable when it is set and not empty,
    // otherwise the serial devices the system reports.
    static SerialPortList fromSystem();
    // The devices of a ZYN_SERIAL_PORTS value: entries trimmed, empty ones
    // dropped.
    static SerialPortList fromVariable(const QString& value);
    // Devices ordered by location with embedded numbers compared by value.
    static QStringList ordered(QStringList locations);

    // The device of port 1..30, "" when the port does not exist.
    QString device(int port) const;
    const QStringList& devices() const { return m_devices; }

private:
    QStringList m_devices;
};

} // namespace zyn
