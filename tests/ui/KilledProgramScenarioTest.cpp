// The real program, killed with SIGKILL after edits and started again,
// offers a recovery copy that holds those edits.
//
// The program runs as its own process on Qt's VNC platform, which takes key
// events from a VNC client; this test is that client. It presses keys as a
// user does and waits for the screen to change and settle between steps, so
// the program under test is exactly the one users run.
#include "UiTestSupport.h"
#include "fakes/QtPrinters.h"
#include "fakes/VncClient.h"
#include "show/ProjectKey.h"
#include "show/ProjectReader.h"
#include "show/RecentFiles.h"
#include "show/RecoveryFile.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

using namespace zyn;
using namespace zyn::test;

namespace {

using Key = VncClient::Key;

constexpr int Width = 1280;
constexpr int Height = 800;

// The program writes and removes its files a moment after the screen shows
// the step that does it.
bool waitForFile(const QString& path, bool present = true) {
    QElapsedTimer clock;
    clock.start();
    while (QFileInfo::exists(path) != present) {
        if (clock.elapsed() > VncClient::StepTimeoutMs)
            return false;
        QThread::msleep(50);
    }
    return true;
}

class KilledProgram : public ::testing::Test {
protected:
    void SetUp() override {
        m_program = QDir(builtLanguageDir()).filePath(QStringLiteral("../zynk5"));
        if (!QFileInfo(m_program).isExecutable())
            GTEST_SKIP() << "the program is not built: " << m_program.toStdString();
    }

    void TearDown() override {
        if (m_process && m_process->state() != QProcess::NotRunning) {
            m_process->kill();
            m_process->waitForFinished();
        }
    }

    // Starts the program over the test's program directory and waits for
    // its start dialog.
    void start() {
        const quint16 port = VncClient::freePort();
        m_process = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(
            QStringLiteral("QT_QPA_PLATFORM"),
            QStringLiteral("vnc:size=%1x%2:port=%3").arg(Width).arg(Height).arg(port));
        m_process->setProcessEnvironment(environment);
        m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process->start(m_program, {QStringLiteral("--home"), home()});
        ASSERT_TRUE(m_process->waitForStarted());
        m_vnc = std::make_unique<VncClient>(Width, Height);
        ASSERT_TRUE(m_vnc->connect(port, *m_process)) << "no VNC server on port " << port;
        m_screen = m_vnc->settled(m_vnc->blankScreen());
        ASSERT_FALSE(m_screen.isEmpty()) << "the start dialog did not appear";
    }

    // Presses a key that changes the screen and waits for it to settle.
    void step(quint32 key, quint32 modifier = 0) {
        m_vnc->press(key, modifier);
        m_screen = m_vnc->settled(m_screen);
        ASSERT_FALSE(m_screen.isEmpty()) << "the screen did not change after key " << key;
    }

    void waitForChange() {
        m_screen = m_vnc->settled(m_screen);
        ASSERT_FALSE(m_screen.isEmpty()) << "the screen did not change";
    }

    QString home() const { return m_dir.filePath(QStringLiteral("home")); }

    static std::unique_ptr<Show> read(const QString& path, bool asStored) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        auto show = std::make_unique<Show>();
        show->clearForTimeCodedShow();
        const StopLabels labels = StopLabels::fileForm();
        const ProjectReader reader(labels, buildProjectCodecKey());
        const QByteArray content = file.readAll();
        EXPECT_TRUE((asStored ? reader.readAsStored(content, path, *show)
                              : reader.read(content, path, *show))
                        .ok());
        return show;
    }

    QTemporaryDir m_dir;
    QString m_program;
    std::unique_ptr<QProcess> m_process;
    std::unique_ptr<VncClient> m_vnc;
    QByteArray m_screen;
};

TEST_F(KilledProgram, OffersItsUnsavedEditsAtTheNextStart) {
    const QString copy = QDir(home()).filePath(RecoveryFile::FileName);
    ASSERT_NO_FATAL_FAILURE(start());
    ASSERT_NO_FATAL_FAILURE(step(Key::Return)); // the welcome page
    ASSERT_NO_FATAL_FAILURE(step(Key::Return)); // a new show
    // The Enter that chose may open a box in the editor as it is let go.
    m_vnc->press(Key::Escape);
    m_vnc->press(Key::Right);
    m_vnc->type("Comet");
    m_vnc->press(Key::Return);
    m_vnc->press(Key::Left);
    m_vnc->press(Key::Insert); // the cue moves down to row 2: a change of many cells
    ASSERT_TRUE(waitForFile(copy));
    EXPECT_EQ(read(copy, true)->cues.row(2).Description, "Comet");

    m_process->kill();
    ASSERT_TRUE(m_process->waitForFinished());
    ASSERT_TRUE(QFileInfo::exists(copy));

    ASSERT_NO_FATAL_FAILURE(start());
    ASSERT_NO_FATAL_FAILURE(step(Key::Return)); // the welcome page, then the offer
    ASSERT_NO_FATAL_FAILURE(step(Key::Return)); // Yes: restore
    m_vnc->press(Key::Escape);
    const QByteArray editorScreen = m_vnc->settled(QByteArray()); // changed or not
    ASSERT_FALSE(editorScreen.isEmpty());
    m_screen = editorScreen;
    ASSERT_NO_FATAL_FAILURE(step('f', Key::Alt));
    ASSERT_NO_FATAL_FAILURE(step('a')); // Save As
    // The menu closes before the dialog is drawn: on a busy machine the screen
    // can first settle on the bare editor, and a name typed then is lost.
    while (m_screen == editorScreen)
        ASSERT_NO_FATAL_FAILURE(waitForChange());
    m_vnc->type("restored");
    // The name must be in the field before Return takes it.
    ASSERT_NO_FATAL_FAILURE(waitForChange());
    m_vnc->press(Key::Return);
    const QString saved = QDir(home()).filePath(QStringLiteral("Projects/restored.zyn"));
    ASSERT_TRUE(waitForFile(saved));
    EXPECT_EQ(read(saved, false)->cues.row(2).Description, "Comet");
    EXPECT_TRUE(waitForFile(copy, false)); // the save took its place

    ASSERT_NO_FATAL_FAILURE(step('f', Key::Alt));
    m_vnc->press('x'); // Exit
    ASSERT_TRUE(m_process->waitForFinished(VncClient::StepTimeoutMs));
    EXPECT_EQ(m_process->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_process->exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(QDir(home()).filePath(RecoveryFile::LockFileName)));
    EXPECT_EQ(RecentFiles::readLastProject(QDir(home()).filePath(RecentFiles::FileName)), saved);
}

} // namespace
