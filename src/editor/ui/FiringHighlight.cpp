#include "FiringHighlight.h"

#include <QTimer>

namespace zyn {

FiringHighlight::FiringHighlight(std::function<void(int key)> changed, QObject* parent)
    : QObject(parent), m_changed(std::move(changed)) {}

void FiringHighlight::light(int key) {
    const int generation = ++m_generation;
    m_lit.insert(key, generation);
    m_changed(key);
    QTimer::singleShot(LitMs, this, [this, key, generation] {
        if (m_lit.value(key) != generation)
            return;
        m_lit.remove(key);
        m_changed(key);
    });
}

const QBrush& FiringHighlight::brush() {
    static const QBrush lit(QColor(255, 176, 64));
    return lit;
}

} // namespace zyn
