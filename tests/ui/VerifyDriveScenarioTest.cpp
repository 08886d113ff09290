// "Verify drive..." over a test folder standing for a stick: the table file
// on it held against the open show.
#include "UiTestSupport.h"
#include "transfer/DriveExport.h"
#include "transfer/TableBuilder.h"
#include "transfer/ui/VerifyDriveDialog.h"
#include "ui/IconSet.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <optional>

using namespace zyn;
using namespace zyn::test;

namespace {

class VerifyDriveScenario : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        Show& show = document->show;
        show.cues.row(1).TimeText = "00:00:05:00";
        show.cues.row(3).TimeText = "00:01:23:15";
        show.ics.cell(2, 3) = "1-7";
        show.ics.cell(1, 16) = "3";
        QDir().mkpath(stick());
    }

    QString stick() const { return path("stick"); }

    QByteArray table() const {
        const TableBuilder::Result built =
            TableBuilder(document->texts().stopLabels()).build(document->show);
        EXPECT_TRUE(built.ok());
        return built.table.bytes();
    }

    void writeStick(const QByteArray& bytes) const {
        QFile file(DriveExport::filePath(stick()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    struct Result {
        QString text;
        QStringList lines;
        bool succeeded = false;
    };

    // Verifies the stick through the menu and returns what the dialog shows.
    Result verify() {
        Result result;
        bool reached = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<VerifyDriveDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            reached = true;
            dialog->setVolumeSource([this] {
                return VolumeList({{stick(), "stick", "/dev/test", true, false}});
            });
            auto* text = dialog->findChild<QLabel*>("lbl_Desc");
            QTest::mouseClick(dialog->findChild<QPushButton*>("cmd_Verify"), Qt::LeftButton);
            EXPECT_TRUE(QTest::qWaitFor([text] { return !text->text().isEmpty(); }, 10000));
            result.text = text->text();
            const QImage icon = dialog->findChild<QLabel*>("Image_COM")->pixmap().toImage();
            result.succeeded = icon == IconSet::icon("COMMOK").pixmap(32).toImage();
            auto* list = dialog->findChild<QListWidget*>("lst_Refusals");
            for (int i = 0; list->isVisibleTo(dialog) && i < list->count(); ++i)
                result.lines << list->item(i)->text();
            dialog->accept();
        });
        window->ExecuteCommand("keyTransferVerifyDrive");
        EXPECT_TRUE(reached);
        return result;
    }
};

TEST_F(VerifyDriveScenario, AFreshExportIsEqualAndAChangedShowListsEveryDifference) {
    const auto* item = window->findChild<QAction*>("mnukeyTransferVerifyDrive");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), text(420));
    ASSERT_TRUE(DriveExport::writeToVolume(stick(), table()).ok());
    const Result equal = verify();
    EXPECT_EQ(equal.text, text(424));
    EXPECT_TRUE(equal.succeeded);
    EXPECT_TRUE(equal.lines.isEmpty());

    Show& show = document->show;
    show.cues.row(3).TimeText = "00:01:23:20";
    show.ics.cell(1, 16) = "1";
    const QString slave = text(13) + " 1 " + text(14) + " 16 ";
    const Result changed = verify();
    EXPECT_EQ(changed.text, text(425));
    EXPECT_FALSE(changed.succeeded);
    EXPECT_EQ(changed.lines, QStringList({text(429) + " 1: " + slave + text(433),
                                          text(429) + " 3: " + text(431) + " 00:01:23:15, " +
                                              text(432) + " 00:01:23:20",
                                          text(429) + " 3: " + slave + text(434)}));
}

TEST_F(VerifyDriveScenario, ATamperedTruncatedOrMissingFileIsNamedAsSuch) {
    const QByteArray fresh = table();
    QByteArray tampered = fresh;
    tampered[12 + 3] = 0x16; // the hundredths of row 3: 15 -> 16
    const auto hex = [](char byte) {
        return QString::number(quint8(byte), 16).rightJustified(2, u'0').toUpper();
    };
    const struct {
        const char* name;
        std::optional<QByteArray> file;
        int text;
        QStringList lines;
    } cases[] = {
        {"tampered",
         tampered,
         425,
         {text(436) + ' ' + QString::number(fresh.size() - 1) + ": " + text(437) + ' ' +
              hex(fresh.back()) + ", " + text(438) + ' ' + hex(char(fresh.back() + 1)),
          text(429) + " 3: " + text(431) + " 00:01:23:16, " + text(432) + " 00:01:23:15"}},
        {"truncated", fresh.left(1000), 428, {}},
        {"missing", std::nullopt, 426, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(DriveExport::filePath(stick()));
        if (c.file)
            writeStick(*c.file);
        const Result result = verify();
        EXPECT_EQ(result.text, text(c.text));
        EXPECT_FALSE(result.succeeded);
        EXPECT_EQ(result.lines, c.lines);
    }
}

} // namespace
