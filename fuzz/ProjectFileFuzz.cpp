// The project file reader on arbitrary bytes. A file that reads without error
// must survive a save: written again and read back, it gives the same show.

#include "FuzzSupport.h"
#include "show/ProjectKey.h"
#include "show/ProjectReader.h"
#include "show/ProjectWriter.h"
#include "show/Show.h"

using namespace zyn;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QByteArray key = buildProjectCodecKey();
    static const StopLabels labels = fuzz::languageLabels();
    static const QString path = QStringLiteral("fuzz.zyn");
    static Show show;
    static Show reread;
    const fuzz::ShowReset resetShow(show);
    const fuzz::ShowReset resetReread(reread);

    const ProjectReader reader(labels, key);
    if (!reader.read(fuzz::bytesOf(data, size), path, show).ok())
        return 0;

    QByteArray written;
    if (!ProjectWriter(labels, key).serialize(show, &written).ok())
        return 0; // a text the file cannot store: refused, never written
    fuzz::check(reader.read(written, path, reread).ok(), "a written project file reads back");
    fuzz::check(fuzz::sameShow(show, reread), "a written project file gives back its show");
    return 0;
}
