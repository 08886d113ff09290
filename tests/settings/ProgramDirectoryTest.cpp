#include "settings/ProgramDirectory.h"

#include "fakes/FileSizeLimit.h"
#include "fakes/QtPrinters.h"
#include "fakes/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zyn;

TEST(ProgramDirectoryChoice, HomeOverridesThenPortableThenUserData) {
    QTemporaryDir root;
    const QDir dir(root.path());
    dir.mkpath("portable/Language");
    dir.mkpath("installed");
    const QString userData = dir.filePath("user");

    EXPECT_EQ(
        ProgramDirectory::resolve(dir.filePath("home"), dir.filePath("portable"), userData).path(),
        dir.filePath("home"));
    EXPECT_EQ(ProgramDirectory::resolve({}, dir.filePath("portable"), userData).path(),
              dir.filePath("portable"));
    EXPECT_EQ(ProgramDirectory::resolve({}, dir.filePath("installed"), userData).path(), userData);
}

TEST(ProgramDirectoryChoice, BundledLanguagesBesideTheProgramOrInItsShareFolder) {
    QTemporaryDir root;
    const QDir dir(root.path());
    dir.mkpath("prefix/bin");
    dir.mkpath("prefix/share/zynk5/Language");
    EXPECT_EQ(ProgramDirectory::bundledLanguageDirectory(dir.filePath("prefix/bin")),
              dir.filePath("prefix/share/zynk5/Language"));
    dir.mkpath("prefix/bin/Language");
    EXPECT_EQ(ProgramDirectory::bundledLanguageDirectory(dir.filePath("prefix/bin")),
              dir.filePath("prefix/bin/Language"));
    EXPECT_EQ(ProgramDirectory::bundledLanguageDirectory(dir.filePath("nowhere")), "");
}

TEST(ProgramDirectoryPreparation, SeedsTheBundledLanguagesAndLeavesOthersAlone) {
    QTemporaryDir root;
    const QDir dir(root.path());
    dir.mkpath("bundle");
    ASSERT_TRUE(test::putFile(dir.filePath("bundle/English.lan"), "new english"));
    ASSERT_TRUE(test::putFile(dir.filePath("bundle/Deutsch.lan"), "deutsch"));

    const ProgramDirectory home(dir.filePath("home"));
    QDir().mkpath(home.languageDirectory());
    ASSERT_TRUE(
        test::putFile(QDir(home.languageDirectory()).filePath("English.lan"), "old english"));
    ASSERT_TRUE(test::putFile(QDir(home.languageDirectory()).filePath("Custom.lan"), "mine"));

    QString error;
    ASSERT_TRUE(home.prepare(dir.filePath("bundle"), &error)) << error.toStdString();
    EXPECT_TRUE(QDir(home.projectsDirectory()).exists());
    const QDir languages(home.languageDirectory());
    EXPECT_EQ(test::fileContent(languages.filePath("English.lan")), "new english");
    EXPECT_EQ(test::fileContent(languages.filePath("Deutsch.lan")), "deutsch");
    EXPECT_EQ(test::fileContent(languages.filePath("Custom.lan")), "mine");
    EXPECT_EQ(home.configPath(), dir.filePath("home/ZYN600.cfg"));
    EXPECT_EQ(home.recentFilesPath(), dir.filePath("home/ZYNFiles.ini"));
}

TEST(ProgramDirectoryPreparation, ALanguageThatCannotBeReplacedKeepsItsOlderCopyWhole) {
    QTemporaryDir root;
    const QDir dir(root.path());
    dir.mkpath("bundle");
    ASSERT_TRUE(test::putFile(dir.filePath("bundle/English.lan"),
                              "a newer english, longer than the disk has room"));
    const ProgramDirectory home(dir.filePath("home"));
    QDir().mkpath(home.languageDirectory());
    ASSERT_TRUE(
        test::putFile(QDir(home.languageDirectory()).filePath("English.lan"), "old english"));

    QString error;
    {
        const test::FileSizeLimit fullDisk(16);
        if (!fullDisk.active())
            GTEST_SKIP() << "the file size limit cannot be lowered here";
        EXPECT_TRUE(home.prepare(dir.filePath("bundle"), &error)) << error.toStdString();
    }
    EXPECT_EQ(test::fileContent(QDir(home.languageDirectory()).filePath("English.lan")),
              "old english");
    EXPECT_EQ(QDir(home.languageDirectory()).entryList(QDir::Files), QStringList{"English.lan"});
}

TEST(ProgramDirectoryPreparation, AFolderThatCannotBeMadeIsReported) {
    QTemporaryDir root;
    ASSERT_TRUE(test::putFile(QDir(root.path()).filePath("file"), "x"));
    const ProgramDirectory home(QDir(root.path()).filePath("file/home"));
    QString error;
    EXPECT_FALSE(home.prepare({}, &error));
    EXPECT_FALSE(error.isEmpty());
}
