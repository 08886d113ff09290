#pragma once

#include <QLineEdit>

namespace zyn {

// One of the editor's floating input boxes. Enter is swallowed on key press
// and commits on key release (so no beep and no line break); Esc drops the
// entry on key release; losing the focus is reported so the editor can decide
// whether the entry is kept. Remembers the cell it was opened for.
class InputBox : public QLineEdit {
    Q_OBJECT

public:
    explicit InputBox(const QString& name, QWidget* parent = nullptr);

    void setCell(int row, int column) {
        m_row = row;
        m_column = column;
    }
    int row() const { return m_row; }
    int column() const { return m_column; }

    void setBackground(const QColor& colour);

signals:
    void enterReleased();
    void escapeReleased();
    void focusLost();
    void focusGained();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int m_row = 0;
    int m_column = 0;
};

} // namespace zyn
