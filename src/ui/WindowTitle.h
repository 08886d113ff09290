#pragma once

#include <QString>

namespace zyn::WindowTitle {

// "ZYN K5 (major.minor.revision)"
QString base();
// The base title, " - [", the document name, "]".
QString withDocument(const QString& document);

} // namespace zyn::WindowTitle
