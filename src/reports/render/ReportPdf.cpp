#include "ReportPdf.h"

#include "PageLayouts.h"
#include "PainterTarget.h"
#include "ReportRenderer.h"
#include "reports/PrintChoice.h"
#include "reports/Report.h"
#include "show/AtomicFile.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

namespace zyn::ReportPdf {

FileError save(const Report& report, const LanguageTexts& texts, QDate today, const QString& path) {
    return save(report, texts, today, path, PrintChoice{}, 1);
}

FileError save(const Report& report, const LanguageTexts& texts, QDate today, const QString& path,
               const PrintChoice& choice, int currentPage) {
    const ReportRenderer renderer(report, texts, today);
    if (renderer.pagesToPrint(choice, currentPage) == 0)
        return {};
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(report.ReportTitle);
        writer.setCreator(report.TitleInfo[0]);
        writer.setPageLayout(PageLayouts::forGeometry(report.Geometry, report.IsPortrait));
        QPainter painter;
        if (!painter.begin(&writer)) {
            FileError error = FileError::at(FileError::Kind::CannotWrite, path);
            error.detail = QStringLiteral("the PDF could not be started");
            return error;
        }
        PainterTarget target(painter);
        renderer.sb_Report_ListenSeite_Print(target, choice, currentPage);
        if (painter.isActive())
            painter.end();
    }
    return AtomicFile::save(path, buffer.data());
}

} // namespace zyn::ReportPdf
