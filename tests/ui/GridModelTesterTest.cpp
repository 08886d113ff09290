// The editor's grid models under Qt's model checker while real edits change
// them: a model that breaks the item-model contract misleads every view.
#include "UiTestSupport.h"
#include "editor/ui/EditorWindow.h"
#include "editor/ui/ShowGridView.h"

#include <QAbstractItemModelTester>
#include <QStringList>
#include <QTest>

using namespace zyn;
using namespace zyn::test;

namespace {

// Collects what the model checker reports while it lives; other messages go
// on to the handler before it.
class ModelCheckLog {
public:
    ModelCheckLog() { previous() = qInstallMessageHandler(&ModelCheckLog::record); }
    ~ModelCheckLog() { qInstallMessageHandler(previous()); }

    static QStringList& messages() {
        static QStringList collected;
        return collected;
    }

private:
    static QtMessageHandler& previous() {
        static QtMessageHandler handler = nullptr;
        return handler;
    }

    static void record(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (QLatin1String(context.category) == QLatin1String("qt.modeltest"))
            messages().append(text);
        else if (previous())
            previous()(type, context, text);
    }
};

class GridModelCheck : public UiTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        ModelCheckLog::messages().clear();
        UiTest::SetUp();
        document->show.cues.row(1).TimeText = QStringLiteral("00:00:01:00");
        document->show.cues.row(2).TimeText = QStringLiteral("00:00:02:00");
        document->show.ics.cell(1, 1) = QStringLiteral("1");
        document->show.ics.cell(1, 2) = QStringLiteral("2");
        window->editor().showReplaced();
    }

    ShowGridView* grid(const char* name) { return find<ShowGridView>(QLatin1String(name)); }

    void typeChannel(int slave, int channel, const QString& entry) {
        ShowGridView* icGrid = grid("MSHFlexGrid_Slave");
        icGrid->setFocus();
        icGrid->setCurrentIndex(icGrid->model()->index(slave - 1, channel - 1));
        QTest::keyClicks(icGrid, entry.left(1));
        QWidget* box = QApplication::focusWidget();
        ASSERT_NE(box, nullptr);
        QTest::keyClicks(box, entry.mid(1));
        QTest::keyClick(box, Qt::Key_Return);
        settle();
    }

    void deleteFirstCueAndUndo() {
        ShowGridView* cueGrid = grid("MSHFlexGrid_Time");
        cueGrid->setFocus();
        cueGrid->setCurrentIndex(cueGrid->model()->index(0, 0));
        prompter.answer({true});
        QTest::keyClick(cueGrid, Qt::Key_Delete);
        settle();
        EXPECT_EQ(document->show.cues.row(1).TimeText, QStringLiteral("00:00:02:00"));
        QTest::keyClick(cueGrid, Qt::Key_Z, Qt::ControlModifier);
        settle();
    }
};

TEST_P(GridModelCheck, KeepsTheItemModelContractThroughEdits) {
    ModelCheckLog log;
    ShowGridView* view = grid(GetParam());
    ASSERT_NE(view, nullptr);
    QAbstractItemModelTester tester(view->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Warning);

    document->changeLanguage(QStringLiteral("Deutsch"));
    typeChannel(1, 3, QStringLiteral("3"));
    deleteFirstCueAndUndo();
    window->editor().showReplaced();

    EXPECT_EQ(document->show.ics.cell(1, 3), QStringLiteral("3"));
    // The checker repeats a broken rule after every change; each is listed once.
    QStringList broken = ModelCheckLog::messages();
    broken.removeDuplicates();
    EXPECT_TRUE(broken.isEmpty()) << broken.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(EditorGrids, GridModelCheck,
                         ::testing::Values("MSHFlexGrid_Time", "MSHFlexGrid_Slave",
                                           "MSHFlexGrid_Stepper"),
                         [](const auto& row) { return std::string(row.param).substr(12); });

} // namespace
