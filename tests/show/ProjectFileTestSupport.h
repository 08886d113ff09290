#pragma once

#include "show/ProjectKey.h"
#include "show/ProjectReader.h"
#include "show/ProjectWriter.h"
#include "show/ScrambledField.h"
#include "show/Show.h"

#include <gtest/gtest.h>
#include <memory>

namespace zyn::test {

inline const StopLabels EnglishLabels{QStringLiteral("MANUAL STOP"), QStringLiteral("TIMED STOP"),
                                      QStringLiteral("RESET STOP")};
inline const StopLabels GermanLabels{QStringLiteral("HANDSTOPP"), QStringLiteral("ZEITSTOPP"),
                                     QStringLiteral("RESET-STOPP")};

inline std::unique_ptr<Show> newShow() {
    auto show = std::make_unique<Show>();
    show->clearForTimeCodedShow();
    return show;
}

inline QByteArray serialized(const Show& show, const StopLabels& labels = EnglishLabels) {
    QByteArray bytes;
    const FileError error = ProjectWriter(labels, buildProjectCodecKey()).serialize(show, &bytes);
    EXPECT_TRUE(error.ok());
    return bytes;
}

inline FileError readInto(Show& show, const QByteArray& content,
                          const StopLabels& labels = EnglishLabels) {
    return ProjectReader(labels, buildProjectCodecKey())
        .read(content, QStringLiteral("t.zyn"), show);
}

// A field line holding the text scrambled with the project key.
inline QByteArray scrambledLine(const QString& text) {
    return '"' + ScrambledField::encode(text, buildProjectCodecKey()) + "\"\r\n";
}

} // namespace zyn::test
