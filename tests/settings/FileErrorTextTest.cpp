#include "settings/FileErrorText.h"

#include "fakes/QtPrinters.h"
#include "settings/TextId.h"

#include <gtest/gtest.h>

using namespace zyn;

namespace {

LanguageTexts texts() {
    QStringList all(TextId::Bound);
    all[TextId::HeadingTime] = "Time";
    all[TextId::HeadingDescription] = "Description";
    all[TextId::HeadingSlave] = "Slave";
    all[TextId::HeadingChannel] = "Ch";
    all[TextId::HeadingCue] = "Cue";
    all[TextId::ErrorTruncated] = "The file ends too early.";
    all[TextId::ErrorUnstorable] = "Cannot store this text:";
    all[TextId::WordLine] = "line";
    return LanguageTexts(all);
}

} // namespace

TEST(FileErrorMessage, NumberThenTwoLineBreaksThenWhatWhereAndWhy) {
    FileError error = FileError::at(FileError::Kind::Truncated, "/shows/a.zyn", 6407);
    error.detail = "Input/output error";
    EXPECT_EQ(FileErrorText::message(error, texts()),
              "Fehlernummer: 62\r\n\r\nThe file ends too early.\r\n/shows/a.zyn, line 6407\r\n"
              "(Input/output error)");
}

TEST(FileErrorMessage, UnstorableTextsNameTheirCell) {
    const struct {
        CellPlace place;
        const char* name;
    } cases[] = {
        {{CellPlace::Field::CueTime, 12, 0}, "Cue 12, Time"},
        {{CellPlace::Field::CueDescription, 3200, 0}, "Cue 3200, Description"},
        {{CellPlace::Field::IcCell, 3, 16}, "Slave 3, Ch 16"},
    };
    for (const auto& c : cases) {
        FileError error = FileError::at(FileError::Kind::Unstorable, "/s.zyn");
        error.place = c.place;
        EXPECT_EQ(FileErrorText::description(error, texts()),
                  QStringLiteral("Cannot store this text:\r\n%1\r\n/s.zyn").arg(c.name));
    }
}
