// The drawing routine on real Qt paint devices: millimetres on any
// resolution, and a PDF of every page.
#include "reports/render/ReportPdf.h"

#include "ReportTestSupport.h"
#include "fakes/GuiApplication.h"
#include "fakes/QtPrinters.h"
#include "fakes/TestFiles.h"
#include "reports/render/FontMeasurer.h"
#include "reports/render/PageLayouts.h"
#include "reports/render/PainterTarget.h"
#include "reports/render/ReportFonts.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zyn {
namespace {

class PaintedReport : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(test::ensureGuiApplication()); }
};

TEST_F(PaintedReport, DrawsInMillimetresWhateverTheResolution) {
    for (const int dpi : {96, 600}) {
        SCOPED_TRACE(dpi);
        const double perMm = dpi / 25.4;
        QImage image(int(60 * perMm), int(40 * perMm), QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(dpi / 0.0254));
        image.setDotsPerMeterY(qRound(dpi / 0.0254));
        QPainter painter(&image);
        PainterTarget target(painter);
        target.clear();
        target.drawRect(10, 10, 50, 30);
        target.setFont(ReportFonts::text());
        const double lineHeight = target.textHeight();
        painter.end();
        const auto dark = [&](double x, double y) {
            return qGray(image.pixel(int(x * perMm), int(y * perMm))) < 128;
        };
        EXPECT_TRUE(dark(10, 20) && dark(50, 20) && dark(30, 10) && dark(30, 30));
        EXPECT_FALSE(dark(30, 20) || dark(5, 20));
        // 9-point text is as high in millimetres on every device as the
        // line height the pool pages by.
        EXPECT_NEAR(lineHeight, FontMeasurer().lineHeight(), 0.25);
    }
}

TEST_F(PaintedReport, APdfHoldsEveryPageOnTheSheetTheReportWasBuiltFor) {
    QTemporaryDir dir;
    const FontMeasurer measurer;
    const LanguageTexts texts = test::englishTexts();
    for (const qint16 kind : {ChannelListReport, TimeListReport}) {
        SCOPED_TRACE(kind);
        const Report report = test::buildReport(*test::emptyShow(), kind, measurer);
        // The printable area of the PDF's page is the report's drawing area.
        const PaperReading paper =
            PageLayouts::readPaper(PageLayouts::forGeometry(report.Geometry, report.IsPortrait));
        EXPECT_NEAR(paper.scaleWidth - 0.5, 202.7002, 0.1);
        EXPECT_NEAR(paper.scaleHeight - 0.5, 280.5054, 0.1);

        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        ASSERT_TRUE(ReportPdf::save(report, texts, QDate(2024, 3, 5), path).ok());
        const QString pdf = QString::fromLatin1(test::fileContent(path));
        EXPECT_TRUE(pdf.startsWith(u"%PDF-"));
        EXPECT_EQ(pdf.count(QRegularExpression(QStringLiteral("/Type /Page\\b(?!s)"))),
                  report.PageCount);
        const QRegularExpressionMatch box =
            QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]"))
                .match(pdf);
        ASSERT_TRUE(box.hasMatch());
        EXPECT_EQ(box.captured(1).toDouble() > box.captured(2).toDouble(), !report.IsPortrait);
    }
    EXPECT_EQ(ReportPdf::save(test::buildReport(*test::emptyShow(), TimeListReport, measurer),
                              texts, QDate(2024, 3, 5), dir.filePath("no/such/r.pdf"))
                  .kind,
              FileError::Kind::CannotWrite);
}

} // namespace
} // namespace zyn
