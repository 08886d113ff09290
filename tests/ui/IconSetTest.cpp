#include "ui/IconSet.h"

#include "document/CommandRegistry.h"
#include "reports/ui/PrintIcons.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <functional>
#include <gtest/gtest.h>
#include <span>
namespace zyn {
namespace {

// Pixmaps need a GUI application object; one serves the whole program.
class IconSetTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QGuiApplication::instance())
            return;
        static int argc = 1;
        static char name[] = "IconSetTest";
        static char* argv[] = {name, nullptr};
        // Kept to the end of the program: other suites in it may need it too.
        new QGuiApplication(argc, argv);
    }

    static QImage imageAt(const QIcon& icon, int px) { return icon.pixmap(px).toImage(); }

    static bool hasInk(const QImage& image) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) != 0)
                    return true;
        return false;
    }
};

// A picture drawn at every size asked for, not scaled from one: without the
// SVG icon engine a file renders at its nominal size only, or not at all.
TEST_F(IconSetTest, EveryKeyIsDrawnAtEachToolbarSize) {
    const QStringList keys = IconSet::keys();
    ASSERT_FALSE(keys.isEmpty());
    for (const QString& key : keys) {
        SCOPED_TRACE(key.toStdString());
        const QIcon icon = IconSet::icon(key);
        ASSERT_FALSE(icon.isNull());
        for (int px : {16, 24, 32, 48}) {
            SCOPED_TRACE(px);
            const QImage image = imageAt(icon, px);
            EXPECT_EQ(image.size(), QSize(px, px));
            EXPECT_TRUE(hasInk(image));
            // The corners stay clear, so the icon sits on any toolbar colour.
            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
            EXPECT_EQ(qAlpha(image.pixel(px - 1, 0)), 0);
        }
        // A doubled-density screen gets pixels drawn at its resolution.
        EXPECT_EQ(icon.pixmap(QSize(48, 48), 2.0).size(), QSize(96, 96));
    }
}

TEST_F(IconSetTest, PicturesWithoutKeyAreDrawnAtTheirSizes) {
    const struct {
        const char* name;
        std::function<QPixmap(int)> draw;
        std::initializer_list<int> sizes;
    } pictures[] = {
        {"row marker", [](int px) { return IconSet::rowMarker().pixmap(px); }, {12, 16, 24}},
        {"application",
         [](int px) { return IconSet::applicationIcon().pixmap(px); },
         {16, 48, 256}},
        {"network printer",
         [](int px) { return PrintIcons::printer(PrinterEntry::Kind::Network).pixmap(px); },
         {16, 24}},
        {"fax",
         [](int px) { return PrintIcons::printer(PrinterEntry::Kind::Fax).pixmap(px); },
         {16, 24}},
        {"PDF file", [](int px) { return PrintIcons::pdfFile().pixmap(px); }, {16, 24}},
        {"portrait", [](int px) { return PrintIcons::orientation(true, px); }, {64}},
        {"landscape", [](int px) { return PrintIcons::orientation(false, px); }, {64}},
    };
    for (const auto& picture : pictures) {
        for (int px : picture.sizes) {
            SCOPED_TRACE(testing::Message() << picture.name << " at " << px);
            const QImage image = picture.draw(px).toImage();
            EXPECT_EQ(image.size(), QSize(px, px));
            EXPECT_TRUE(hasInk(image));
        }
    }
}

TEST_F(IconSetTest, NoTwoPicturesAlike) {
    const QStringList keys = IconSet::keys();
    for (int px : {16, 24}) {
        QList<QImage> images;
        for (const QString& key : keys)
            images << imageAt(IconSet::icon(key), px);
        for (qsizetype a = 0; a < keys.size(); ++a)
            for (qsizetype b = a + 1; b < keys.size(); ++b)
                EXPECT_NE(images[a], images[b]) << keys[a].toStdString() << " looks like "
                                                << keys[b].toStdString() << " at " << px;
    }
}

TEST_F(IconSetTest, UnknownKeyGivesThePlaceholderNotAnotherPicture) {
    const QImage placeholder = imageAt(IconSet::icon(QStringLiteral("NO_SUCH_KEY")), 24);
    ASSERT_TRUE(hasInk(placeholder));
    EXPECT_EQ(imageAt(IconSet::icon(QString()), 24), placeholder);
    for (const QString& key : IconSet::keys()) {
        SCOPED_TRACE(key.toStdString());
        EXPECT_NE(imageAt(IconSet::icon(key), 24), placeholder);
    }
}

// A command's picture without a file would show the placeholder; a file no
// key names is dead weight in the program.
TEST_F(IconSetTest, EveryCommandPictureHasItsFileAndEveryFileIsUsed) {
    const QStringList keys = IconSet::keys();
    for (const Command& command : CommandRegistry::all()) {
        if (command.icon && *command.icon != '\0') {
            EXPECT_TRUE(keys.contains(QLatin1String(command.icon))) << command.icon;
        }
    }

    const QString folder = QStringLiteral(":/icons/");
    for (const QString& key : keys)
        EXPECT_TRUE(QFileInfo::exists(folder + key + QStringLiteral(".svg"))) << key.toStdString();

    const QStringList ownPictures = {"placeholder",     "row-marker", "printer-network",
                                     "printer-fax",     "pdf-file",   "sheet-portrait",
                                     "sheet-landscape", "RENUMBER-16"};
    const QStringList files = QDir(folder).entryList(QDir::Files);
    EXPECT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        const QString name = QFileInfo(file).completeBaseName();
        EXPECT_TRUE(keys.contains(name) || ownPictures.contains(name)) << file.toStdString();
    }
}

} // namespace
} // namespace zyn
