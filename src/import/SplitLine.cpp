#include "SplitLine.h"

namespace zyn {

QStringList SplitLine(QStringView line) {
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c != u'"') {
                field += c;
            } else if (i + 1 < line.size() && line[i + 1] == u'"') {
                field += c;
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == u';') {
            fields.append(field);
            field.clear();
        } else if (c == u'"' && field.isEmpty()) {
            quoted = true;
        } else {
            field += c;
        }
    }
    fields.append(field);
    return fields;
}

} // namespace zyn
