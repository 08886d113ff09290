#include "SoundtrackDecoding.h"

#include "TimelineTextId.h"
#include "document/ShowDocument.h"
#include "platform/Prompter.h"
#include "platform/audio/AubioBeatTracker.h"
#include "platform/audio/SndfileDecoder.h"
#include "settings/TextId.h"
#include "soundtrack/SoundtrackLoader.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStyle>
#include <QToolButton>

namespace zyn {

namespace {
constexpr int ProgressSteps = 1000;
}

SoundtrackDecoding::SoundtrackDecoding(ShowDocument& document, QWidget* parent)
    : QWidget(parent), m_document(document), m_tracker(std::make_unique<AubioBeatTracker>()) {
    setObjectName(QStringLiteral("soundtrackDecoding"));
    m_label = new QLabel;
    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("soundtrackProgress"));
    m_progress->setRange(0, ProgressSteps);
    m_progress->setMaximumHeight(14);
    m_stop = new QToolButton;
    m_stop->setObjectName(QStringLiteral("soundtrackStop"));
    m_stop->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
    m_stop->setAutoRaise(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->addWidget(m_label);
    layout->addWidget(m_progress, 1);
    layout->addWidget(m_stop);
    connect(m_stop, &QToolButton::clicked, this, &SoundtrackDecoding::stop);
    relabel();
    hide();
    follow();
}

SoundtrackDecoding::~SoundtrackDecoding() {
    // The loader waits for its worker, which still uses the decoder.
    m_loader.reset();
}

bool SoundtrackDecoding::reading() const {
    return m_loader && m_loader->isLoading();
}

void SoundtrackDecoding::follow() {
    const auto check = [this] {
        const QString& file = m_document.soundtrack().file;
        if (file.isEmpty()) {
            stop();
            return;
        }
        if (m_document.audio() || (reading() && file == m_file))
            return;
        // A file that is gone was reported when the show was loaded or the
        // soundtrack chosen; it is read once the user points to it again.
        if (!QFileInfo(file).isReadable()) {
            stop();
            return;
        }
        start(file);
    };
    connect(&m_document, &ShowDocument::soundtrackChanged, this, check);
    connect(&m_document, &ShowDocument::showReplaced, this, check);
    connect(&m_document, &ShowDocument::languageChanged, this, &SoundtrackDecoding::relabel);
    check();
}

void SoundtrackDecoding::start(const QString& file) {
    m_loader.reset();
    m_decoder = std::make_unique<SndfileDecoder>(m_document.texts());
    m_loader = std::make_unique<SoundtrackLoader>(*m_decoder, *m_tracker);
    connect(m_loader.get(), &SoundtrackLoader::progress, this,
            [this](double fraction) { m_progress->setValue(int(fraction * ProgressSteps)); });
    connect(m_loader.get(), &SoundtrackLoader::finished, this, &SoundtrackDecoding::finished);
    connect(m_loader.get(), &SoundtrackLoader::failed, this, &SoundtrackDecoding::failed);
    m_file = file;
    m_progress->setValue(0);
    show();
    m_loader->load(file);
}

void SoundtrackDecoding::stop() {
    if (m_loader)
        m_loader->cancel();
    m_file.clear();
    hide();
}

void SoundtrackDecoding::finished(std::shared_ptr<const SoundtrackAudio> audio) {
    hide();
    // The user may have chosen another file meanwhile.
    if (m_document.soundtrack().file == m_file)
        m_document.setAudio(std::move(audio));
}

void SoundtrackDecoding::failed(const QString& message) {
    hide();
    m_document.prompter.warn(m_document.text(TimelineTextId::SoundtrackUnreadable) +
                                 QStringLiteral("\n") + QDir::toNativeSeparators(m_file) +
                                 QStringLiteral("\n\n") + message,
                             m_document.text(TextId::WarningTitle));
}

void SoundtrackDecoding::relabel() {
    m_label->setText(m_document.text(TimelineTextId::ReadingSoundtrack));
    m_stop->setToolTip(m_document.text(TimelineTextId::StopReadingTooltip));
}

} // namespace zyn
