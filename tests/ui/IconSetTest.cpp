#include "ui/IconSet.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>
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

TEST_F(IconSetTest, EveryKeyHasDrawnPixmapsAtEachToolbarSize) {
    const QStringList keys = IconSet::keys();
    ASSERT_FALSE(keys.isEmpty());
    for (const QString& key : keys) {
        SCOPED_TRACE(key.toStdString());
        const QIcon icon = IconSet::icon(key);
        ASSERT_FALSE(icon.isNull());
        const QList<QSize> sizes = icon.availableSizes();
        for (int px : {16, 24, 32, 48}) {
            SCOPED_TRACE(px);
            EXPECT_TRUE(sizes.contains(QSize(px, px)));
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

TEST_F(IconSetTest, ApplicationIconReachesDesktopSizes) {
    const QIcon icon = IconSet::applicationIcon();
    for (int px : {16, 48, 256}) {
        SCOPED_TRACE(px);
        EXPECT_TRUE(icon.availableSizes().contains(QSize(px, px)));
        EXPECT_TRUE(hasInk(imageAt(icon, px)));
    }
}

} // namespace
} // namespace zyn
