#include "AboutDialog.h"

#include "SettingsTextId.h"
#include "Version.h"
#include "document/ShowDocument.h"
#include "platform/Prompter.h"
#include "settings/TextId.h"
#include "ui/IconSet.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

namespace zyn {

namespace {

constexpr int PictureSize = 64;
constexpr int FrameInterval = 80; // ms

// The burst blooming from a spark to its full size.
QList<QPixmap> bloomFrames() {
    const QPixmap full = IconSet::applicationIcon().pixmap(PictureSize);
    QList<QPixmap> frames;
    for (int i = 0; i < AboutDialog::FrameCount; ++i) {
        QPixmap frame(PictureSize, PictureSize);
        frame.fill(Qt::transparent);
        QPainter painter(&frame);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const double scale = 0.35 + 0.65 * i / (AboutDialog::FrameCount - 1);
        const int side = int(PictureSize * scale);
        painter.setOpacity(0.4 + 0.6 * scale);
        painter.drawPixmap(QRect((PictureSize - side) / 2, (PictureSize - side) / 2, side, side),
                           full);
        frames.append(frame);
    }
    return frames;
}

QLabel* label(const QString& name, const QString& text) {
    auto* result = new QLabel(text);
    result->setObjectName(name);
    result->setWordWrap(true);
    return result;
}

} // namespace

AboutDialog::AboutDialog(ShowDocument& document, QWidget* parent)
    : QDialog(parent), m_document(document), m_picture(new QLabel), m_timer(new QTimer(this)),
      m_frames(bloomFrames()) {
    const QString title = QLatin1String(Version::ProductName);
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(document.text(SettingsTextId::AboutCaption) + u' ' + title);
    m_picture->setObjectName(QStringLiteral("picIcon"));
    m_picture->setFixedSize(PictureSize, PictureSize);
    m_picture->setPixmap(m_frames.first());
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(FrameInterval);
    connect(m_timer, &QTimer::timeout, this, &AboutDialog::nextFrame);

    QLabel* heading =
        label(QStringLiteral("lblTitle"),
              title + QStringLiteral(" - ") + document.text(SettingsTextId::Subtitle));
    QFont big = heading->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    heading->setFont(big);
    auto* sysInfo = new QPushButton(document.text(SettingsTextId::SystemInfoButton));
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    auto* ok = new QPushButton(IconSet::icon(QStringLiteral("OK")), QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(sysInfo, &QPushButton::clicked, this, &AboutDialog::StartSysInfo);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_picture, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(heading, 0, 1);
    layout->addWidget(label(QStringLiteral("lblVersion"), QStringLiteral("Version %1.%2.%3")
                                                              .arg(Version::Major)
                                                              .arg(Version::Minor)
                                                              .arg(Version::Revision)),
                      1, 1);
    layout->addWidget(
        label(QStringLiteral("lblDescription"), document.text(SettingsTextId::AboutDescription)), 2,
        1);
    layout->addWidget(label(QStringLiteral("Label1"), document.text(SettingsTextId::AboutWarning)),
                      3, 1);
    layout->addWidget(
        label(QStringLiteral("lblDisclaimer"), document.text(SettingsTextId::AboutDisclaimer)), 4,
        1);
    layout->addWidget(label(QStringLiteral("lblProgrammer"), QString()), 5, 1);
    layout->addWidget(label(QStringLiteral("lblNumber"), QString()), 6, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(sysInfo);
    buttons->addWidget(ok);
    layout->addLayout(buttons, 7, 0, 1, 2);
    setMinimumWidth(460);
    m_timer->start();
}

void AboutDialog::nextFrame() {
    m_frame = m_frame % FrameCount + 1;
    m_picture->setPixmap(m_frames[m_frame - 1]);
}

void AboutDialog::StartSysInfo() {
    static const char* const tools[] = {"kinfocenter", "hardinfo", "gnome-system-monitor"};
    for (const char* tool : tools) {
        const QString program = QStandardPaths::findExecutable(QLatin1String(tool));
        if (!program.isEmpty() && QProcess::startDetached(program, {}))
            return;
    }
    m_document.prompter.warn(QStringLiteral("Systeminformationen sind momentan nicht verfügbar"),
                             windowTitle());
}

} // namespace zyn
