#pragma once

#include "fakes/TestPaths.h"
#include "reports/Report.h"
#include "reports/ReportBuilder.h"
#include "reports/TextMeasurer.h"
#include "settings/LanguageSource.h"
#include "show/Show.h"

#include <QFile>
#include <memory>

namespace zyn::test {

// Every character as wide as every other: widths a test can count.
class CharWidthMeasurer : public TextMeasurer {
public:
    explicit CharWidthMeasurer(double mmPerChar = 2, double lineHeight = 4)
        : m_mmPerChar(mmPerChar), m_lineHeight(lineHeight) {}

    double textWidth(const QString& text) const override { return text.size() * m_mmPerChar; }
    double lineHeight() const override { return m_lineHeight; }

private:
    double m_mmPerChar;
    double m_lineHeight;
};

inline LanguageTexts englishTexts() {
    QFile file(QDir(languageSourceDir()).filePath(QStringLiteral("English.txt")));
    file.open(QIODevice::ReadOnly);
    return LanguageSource::parse(file.readAll()).texts;
}

inline std::unique_ptr<Show> emptyShow(qint16 mode = TimeCodedShow) {
    auto show = std::make_unique<Show>();
    if (mode == ManualShow)
        show->clearForManualShow();
    else
        show->clearForTimeCodedShow();
    return show;
}

// The report as the window builds it at load; A4 when no paper is given.
inline Report buildReport(const Show& show, qint16 kind, const TextMeasurer& measurer,
                          PaperReading paper = {}) {
    const LanguageTexts texts = englishTexts();
    const ReportBuilder builder(show, texts, measurer, paper);
    Report report = builder.windowLoad();
    report.Kind = kind;
    builder.sb_Make_DatenPool(report);
    return report;
}

} // namespace zyn::test
