#pragma once

#include <QTableView>

class QLabel;

namespace zyn {

// A grid of the editor: a table view with a rectangular selection, no
// in-place editing (input boxes float over it instead), a caption in its top
// left corner and the means to hold it still while an input box is open.
class ShowGridView : public QTableView {
    Q_OBJECT

public:
    explicit ShowGridView(const QString& name, QWidget* parent = nullptr);

    void setCornerText(const QString& text);
    QString cornerText() const;

    // While frozen the grid neither shows scroll bars nor scrolls.
    void setFrozen(bool frozen);
    bool isFrozen() const { return m_frozen; }

signals:
    void rightButtonReleased();

protected:
    void updateGeometries() override;
    bool viewportEvent(QEvent* event) override;

private:
    QLabel* m_corner;
    bool m_frozen = false;
};

} // namespace zyn
