#include "show/ShowJson.h"

#include "fakes/QtPrinters.h"
#include "show/Show.h"

#include <gtest/gtest.h>
#include <memory>

using namespace zyn;

namespace {

const StopLabels FileForm = StopLabels::fileForm();

std::unique_ptr<Show> emptyShow() {
    auto show = std::make_unique<Show>();
    show->clearForTimeCodedShow();
    return show;
}

} // namespace

TEST(ShowJson, ListsUsedRowsAndNonEmptyCellsInOrder) {
    auto show = emptyShow();
    show->state.SortPending = true;
    show->cues.row(7).Description = QStringLiteral("only text");
    show->cues.row(3).TimeText = QStringLiteral("00:00:05:00");
    show->cues.row(3).Description = QStringLiteral("Comet \"gold\"\\ ü");
    show->ics.cell(2, 1) = QStringLiteral("K 4");
    show->ics.cell(1, 2) = QStringLiteral("3-2");
    EXPECT_EQ(ShowJson::write(*show, FileForm),
              "{\n"
              "  \"mode\": 1,\n"
              "  \"sortPending\": true,\n"
              "  \"cues\": [\n"
              "    {\"row\": 3, \"time\": \"00:00:05:00\", \"description\": \"Comet "
              "\\\"gold\\\"\\\\ \xC3\xBC\"},\n"
              "    {\"row\": 7, \"time\": \"\", \"description\": \"only text\"}\n"
              "  ],\n"
              "  \"channels\": [\n"
              "    {\"slave\": 1, \"channel\": 2, \"cell\": \"3-2\"},\n"
              "    {\"slave\": 2, \"channel\": 1, \"cell\": \"K 4\"}\n"
              "  ]\n"
              "}\n");
}

TEST(ShowJson, MissingKeysMeanAnEmptyTimeCodedShow) {
    auto show = emptyShow();
    show->ics.cell(1, 1) = QStringLiteral("5");
    ASSERT_EQ(ShowJson::read("{}", FileForm, *show), "");
    EXPECT_EQ(show->state.ShowMode, TimeCodedShow);
    EXPECT_FALSE(show->state.SortPending);
    EXPECT_EQ(show->ics.cell(1, 1), "");
}

TEST(ShowJson, RefusesWhatAProjectCannotHoldAndLeavesAnEmptyShow) {
    const struct {
        const char* json;
        const char* mentions;
    } cases[] = {
        {"[1]", "not an object"},
        {"{\"mode\": 1,", "not valid JSON"},
        {"{\"mode\": 3}", "mode"},
        {"{\"mode\": \"1\"}", "mode"},
        {"{\"sortPending\": 1}", "sortPending"},
        {"{\"colour\": 1}", "unknown key \"colour\""},
        {"{\"cues\": {}}", "must be a list"},
        {"{\"cues\": [3]}", "must be an object"},
        {"{\"cues\": [{\"row\": 0}]}", "row"},
        {"{\"cues\": [{\"row\": 3201}]}", "row"},
        {"{\"cues\": [{\"row\": 1.5}]}", "row"},
        {"{\"cues\": [{\"time\": \"MAN\"}]}", "row"},
        {"{\"cues\": [{\"row\": 2}, {\"row\": 2}]}", "listed twice"},
        {"{\"cues\": [{\"row\": 2, \"time\": 5}]}", "string"},
        {"{\"cues\": [{\"row\": 2, \"tme\": \"x\"}]}", "unknown key \"tme\""},
        {"{\"co\nlour\": 1}", "unknown key \"co\\u000alour\""},
        {"{\"cues\": [{\"row\": 2, \"description\": \"\\u4e2d\"}]}", "U+4e2d"},
        {"{\"cues\": [{\"row\": 2, \"description\": \"a\\tb\"}]}", "U+0009"},
        {"{\"channels\": [{\"slave\": 201, \"channel\": 1, \"cell\": \"1\"}]}", "slave"},
        {"{\"channels\": [{\"slave\": 1, \"channel\": 17, \"cell\": \"1\"}]}", "channel"},
        {"{\"channels\": [{\"slave\": 1, \"channel\": 0, \"cell\": \"1\"}]}", "channel"},
        {"{\"channels\": [{\"slave\": 1, \"channel\": 1, \"cell\": \"1\"},"
         " {\"slave\": 1, \"channel\": 1, \"cell\": \"2\"}]}",
         "listed twice"},
        {"{\"soundtrack\": \"a.wav\"}", "must be an object"},
        {"{\"soundtrack\": {\"start\": \"00:00:01:00\"}}", "\"file\""},
        {"{\"soundtrack\": {\"file\": \"a\\nb.wav\", \"start\": \"00:00:01:00\"}}",
         "control character"},
        {"{\"soundtrack\": {\"file\": \"a.wav\", \"start\": \"00:60:00:00\"}}", "\"start\""},
        {"{\"soundtrack\": {\"file\": \"a.wav\", \"start\": \"00:00:01:00\", \"segment\": 0}}",
         "segment"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json);
        auto show = emptyShow();
        const QString error = ShowJson::read(c.json, FileForm, *show);
        EXPECT_TRUE(error.contains(QLatin1String(c.mentions))) << error.toStdString();
        EXPECT_EQ(show->cues.row(2).TimeText, "");
        EXPECT_EQ(show->ics.cell(1, 1), "");
    }
}
