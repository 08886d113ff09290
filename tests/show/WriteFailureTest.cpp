// The files of the show folder survive a failed write: the failure is
// reported naming the file, and the file keeps what it held.
#include "ProjectFileTestSupport.h"
#include "fakes/QtPrinters.h"
#include "fakes/WriteFailures.h"
#include "show/ConfigFile.h"
#include "show/RecentFiles.h"

#include <functional>
#include <gtest/gtest.h>
#include <iostream>

using namespace zyn;
using namespace zyn::test;

namespace {

TEST(WriteFailure, EveryShowFileKeepsItsPreviousContentAndTheFailureIsReported) {
    auto show = newShow();
    show->cues.row(1).Description = QStringLiteral("Comet");
    const ProjectWriter project(EnglishLabels, buildProjectCodecKey());
    const struct {
        const char* name;
        QString fileName;
        std::function<FileError(const QString&)> write;
    } writers[] = {
        {"project", QStringLiteral("show.zyn"),
         [&](const QString& path) { return project.save(*show, path); }},
        {"recent files", RecentFiles::FileName,
         [](const QString& path) { return RecentFiles::write(path, QStringLiteral("/a.zyn")); }},
        {"configuration", ConfigFile::FileName,
         [](const QString& path) { return ConfigFile::write(path, Settings{}); }},
    };
    for (const auto& writer : writers) {
        for (const WriteFailure failure : EveryWriteFailure) {
            SCOPED_TRACE(std::string(writer.name) + ", " + nameOf(failure));
            show->state.ShowChanged = true;
            FailingTarget target(failure, writer.fileName);
            FileError error;
            const std::optional<bool> ran = target.run([&] {
                error = writer.write(target.path());
                return !error.ok();
            });
            if (!ran) {
                std::cout << "skipped: " << target.skipReason().toStdString() << "\n";
                continue;
            }
            EXPECT_TRUE(*ran);
            EXPECT_EQ(error.kind, FileError::Kind::CannotWrite);
            EXPECT_NE(error.number, 0);
            EXPECT_EQ(error.path, target.path());
            EXPECT_TRUE(target.untouched());
            // A project that did not reach the disk is still unsaved.
            EXPECT_TRUE(show->state.ShowChanged);
        }
    }
}

} // namespace
