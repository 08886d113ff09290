// The shortcuts that work everywhere in the main window, pressed on a real
// keyboard.
#include "RealKeyboardTest.h"
#include "editor/ui/CueGridModel.h"
#include "editor/ui/InputBox.h"
#include "editor/ui/ShowGridView.h"

#include <QFile>

using namespace zyn;
using namespace zyn::test;

namespace {

class Shortcuts : public RealKeyboardTest {
protected:
    QString& description() { return document->show.cues.row(1).Description; }

    // A change to undo: the first cue's description becomes a letter.
    void typeDescription(const QString& letter) {
        auto* grid = find<ShowGridView>("MSHFlexGrid_Time");
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(0, CueGridModel::DescriptionColumn));
        // The first key after a file dialog closed is dropped for 100 ms.
        settle(150);
        auto* box = find<InputBox>("txt_Eingabe");
        ASSERT_TRUE(pressUntil(letter, [&] { return box->isVisible(); }));
        ASSERT_TRUE(pressUntil(QStringLiteral("Return"), [&] { return !box->isVisible(); }));
        ASSERT_EQ(description(), letter);
    }

    // Closes the next modal dialog, telling whether it was the expected one.
    void closeModal(const char* name, bool* seen) {
        onModal([name, seen](QWidget* dialog) {
            *seen = dialog->objectName() == QLatin1String(name);
            dialog->close();
        });
    }
};

struct ShortcutCase {
    const char* layout;
    const char* chord;
    std::function<void()> prepare;
    std::function<bool()> done;
};

TEST_F(Shortcuts, EveryShortcutOfTheKeyboardTableRunsItsCommand) {
    bool startDialog = false;
    window->setStartDialogRunner([&] { startDialog = true; });
    bool chipCard = false;
    int openedBefore = 0;
    QString before;
    const QString project = path(QStringLiteral("keys.zyn"));
    // Each layout's round types its own letter, so that its edit is a change.
    const auto cases = [&](const char* layout) {
        const QString letter = QLatin1String(layout).left(1);
        return std::vector<ShortcutCase>{
            {layout, "ctrl+n", [&] { startDialog = false; }, [&] { return startDialog; }},
            {layout, "ctrl+o", [&] { openedBefore = files.opened; },
             [&] { return files.opened == openedBefore + 1; }},
            {layout, "ctrl+z",
             [&, letter] {
                 before = description();
                 typeDescription(letter);
             },
             [&] { return description() == before; }},
            {layout, "ctrl+y", [] {}, [&, letter] { return description() == letter; }},
            {layout, "ctrl+shift+s",
             [&] {
                 QFile::remove(project);
                 files.choose(project);
             },
             [&] { return QFile::exists(project); }},
            {layout, "ctrl+s", [&] { QFile::remove(project); },
             [&] { return QFile::exists(project); }},
            {layout, "ctrl+shift+k", [&] { closeModal("frmTransferToChipDrive", &chipCard); },
             [&] { return chipCard; }},
        };
    };
    std::vector<ShortcutCase> all = cases("us");
    for (ShortcutCase& c : cases("de"))
        all.push_back(std::move(c));
    all.push_back({"de", "ctrl+q", [] {}, [&] { return !window->isVisible(); }});

    for (const ShortcutCase& c : all) {
        SCOPED_TRACE(std::string(c.layout) + " " + c.chord);
        ASSERT_TRUE(useLayout(QLatin1String(c.layout)));
        c.prepare();
        activate(*window);
        EXPECT_TRUE(pressUntil(QLatin1String(c.chord), c.done));
    }
}

} // namespace
