// The shipped languages: complete, consistent with the code, and with stop
// labels the prefix rules can tell apart.
#include "fakes/QtPrinters.h"
#include "fakes/TestFiles.h"
#include "fakes/TestPaths.h"
#include "settings/LanguageFile.h"
#include "settings/LanguageSource.h"
#include "settings/TextId.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>

using namespace zyn;

namespace {

const QStringList ShippedLanguages = {QStringLiteral("English"), QStringLiteral("Deutsch")};

LanguageTexts source(const QString& language) {
    const LanguageSource::ParseResult parsed = LanguageSource::parse(test::fileContent(
        QDir(test::languageSourceDir()).filePath(language + QStringLiteral(".txt"))));
    EXPECT_EQ(parsed.error, "") << language.toStdString();
    return parsed.texts;
}

// Every text number the code names: the TextId constants and numbers
// passed directly to a text lookup.
std::set<int> numbersUsedByTheCode() {
    std::set<int> numbers;
    const QRegularExpression named(QStringLiteral(R"(^\s*\w+\s*=\s*(\d+),)"),
                                   QRegularExpression::MultilineOption);
    // A number passed straight to the language: session.text(148), texts.text(16).
    const QRegularExpression literal(
        QStringLiteral(R"((?:[sS]ession|[tT]exts|context)(?:\(\))?(?:\.|->)text\((\d+)\))"));
    QDirIterator files(test::sourceDir(), {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                       QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString content = QString::fromUtf8(test::fileContent(path));
        const QRegularExpression& pattern = path.endsWith(u"TextId.h") ? named : literal;
        for (const QRegularExpressionMatch& match : pattern.globalMatch(content))
            numbers.insert(match.captured(1).toInt());
    }
    return numbers;
}

bool isUnused(int number) {
    return std::find(TextId::Unused.begin(), TextId::Unused.end(), number) != TextId::Unused.end();
}

} // namespace

TEST(LanguageSources, EveryUsedNumberHasATextInEveryLanguage) {
    const std::set<int> used = numbersUsedByTheCode();
    ASSERT_TRUE(used.count(TextId::StopLabel)); // the scan found the constants
    for (const QString& language : ShippedLanguages) {
        const LanguageTexts texts = source(language);
        for (int n = 1; n <= TextId::CoreHighest; ++n) {
            if (isUnused(n) && !used.count(n))
                continue;
            EXPECT_FALSE(texts.text(n).isEmpty()) << language.toStdString() << " text " << n;
        }
        for (const int n : used)
            EXPECT_FALSE(texts.text(n).isEmpty()) << language.toStdString() << " text " << n;
    }
}

TEST(LanguageSources, StopLabelsCanBeToldApartByPrefix) {
    for (const QString& language : ShippedLanguages) {
        SCOPED_TRACE(language.toStdString());
        const StopLabels labels = source(language).stopLabels();
        const QStringList all = {labels.stop, labels.timedStop, labels.resetStop};
        for (const QString& label : all) {
            EXPECT_FALSE(label.isEmpty());
            EXPECT_EQ(label, label.trimmed());
            EXPECT_FALSE(label.front().isDigit()) << label.toStdString();
        }
        for (const QString& a : all) {
            for (const QString& b : all) {
                if (&a != &b) {
                    EXPECT_FALSE(b.startsWith(a)) << a.toStdString() << " / " << b.toStdString();
                }
            }
        }
    }
}

TEST(LanguageSources, TheBuildCompilesEachSourceIntoItsLanguageFile) {
    for (const QString& language : ShippedLanguages) {
        SCOPED_TRACE(language.toStdString());
        const QByteArray built = test::fileContent(
            QDir(test::builtLanguageDir()).filePath(language + LanguageFile::Extension));
        EXPECT_EQ(LanguageFile::parse(built).all(), source(language).all());
    }
}
