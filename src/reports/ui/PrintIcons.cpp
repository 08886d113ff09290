#include "PrintIcons.h"

#include "ui/IconSet.h"

namespace zyn::PrintIcons {

QIcon printer(PrinterEntry::Kind kind) {
    switch (kind) {
    case PrinterEntry::Kind::Network:
        return QIcon(QStringLiteral(":/icons/printer-network.svg"));
    case PrinterEntry::Kind::Fax:
        return QIcon(QStringLiteral(":/icons/printer-fax.svg"));
    case PrinterEntry::Kind::Printer:
        break;
    }
    return IconSet::icon(QStringLiteral("Printing"));
}

QIcon pdfFile() {
    return QIcon(QStringLiteral(":/icons/pdf-file.svg"));
}

QPixmap orientation(bool portrait, int height) {
    const QIcon sheet(portrait ? QStringLiteral(":/icons/sheet-portrait.svg")
                               : QStringLiteral(":/icons/sheet-landscape.svg"));
    return sheet.pixmap(height);
}

} // namespace zyn::PrintIcons
