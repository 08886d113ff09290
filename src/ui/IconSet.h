#pragma once

#include <QIcon>
#include <QString>

namespace zyn {

// The program's own pictures, so that every button has a clear, distinct
// icon on any desktop, themed or not: SVG files in the resource folder
// ":/icons", drawn by Qt's SVG icon engine at each size asked for. Addressed
// by the image keys of the toolbars and dialogs ("SAVE", "CUE_COPY", ...).
namespace IconSet {

// The icon of an image key; a neutral placeholder for an unknown key.
QIcon icon(const QString& imageKey);

// Every image key the program uses.
QStringList keys();

// The picture that marks the current row of a grid.
QIcon rowMarker();

// The application's own icon (window and desktop entry).
QIcon applicationIcon();

} // namespace IconSet
} // namespace zyn
