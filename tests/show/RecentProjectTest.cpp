#include "fakes/QtPrinters.h"
#include "fakes/TestFiles.h"
#include "show/PathText.h"
#include "show/RecentFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zyn;

namespace {

const QByteArray Utf8Mark = "\xEF\xBB\xBF";

TEST(RecentProject, EveryPathComesBackExactly) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString ini = dir.filePath(RecentFiles::FileName);
    const QString paths[] = {
        QStringLiteral("/home/user/shows/new year.zyn"),
        QStringLiteral("C:\\Shows\\Grüße und Café.zyn"),
        QStringLiteral("/home/李/show.zyn"),
        QStringLiteral("/tmp/Ωmega/ü.zyn"),
        QStringLiteral("/tmp/a\"b,c.zyn"),
        QStringLiteral("/tmp/\"quoted\"/ends in a quote\""),
        QStringLiteral("/tmp/李\", \"x.zyn"),
        QStringLiteral("/tmp/ blanks around .zyn "),
        QStringLiteral("/tmp/€ and \u0081.zyn"),
        QStringLiteral("/tmp/\U0001F386.zyn"),
        QStringLiteral("x"),
        // Names (the language is one) may start with the code-page
        // characters whose bytes are the UTF-8 mark.
        QStringLiteral("\u00EF\u00BB\u00BF\u00C3\u00A9"),
        QStringLiteral("\u00EF\u00BB\u00BF"),
    };
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        ASSERT_TRUE(RecentFiles::write(ini, path).ok());
        EXPECT_EQ(RecentFiles::readLastProject(ini), path);
        EXPECT_EQ(PathText::decode(PathText::encode(path)), path);
    }
}

TEST(RecentProject, PathIsStoredInTheCodePageWhenItCan) {
    const struct {
        QString path;
        QByteArray stored;
    } cases[] = {
        {QStringLiteral("C:\\Shows\\Grüße é.zyn"), "C:\\Shows\\Gr\xFC\xDF"
                                                   "e \xE9.zyn"},
        {QStringLiteral("/tmp/€.zyn"), "/tmp/\x80.zyn"},
        {QStringLiteral("/home/李/show.zyn"), Utf8Mark + "/home/\xE6\x9D\x8E/show.zyn"},
        // One character outside the code page puts the whole path in UTF-8.
        {QStringLiteral("/ü/Ω"), Utf8Mark + "/\xC3\xBC/\xCE\xA9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        EXPECT_EQ(RecentFiles::serialize(c.path),
                  "[ZYN600x2 PROJECTFILES]\r\n[LASTFILE]\r\n\"" + c.stored + "\"\r\n");
    }
}

TEST(RecentProject, FileWithoutAPathGivesNothing) {
    const struct {
        const char* name;
        QByteArray content;
    } cases[] = {
        {"Empty", ""},
        {"NoLastFileSection", "[ZYN600x2 PROJECTFILES]\r\n\"/tmp/a.zyn\"\r\n"},
        {"EmptyPath", RecentFiles::serialize(QString())},
        {"SectionIsTheLastLine", "[ZYN600x2 PROJECTFILES]\r\n[LASTFILE]"},
        {"SectionFollowedByAnEmptyLine", "[ZYN600x2 PROJECTFILES]\r\n[LASTFILE]\r\n\r\n"},
        {"Binary", QByteArray("\0\xFF\"\r\n\0", 6)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RecentFiles::parseLastProject(c.content), std::nullopt);
    }

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString ini = dir.filePath(RecentFiles::FileName);
    EXPECT_EQ(RecentFiles::readLastProject(ini), std::nullopt);
    ASSERT_TRUE(test::putFile(ini, "[ZYN600x2 PROJECTFILES]\r\n"));
    EXPECT_EQ(RecentFiles::readLastProject(ini), std::nullopt);
    ASSERT_TRUE(RecentFiles::write(ini, QString()).ok());
    EXPECT_EQ(RecentFiles::readLastProject(ini), std::nullopt);
}

} // namespace
