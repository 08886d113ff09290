#pragma once

#include "FuzzSupport.h"
#include "import/ImportTime.h"
#include "import/WorkbookCueList.h"
#include "platform/spreadsheet/LocalSpreadsheetEngine.h"
#include "show/ScrambledField.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <fcntl.h>
#include <iconv.h>
#include <pthread.h>
#include <sanitizer/common_interface_defs.h>
#include <signal.h>
#include <unistd.h>

// What the workbook targets share: the bytes go into a file, since the .xls
// library reads only files, and through the program's engine and both sheet
// layouts of the import. An opened workbook must give rows with well-formed
// times and storable descriptions, whatever its cells hold.
namespace zyn::fuzz {

inline bool& isReaderChild() {
    static bool child = false;
    return child;
}

// The .xls reader's child process dies when the library fails on a damaged
// file, and the program reports the workbook as damaged. A child of the
// fuzzer would report its death as a finding of the fuzzer; it ends quietly
// instead.
inline void quietChild() {
    isReaderChild() = true;
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, STDOUT_FILENO);
    ::dup2(null, STDERR_FILENO);
    __sanitizer_set_death_callback([] { ::_exit(1); });
    // The fuzzer's own handlers would save the input of a child that a
    // library stopped as a crash of the fuzzer.
    for (const int number : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL})
        ::signal(number, SIG_DFL);
}

inline void checkRows(const ImportRows& read) {
    static const QRegularExpression previewTime(
        QStringLiteral(R"(^([01]\d|2[0-3]):[0-5]\d:[0-5]\d:\d\d\d$)"));
    for (const ImportRow& row : read.rows) {
        check(previewTime.match(row.time).hasMatch(), "a row's time has the preview's form");
        check(ScrambledField::firstUnstorable(row.description) < 0,
              "a row's description can be stored");
    }
}

// The converters the .xls library opens, loaded once in the fuzzer so that
// each child finds them loaded instead of loading them anew. They stay open
// for the whole run, held here so that the leak check sees them in use.
inline void loadConverters() {
    static iconv_t converters[2];
    int i = 0;
    for (const char* from : {"UTF-16LE", "CP1252"})
        converters[i++] = ::iconv_open("UTF-8", from);
}

inline void checkWorkbookBytes(const QByteArray& bytes) {
    static const int quiet = ::pthread_atfork(nullptr, nullptr, quietChild);
    static const bool loaded = (loadConverters(), true);
    (void)quiet;
    (void)loaded;
    static QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("workbook"));
    {
        QFile file(path);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                  file.write(bytes) == bytes.size(),
              "the input can be put into a file");
    }
    const SpreadsheetEngine::Opened opened = LocalSpreadsheetEngine().open(path);
    check((opened.workbook == nullptr) == !opened.error.ok(),
          "a workbook comes exactly when there is no error");
    if (!opened.workbook)
        return;
    const Workbook& workbook = *opened.workbook;
    for (const QString& name : {QString(), QStringLiteral("A0"), QStringLiteral("XFD1048576"),
                                QStringLiteral("XFE1"), QStringLiteral("a1")})
        (void)workbook.cellText(name);

    const WorkbookCueList::Headers headers = WorkbookCueList::readHeaders(workbook);
    check(headers.texts.size() <= WorkbookCueList::MaxHeaderColumns &&
              headers.columns <= WorkbookCueList::MaxHeaderColumns,
          "headers stop at column Z");
    checkRows(WorkbookCueList::readRows(workbook, path, true, headers.columns, {}));
    checkRows(WorkbookCueList::readRows(workbook, path, false, headers.columns,
                                        ColumnChoice{1, 2, 3, 4, 5}));
}

} // namespace zyn::fuzz

// Called by the address checker before it writes a report. The library's
// memory errors on damaged files are expected in the child and end it at
// once: writing their reports, with stacks resolved to source lines, took
// three quarters of the .xls target's time. Each workbook target is one file
// that includes this header, so the hook is defined once per program.
extern "C" void __asan_on_error() {
    if (zyn::fuzz::isReaderChild())
        ::_exit(1);
}
