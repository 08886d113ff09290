// The real save dialog, typed into as a user would.
#include "UiTestSupport.h"
#include "platform/widgets/QtFileDialogs.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <memory>

using namespace zyn;
using namespace zyn::test;

namespace {

class SaveDialogScenario : public UiTest {
protected:
    SaveDialogScenario() { fileDialogs = &m_realDialogs; }

    // Save As, typing the name into the dialog's name field. The answer goes
    // to a replace question if the dialog asks one; after No the dialog is
    // cancelled. Returns the question asked, empty for none.
    QString saveAsTyping(const QString& typed, bool replace) {
        const auto question = std::make_shared<QString>();
        onModal([=](QWidget* dialog) {
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
            if (!name || !buttons)
                return;
            QTest::keyClicks(name, typed);
            onModal([=](QWidget* asked) {
                auto* box = qobject_cast<QMessageBox*>(asked);
                if (!box)
                    return;
                *question = box->text();
                box->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
                if (!replace)
                    onModal([](QWidget* stillOpen) {
                        if (auto* open = qobject_cast<QDialog*>(stillOpen))
                            open->reject();
                    });
            });
            buttons->button(QDialogButtonBox::Save)->click();
        });
        window->ExecuteCommand("keyDateiSaveAs");
        settle(100);
        return *question;
    }

    QtFileDialogs m_realDialogs;
};

TEST_F(SaveDialogScenario, ABareNameOverAnExistingProjectAsksFirstAndNoKeepsTheFile) {
    const QString victim = QDir(document->home.projectsDirectory()).filePath("victim.zyn");
    const QByteArray before = "a project the user wants to keep\r\n";
    {
        QFile file(victim);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    document->show.cues.row(1).Description = "the new show";

    const QString question = saveAsTyping("victim", false);
    ASSERT_TRUE(question.contains("victim.zyn")) << question.toStdString();
    QFile kept(victim);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), before);
    kept.close();
    EXPECT_EQ(document->show.state.ProjectPath, "");

    EXPECT_FALSE(saveAsTyping("victim", true).isEmpty());
    EXPECT_EQ(document->show.state.ProjectPath, victim);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_NE(kept.readAll(), before);
}

} // namespace
