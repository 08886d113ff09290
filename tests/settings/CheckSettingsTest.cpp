// The companion settings file: whatever it holds, the program starts with
// usable settings and names the lines it could not use.
#include "settings/CheckSettings.h"

#include "fakes/TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zyn;

namespace {

struct Case {
    const char* content; // nullptr: no file
    int gapMs;
    int ignored;
};

TEST(CheckSettings, ReadsWhatItCanAndDefaultsTheRest) {
    const Case cases[] = {
        {nullptr, 0, 0},
        {"module-gap-ms=250\n", 250, 0},
        {"# comment\r\n  module-gap-ms = 40 \r\nfuture-key=1\n", 40, 0},
        {"module-gap-ms=-5\n", 0, 1},
        {"module-gap-ms=fast\nmodule-gap-ms=99999999999\n", 0, 2},
        {"\xff\xfe garbage without equals\nmodule-gap-ms=7\n", 7, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content ? c.content : "(no file)");
        QTemporaryDir dir;
        const QString path = dir.filePath(QLatin1String(CheckSettings::FileName));
        if (c.content) {
            ASSERT_TRUE(test::putFile(path, c.content));
        }
        const CheckSettings::Loaded loaded = CheckSettings::read(path);
        EXPECT_EQ(loaded.found, c.content != nullptr);
        EXPECT_EQ(loaded.settings.moduleGapMs, c.gapMs);
        EXPECT_EQ(loaded.ignored.size(), c.ignored);
    }
}

TEST(CheckSettings, SavedSettingsReadBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QLatin1String(CheckSettings::FileName));
    const CheckSettings saved{1500};
    ASSERT_FALSE(saved.save(path));
    EXPECT_EQ(CheckSettings::read(path).settings, saved);
}

TEST(CheckSettings, SavingKeepsTheLinesOfTheOtherParts) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QLatin1String(CheckSettings::FileName));
    ASSERT_TRUE(test::putFile(path, "timeline-shown=0\nmodule-gap-ms=5\ntimeline-height=90\n"));
    ASSERT_FALSE(CheckSettings{250}.save(path));
    EXPECT_EQ(test::fileContent(path), "timeline-shown=0\nmodule-gap-ms=250\ntimeline-height=90\n");
}

} // namespace
