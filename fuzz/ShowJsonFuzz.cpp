// The show JSON reader on arbitrary bytes. A refused JSON leaves a new empty
// show; an accepted one gives back the same show, and the same JSON, when
// written and read again.

#include "FuzzSupport.h"
#include "show/Show.h"
#include "show/ShowJson.h"

using namespace zyn;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const StopLabels labels = fuzz::languageLabels();
    static const Show empty;
    static Show show;
    static Show reread;
    const fuzz::ShowReset resetShow(show);
    const fuzz::ShowReset resetReread(reread);

    // What the reader must replace.
    show.state.ShowMode = ManualShow;
    show.cues.row(MaxCues).TimeText = QStringLiteral("00:00:01:00");
    show.ics.cell(1, 1) = QStringLiteral("1");
    Soundtrack soundtrack{QStringLiteral("stale.wav"), 1, 2};
    const QString error = ShowJson::read(fuzz::bytesOf(data, size), labels, show, &soundtrack);
    if (!error.isEmpty()) {
        fuzz::check(!error.contains(u'\n'), "a refusal is one line");
        fuzz::check(fuzz::sameShow(show, empty), "a refused JSON leaves a new empty show");
        fuzz::check(soundtrack == Soundtrack(), "a refused JSON leaves no soundtrack");
        return 0;
    }
    const QByteArray json = ShowJson::write(show, labels, soundtrack);
    Soundtrack rereadSoundtrack;
    fuzz::check(ShowJson::read(json, labels, reread, &rereadSoundtrack).isEmpty(),
                "written JSON reads back");
    fuzz::check(fuzz::sameShow(show, reread), "written JSON gives back its show");
    fuzz::check(rereadSoundtrack == soundtrack, "written JSON gives back its soundtrack");
    fuzz::check(ShowJson::write(reread, labels, rereadSoundtrack) == json,
                "written JSON is written the same");
    return 0;
}
