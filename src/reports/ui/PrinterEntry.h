#pragma once

#include <QString>

namespace zyn {

// One installed printer as the print dialog lists it.
struct PrinterEntry {
    // The picture the printer list shows for it.
    enum class Kind { Printer = 1, Network = 2, Fax = 3 };

    QString name;   // device name
    QString port;   // where it is connected
    QString driver; // driver name
    bool remote = false;
    bool isDefault = false;

    // A printer reached over the network (a "\\server\queue" port or a
    // remote queue) is shown as one even when its name says fax; otherwise
    // a name beginning with "FAX" in any case marks a fax.
    Kind kind() const {
        if (remote || port.startsWith(QStringLiteral("\\\\")))
            return Kind::Network;
        if (name.startsWith(QStringLiteral("FAX"), Qt::CaseInsensitive))
            return Kind::Fax;
        return Kind::Printer;
    }
};

} // namespace zyn
