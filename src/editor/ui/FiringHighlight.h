#pragma once

#include <QBrush>
#include <QHash>
#include <QObject>
#include <functional>

namespace zyn {

// The preview of the firing in a grid: cells of cues the playhead passed are
// lit for a moment, then fade back. Keys are the model's own cell numbers;
// `changed` repaints one of them.
class FiringHighlight : public QObject {
    Q_OBJECT

public:
    static constexpr int LitMs = 700;

    FiringHighlight(std::function<void(int key)> changed, QObject* parent = nullptr);

    void light(int key);
    bool isLit(int key) const { return m_lit.contains(key); }
    static const QBrush& brush();

private:
    std::function<void(int)> m_changed;
    // The generation of each lit key: a key lit again stays lit for the full
    // time, not until the first light's timer ends.
    QHash<int, int> m_lit;
    int m_generation = 0;
};

} // namespace zyn
