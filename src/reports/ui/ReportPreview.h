#pragma once

#include <QImage>
#include <QWidget>

namespace zyn {

class ReportRenderer;
struct Report;

// The preview surface of the report window: one page on a sheet of the
// report's paper at its real size on the screen, drawn by the routine that
// also draws the printer's and the PDF's pages. The page is drawn once when
// it is shown, not on every repaint.
class ReportPreview : public QWidget {
public:
    explicit ReportPreview(QWidget* parent = nullptr);

    // Draws the page of the report; the surface takes the report's sheet.
    void showPage(const ReportRenderer& renderer, const Report& report, int page);

    // The page as last drawn, in device pixels.
    const QImage& page() const { return m_page; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_page;
};

} // namespace zyn
