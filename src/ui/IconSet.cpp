#include "IconSet.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>

namespace zyn::IconSet {
namespace {

// Each key's picture is the file ":/icons/<key>.svg".
constexpr const char* Keys[] = {
    "SAVE",       "OPEN",        "EDIT",     "RESTORE",     "CANCEL",        "OK",
    "COMMOK",     "COMMERROR",   "PCMKarte", "IMPORT",      "CUE_PASTE",     "CUE_COPY",
    "CUE_TAUSCH", "CUE_DELETE",  "RENUMBER", "CLOCK",       "IC_PUTCUE",     "IC_COPY",
    "IC_TAUSCH",  "IC_DELETE",   "STOP",     "STOPTIME",    "STOPTIMERESET", "Printing",
    "EXPORT",     "SEITEANFANG", "SEITEVOR", "SEITEWEITER", "SEITEENDE",
};

// Where a picture would only blur at 16 pixels, "<name>-16.svg" draws a
// plainer one for that size; the engine takes an added pixmap of the exact
// size asked for over rendering the file.
constexpr int SmallSize = 16;

QString pictureFile(const QString& name) {
    return QStringLiteral(":/icons/") + name + QStringLiteral(".svg");
}

QIcon load(const QString& name) {
    QIcon icon(pictureFile(name));
    const QString small = pictureFile(name + QStringLiteral("-16"));
    if (QFileInfo::exists(small))
        icon.addPixmap(QIcon(small).pixmap(SmallSize));
    return icon;
}

// One icon per picture, shared by every caller so that each size is rendered
// once. Never destroyed, so that clearing it when the application object goes
// is safe whichever of the two outlives the other at exit.
QHash<QString, QIcon>& cache() {
    static auto* icons = new QHash<QString, QIcon>;
    return *icons;
}

// Icons may hold pixmaps, which must go before the application object does;
// a later application object starts with an empty cache.
void dropCache() {
    cache().clear();
}

QIcon picture(const QString& name) {
    QHash<QString, QIcon>& icons = cache();
    auto found = icons.constFind(name);
    if (found == icons.constEnd()) {
        if (icons.isEmpty())
            qAddPostRoutine(dropCache);
        found = icons.insert(name, load(name));
    }
    return *found;
}

} // namespace

QIcon icon(const QString& imageKey) {
    for (const char* key : Keys) {
        if (imageKey == QLatin1StringView(key))
            return picture(imageKey);
    }
    return picture(QStringLiteral("placeholder"));
}

QStringList keys() {
    QStringList all;
    for (const char* key : Keys)
        all << QString::fromLatin1(key);
    return all;
}

QIcon rowMarker() {
    return picture(QStringLiteral("row-marker"));
}

QIcon applicationIcon() {
    // The file the desktop entry installs, so window and desktop agree.
    return QIcon(QStringLiteral(":/zynk5.svg"));
}

} // namespace zyn::IconSet
