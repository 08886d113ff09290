#pragma once

#include <QByteArray>

namespace zyn {

// CodecKey, the key of the project files' scrambled fields. Built from its
// codes at run time; it is never kept as text. Every code lies between 1 and
// 9, which keeps scrambled fields free of line ends (see ScrambledField).
QByteArray buildProjectCodecKey();

} // namespace zyn
