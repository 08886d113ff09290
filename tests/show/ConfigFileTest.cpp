#include "show/ConfigFile.h"

#include "fakes/QtPrinters.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace zyn {
// Lets a failed comparison of settings show which value differs.
void PrintTo(const Settings& s, std::ostream* os) {
    *os << "{language " << s.languageName.toStdString() << ", grid " << s.cueGridWidth
        << ", columns " << s.timeColumnWidth << '/' << s.descriptionColumnWidth << ", dir "
        << s.projectDirectory.toStdString() << ", colour " << s.inputBackColour << ", questions "
        << s.askBeforeSort << s.askBeforeDelete << s.askBeforeInput << ", usb "
        << s.usbDrive.toStdString() << '}';
}
} // namespace zyn

using namespace zyn;

namespace {

// Settings that differ from the defaults in every value.
Settings customSettings() {
    Settings s;
    s.languageName = QStringLiteral("Français");
    s.cueGridWidth = 6120;
    s.timeColumnWidth = 1320;
    s.descriptionColumnWidth = 4410;
    s.projectDirectory = QStringLiteral("/home/李/Shows, \"2024\"");
    s.inputBackColour = 0x00C0FFEE;
    s.askBeforeSort = false;
    s.askBeforeDelete = true;
    s.askBeforeInput = false;
    s.usbDrive = QStringLiteral("E:\\");
    return s;
}

// Settings unlike both customSettings() and the defaults.
Settings otherSettings() {
    Settings s;
    s.languageName = QStringLiteral("Deutsch");
    s.cueGridWidth = 7000;
    s.timeColumnWidth = 100;
    s.descriptionColumnWidth = 200;
    s.projectDirectory = QStringLiteral("/before");
    s.inputBackColour = 42;
    s.askBeforeSort = true;
    s.askBeforeDelete = false;
    s.askBeforeInput = true;
    s.usbDrive = QStringLiteral("F:\\");
    return s;
}

// customSettings() as the file holds them, one line per entry, CR LF added.
QByteArrayList customLines() {
    return {"[ZYN600x2 CONFIGFILE]",
            "[LANGUAGE]",
            "\"Fran\xE7"
            "ais\"",
            "[SLIDER]",
            "6120",
            "[COLWIDTH]",
            "1320",
            "4410",
            "[PATH]",
            "\"\xEF\xBB\xBF/home/\xE6\x9D\x8E/Shows, \"2024\"\"",
            "[BACKCOLOR]",
            "12648430",
            "[QUESTIONS]",
            "#FALSE#",
            "#TRUE#",
            "#FALSE#",
            "[USBDRIVE]",
            "\"E:\\\""};
}

QByteArray joined(const QByteArrayList& lines) {
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// The lines without `section` and the values that follow it.
QByteArrayList withoutSection(QByteArrayList lines, const QByteArray& section) {
    const qsizetype start = lines.indexOf(section);
    qsizetype end = start + 1;
    while (end < lines.size() && !lines[end].startsWith('['))
        ++end;
    lines.remove(start, end - start);
    return lines;
}

Settings parsed(const QByteArray& content, Settings settings = {}) {
    ConfigFile::parseEditorSettings(content, settings);
    return settings;
}

// The editor's read leaves the language alone; the start dialog reads it.
Settings withoutLanguage(Settings settings) {
    settings.languageName = Settings{}.languageName;
    return settings;
}

TEST(ConfigFile, WritesEighteenLinesInTheirFixedOrder) {
    ASSERT_EQ(customLines().size(), 18);
    EXPECT_EQ(ConfigFile::serialize(customSettings()), joined(customLines()));
    EXPECT_EQ(ConfigFile::serialize(Settings{}),
              joined({"[ZYN600x2 CONFIGFILE]", "[LANGUAGE]", "\"English\"", "[SLIDER]", "5130",
                      "[COLWIDTH]", "1500", "3000", "[PATH]", "\"\"", "[BACKCOLOR]", "-2147483643",
                      "[QUESTIONS]", "#TRUE#", "#TRUE#", "#TRUE#", "[USBDRIVE]", "\"\""}));
}

TEST(ConfigFile, WrittenFileReadsBack) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(ConfigFile::FileName);
    const Settings written = customSettings();
    ASSERT_TRUE(ConfigFile::write(path, written).ok());

    Settings read;
    ConfigFile::readEditorSettings(path, read);
    read.languageName = ConfigFile::readLanguageName(path);
    EXPECT_EQ(read, written);
}

TEST(ConfigFile, MissingFileGivesEveryDefault) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(ConfigFile::FileName);

    Settings settings = customSettings();
    ConfigFile::readEditorSettings(path, settings);
    EXPECT_EQ(settings, Settings{}); // whose values the written defaults pin
    EXPECT_EQ(ConfigFile::readLanguageName(path), "English");
}

TEST(ConfigFile, FractionalCueGridWidthRoundsHalfToEven) {
    const struct {
        QByteArray text;
        int width;
    } cases[] = {{"5130.5", 5130},  {"5131.5", 5132}, {"5130.49", 5130},
                 {"5130.51", 5131}, {" 6000 ", 6000}, {"32767", 32767}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(parsed("[SLIDER]\r\n" + c.text + "\r\n").cueGridWidth, c.width);
    }
}

TEST(ConfigFile, SectionsReadInAnyOrder) {
    const QByteArrayList lines = customLines();
    const Settings expected = withoutLanguage(customSettings());
    ASSERT_EQ(parsed(joined(lines)), expected);

    // Sections from the last to the first, header and language kept in front.
    QByteArrayList reversed = lines.mid(0, 3);
    for (qsizetype end = lines.size(), start = end - 1; start >= 3; --start) {
        if (!lines[start].startsWith('['))
            continue;
        reversed += lines.mid(start, end - start);
        end = start;
    }
    ASSERT_EQ(reversed.size(), 18);
    EXPECT_NE(reversed, lines);
    EXPECT_EQ(parsed(joined(reversed)), expected);
}

// A section the file lacks keeps what the settings held before the read; the
// column widths alone are reset before every read.
TEST(ConfigFile, AbsentSectionKeepsThePreviousValueButColumnWidthsReset) {
    const Settings before = otherSettings();
    Settings file = customSettings();
    file.languageName = before.languageName;
    const struct {
        QByteArray section;
        std::function<void(Settings&)> keep;
    } cases[] = {
        {"[SLIDER]", [&](Settings& s) { s.cueGridWidth = before.cueGridWidth; }},
        {"[PATH]", [&](Settings& s) { s.projectDirectory = before.projectDirectory; }},
        {"[BACKCOLOR]", [&](Settings& s) { s.inputBackColour = before.inputBackColour; }},
        {"[QUESTIONS]",
         [&](Settings& s) {
             s.askBeforeSort = before.askBeforeSort;
             s.askBeforeDelete = before.askBeforeDelete;
             s.askBeforeInput = before.askBeforeInput;
         }},
        {"[USBDRIVE]", [&](Settings& s) { s.usbDrive = before.usbDrive; }},
        {"[COLWIDTH]",
         [&](Settings& s) {
             s.timeColumnWidth = 1500;
             s.descriptionColumnWidth = 3000;
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.section.toStdString());
        Settings expected = file;
        c.keep(expected);
        EXPECT_EQ(parsed(joined(withoutSection(customLines(), c.section)), before), expected);
    }

    // The program starts with the defaults, so a file without a colour keeps
    // the window background rather than black.
    EXPECT_EQ(parsed(joined(withoutSection(customLines(), "[BACKCOLOR]"))).inputBackColour,
              Settings::WindowBackgroundColour);
}

TEST(ConfigFile, DamagedSectionGetsItsDefaultsAndOthersStillRead) {
    const auto resetSlider = [](Settings& s) { s.cueGridWidth = Settings::DefaultCueGridWidth; };
    const auto resetWidths = [](Settings& s) {
        s.timeColumnWidth = Settings::DefaultTimeColumnWidth;
        s.descriptionColumnWidth = Settings::DefaultDescriptionColumnWidth;
    };
    const auto resetColour = [](Settings& s) {
        s.inputBackColour = Settings::WindowBackgroundColour;
    };
    const auto resetQuestions = [](Settings& s) {
        s.askBeforeSort = s.askBeforeDelete = s.askBeforeInput = true;
    };
    const struct {
        int line; // 1-based line of customLines() replaced
        QByteArray damaged;
        std::function<void(Settings&)> reset;
    } cases[] = {
        {5, "wide", resetSlider},        {5, "", resetSlider},
        {5, "0", resetSlider},           {5, "-6120", resetSlider},
        {5, "40000", resetSlider},       {7, "40000", resetWidths},
        {8, "40000", resetWidths},       {8, "narrow", resetWidths},
        {7, "0", resetWidths},           {8, "-1", resetWidths},
        {12, "4294967296", resetColour}, {12, "2147483648", resetColour},
        {12, "red", resetColour},        {14, "maybe", resetQuestions},
        {15, "maybe", resetQuestions},   {16, "1", resetQuestions},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "line " << c.line << ": " << c.damaged.toStdString());
        QByteArrayList lines = customLines();
        lines[c.line - 1] = c.damaged;
        // Read over settings unlike both the file and the defaults, so that a
        // default kept or a section skipped shows.
        Settings expected = customSettings();
        expected.languageName = otherSettings().languageName;
        c.reset(expected);
        EXPECT_EQ(parsed(joined(lines), otherSettings()), expected);
    }
}

TEST(ConfigFile, LanguageNameIsTheThirdValue) {
    const struct {
        const char* name;
        QByteArray content;
        QString language;
    } cases[] = {
        {"WrittenFile", ConfigFile::serialize(customSettings()), QStringLiteral("Français")},
        {"LoneLineFeeds", "[ZYN600x2 CONFIGFILE]\n[LANGUAGE]\n\"Deutsch\"\n", "Deutsch"},
        {"Unquoted", "[ZYN600x2 CONFIGFILE]\r\n[LANGUAGE]\r\n Deutsch \r\n", "Deutsch"},
        {"NonCodePageName", "h\r\nl\r\n\"\xEF\xBB\xBF\xE4\xB8\xAD\xE6\x96\x87\"\r\n", "中文"},
        {"ThirdValueWhateverTheHeader", "a,b,\"Italiano\"\r\n", "Italiano"},
        {"EmptyName", "[ZYN600x2 CONFIGFILE]\r\n[LANGUAGE]\r\n\"\"\r\n[SLIDER]\r\n", "English"},
        {"BlankName", "[ZYN600x2 CONFIGFILE]\r\n[LANGUAGE]\r\n\"  \"\r\n", "English"},
        {"TwoLinesOnly", "[ZYN600x2 CONFIGFILE]\r\n[LANGUAGE]\r\n", "English"},
        {"EmptyFile", "", "English"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ConfigFile::parseLanguageName(c.content), c.language);
    }
}

// Damaged files must never bring the program down, whatever they hold.
TEST(ConfigFile, DamagedFilesAreReadWithoutFailing) {
    const QByteArray whole = ConfigFile::serialize(customSettings());
    QByteArrayList contents;
    for (qsizetype size = 0; size < whole.size(); ++size)
        contents += whole.first(size);
    QRandomGenerator random(20240101);
    for (int i = 0; i < 200; ++i) {
        QByteArray garbage(random.bounded(1, 300), Qt::Uninitialized);
        for (char& byte : garbage)
            byte = static_cast<char>(random.bounded(256));
        contents += garbage;
        contents += "[QUESTIONS]\r\n" + garbage;
    }
    for (const QByteArray& content : contents) {
        Settings settings = customSettings();
        ConfigFile::parseEditorSettings(content, settings);
        EXPECT_FALSE(ConfigFile::parseLanguageName(content).isEmpty());
    }

    // A section line that ends the file gives the section's defaults.
    const Settings start = customSettings();
    EXPECT_EQ(parsed("[SLIDER]", start).cueGridWidth, Settings::DefaultCueGridWidth);
    EXPECT_EQ(parsed("[COLWIDTH]\r\n1320", start).descriptionColumnWidth,
              Settings::DefaultDescriptionColumnWidth);
    EXPECT_EQ(parsed("[BACKCOLOR]\r\n", start).inputBackColour, Settings::WindowBackgroundColour);
    EXPECT_TRUE(parsed("[QUESTIONS]\r\n#FALSE#\r\n#FALSE#", start).askBeforeInput);
    EXPECT_EQ(parsed("[PATH]", start).projectDirectory, start.projectDirectory);
    EXPECT_EQ(parsed("[USBDRIVE]\r\n", start).usbDrive, start.usbDrive);
}

} // namespace
