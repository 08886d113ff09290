#include "settings/LanguageFile.h"

#include "fakes/QtPrinters.h"
#include "settings/LanguageLoader.h"
#include "settings/LanguageSource.h"
#include "show/AtomicFile.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zyn;

namespace {

LanguageTexts numberedTexts(int count, const QString& prefix) {
    QStringList texts{QString()};
    for (int n = 1; n <= count; ++n)
        texts.append(prefix + QString::number(n));
    return LanguageTexts(texts);
}

void writeLanguage(const QString& dir, const QString& name, const LanguageTexts& texts) {
    ASSERT_TRUE(AtomicFile::save(QDir(dir).filePath(name + LanguageFile::Extension),
                                 LanguageFile::serialize(texts))
                    .ok());
}

} // namespace

TEST(LanguageFileFormat, TheNthLineIsTextNumberN) {
    const LanguageTexts texts =
        LanguageFile::parse(LanguageFile::serialize(numberedTexts(226, "t")));
    EXPECT_EQ(texts.count(), 226);
    EXPECT_EQ(texts.text(0), "");
    EXPECT_EQ(texts.text(1), "t1");
    EXPECT_EQ(texts.text(226), "t226");
    EXPECT_EQ(texts.text(227), "");
    EXPECT_EQ(texts.text(-1), "");
}

TEST(LanguageFileFormat, LinesAreScrambledFieldsInTheCodePage) {
    const QByteArray bytes =
        LanguageFile::serialize(LanguageTexts({"", "Größe \"x\", y", "", "z"}));
    EXPECT_EQ(bytes.count("\r\n"), 3);
    EXPECT_FALSE(bytes.contains("Gr"));
    const LanguageTexts back = LanguageFile::parse(bytes);
    EXPECT_EQ(back.text(1), "Größe \"x\", y");
    EXPECT_EQ(back.text(2), "");
    EXPECT_EQ(back.text(3), "z");
}

TEST(LanguageSourceFormat, CommentsBlankLinesAndGapsAreAllowed) {
    const LanguageSource::ParseResult parsed =
        LanguageSource::parse("# English\n\n1 = One\r\n  3 =  Three  \n# end\n");
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.texts.count(), 3);
    EXPECT_EQ(parsed.texts.text(2), "");
    EXPECT_EQ(parsed.texts.text(3), "Three");
    const LanguageSource::ParseResult again =
        LanguageSource::parse(LanguageSource::write(parsed.texts, "English"));
    EXPECT_EQ(again.texts.all(), parsed.texts.all());
}

TEST(LanguageSourceFormat, MistakesAreReportedWithTheirLine) {
    const struct {
        QByteArray source;
        const char* error;
    } cases[] = {
        {"1 = a\n1 = b\n", "line 2"},
        {"2 = a\n1 = b\n", "line 2"},
        {"1 = a\nno number\n", "line 2"},
        {"0 = zero\n", "line 1"},
        {"x = a\n", "line 1"},
        {"10000 = a\n", "line 1"},
        {"1 = \xe4\xb8\xad\n", "U+4e2d"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source.toStdString());
        EXPECT_TRUE(LanguageSource::parse(c.source).error.contains(QLatin1String(c.error)));
    }
}

TEST(LanguageLoading, AMissingLanguageFallsBackToEnglish) {
    QTemporaryDir dir;
    writeLanguage(dir.path(), "English", numberedTexts(5, "en"));
    writeLanguage(dir.path(), "Deutsch", numberedTexts(5, "de"));

    LanguageLoader::Loaded loaded = LanguageLoader::load(dir.path(), "Deutsch");
    EXPECT_EQ(loaded.texts.text(5), "de5");
    EXPECT_FALSE(loaded.fellBack);

    loaded = LanguageLoader::load(dir.path(), "Klingon");
    EXPECT_EQ(loaded.languageName, "English");
    EXPECT_EQ(loaded.texts.text(5), "en5");
    EXPECT_TRUE(loaded.fellBack);
    EXPECT_FALSE(loaded.failed);

    QFile::remove(QDir(dir.path()).filePath("English.lan"));
    loaded = LanguageLoader::load(dir.path(), "English");
    EXPECT_TRUE(loaded.failed);
    EXPECT_EQ(loaded.texts.count(), 0);
    EXPECT_EQ(loaded.texts.text(224), "");
}

TEST(LanguageLoading, ADamagedFileNeverFailsAndAnOversizedOneFallsBackToEnglish) {
    QTemporaryDir dir;
    writeLanguage(dir.path(), "English", numberedTexts(5, "en"));
    const QString german = QDir(dir.path()).filePath("Deutsch.lan");
    QRandomGenerator random(20251205);
    for (int round = 0; round < 50; ++round) {
        QByteArray garbage(random.bounded(1, 3000), Qt::Uninitialized);
        for (char& byte : garbage)
            byte = char(random.bounded(256));
        ASSERT_TRUE(AtomicFile::save(german, garbage).ok());
        const LanguageLoader::Loaded loaded = LanguageLoader::load(dir.path(), "Deutsch");
        EXPECT_EQ(loaded.languageName, "Deutsch");
        EXPECT_FALSE(loaded.fellBack);
        EXPECT_EQ(loaded.texts.text(0), "");
        EXPECT_EQ(loaded.texts.text(999), ""); // a number the file lacks
    }

    QFile oversized(german);
    ASSERT_TRUE(oversized.resize(16 * 1024 * 1024 + 1));
    const LanguageLoader::Loaded loaded = LanguageLoader::load(dir.path(), "Deutsch");
    EXPECT_TRUE(loaded.fellBack);
    EXPECT_EQ(loaded.texts.text(5), "en5");
}

TEST(LanguageLoading, DirReadFilesListsOnlyLanguageFiles) {
    QTemporaryDir dir;
    writeLanguage(dir.path(), "Deutsch", numberedTexts(1, "x"));
    writeLanguage(dir.path(), "English", numberedTexts(1, "x"));
    QFile(QDir(dir.path()).filePath("notes.txt")).open(QIODevice::WriteOnly);
    QDir(dir.path()).mkdir("Icons.lan");
    EXPECT_EQ(LanguageLoader::DirReadFiles(dir.path()),
              QStringList({"Deutsch.lan", "English.lan"}));
}
