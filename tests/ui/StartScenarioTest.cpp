// The start dialog over recent-files lists of every kind: the last project
// is offered only when one is named, and one that is gone is reported.
#include "UiTestSupport.h"
#include "fakes/QtPrinters.h"
#include "shell/StartDialog.h"
#include "show/RecentFiles.h"

#include <QFile>
#include <QPushButton>

using namespace zyn;
using namespace zyn::test;

namespace {

class StartScenario : public UiTest {
protected:
    void writeRecentFiles(const QByteArray& content) const {
        QFile file(document->home.recentFilesPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    // The dialog after its welcome page was confirmed.
    std::unique_ptr<StartDialog> choicePage() {
        auto dialog = std::make_unique<StartDialog>(*document);
        dialog->show();
        dialog->findChild<QPushButton*>("OK")->click();
        return dialog;
    }
};

TEST_F(StartScenario, TheLastProjectIsOfferedOnlyWhenTheListNamesOne) {
    const QString last = path("last.zyn");
    const struct {
        const char* name;
        std::optional<QByteArray> content; // nothing: no file at all
        bool offered;
    } cases[] = {
        {"no list", std::nullopt, false},
        {"empty list", QByteArray(), false},
        {"binary garbage", QByteArray("\0\xFF\"\r\n[LASTFILE]\r\n\0", 16), false},
        {"no path", RecentFiles::serialize(QString()), false},
        {"a path", RecentFiles::serialize(last), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(document->home.recentFilesPath());
        if (c.content)
            writeRecentFiles(*c.content);
        const auto dialog = choicePage();
        EXPECT_EQ(dialog->findChild<QPushButton*>("cmdOld")->isVisible(), c.offered);
        EXPECT_TRUE(dialog->findChild<QPushButton*>("cmdAuto")->isVisible());
        EXPECT_TRUE(prompter.shown().isEmpty());
    }
}

TEST_F(StartScenario, ALastProjectThatIsGoneIsReportedAndTheDialogStaysOpen) {
    writeRecentFiles(RecentFiles::serialize(path("gone.zyn")));
    const auto dialog = choicePage();
    dialog->findChild<QPushButton*>("cmdOld")->click();
    ASSERT_EQ(prompter.count(ScriptedPrompter::Kind::Warning), 1);
    EXPECT_EQ(prompter.shown().last().text, text(5));
    EXPECT_EQ(prompter.shown().last().title, text(10));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->choice(), StartDialog::Choice::None);
}

} // namespace
