#pragma once

#include <QDialog>
#include <QList>
#include <QPixmap>

class QLabel;
class QTimer;

namespace zyn {

class ShowDocument;

// frmAbout: the program's name and version, with a small animation and a
// button that starts the system's information tool where there is one.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int FrameCount = 24;

    AboutDialog(ShowDocument& document, QWidget* parent = nullptr);

    // Timer1: the next picture of the animation, 1 to 24 and round again.
    void nextFrame();
    int frame() const { return m_frame; }

    // StartSysInfo: starts the first system-information tool found on the
    // PATH, or says that none is available.
    void StartSysInfo();

private:
    ShowDocument& m_document;
    QLabel* m_picture;
    QTimer* m_timer;
    QList<QPixmap> m_frames;
    int m_frame = 1;
};

} // namespace zyn
