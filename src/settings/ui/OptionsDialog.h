#pragma once

#include <QDialog>
#include <functional>
#include <optional>

class QCheckBox;
class QLineEdit;
class QTabWidget;
class QToolButton;
class QTreeWidget;

namespace zyn {

class ShowDocument;

// frmOptions: the settings that have no other editor — the project folder,
// the input boxes' colour, the three question switches and the show check's
// minimum module gap. Nothing changes until OK.
class OptionsDialog : public QDialog {
    Q_OBJECT

public:
    // Picks a colour starting from the given one; nothing when cancelled.
    using ColourChooser = std::function<std::optional<QColor>(const QColor&)>;

    OptionsDialog(ShowDocument& document, QWidget* parent = nullptr);

    void setColourChooser(ColourChooser chooser) { m_chooseColour = std::move(chooser); }

    // The colour value the box shows now, as the settings store it.
    qint32 colourValue() const { return m_colour; }

private:
    QWidget* pathsPage();
    QWidget* colourPage();
    QWidget* questionsPage();
    QWidget* checkPage();
    // The module gap typed in, or nothing (and a warning) when it is not one.
    std::optional<int> moduleGap();
    void showColour(qint32 value);
    void pickColour();
    void showPathChooser();
    void apply();

    ShowDocument& m_document;
    QTabWidget* m_tabs = nullptr;
    QTreeWidget* m_paths = nullptr;
    QToolButton* m_colourBox = nullptr;
    QCheckBox* m_askInput = nullptr;
    QCheckBox* m_askDelete = nullptr;
    QCheckBox* m_askSort = nullptr;
    QLineEdit* m_moduleGap = nullptr;
    int m_savedModuleGap = 0;
    qint32 m_colour = 0;
    ColourChooser m_chooseColour;
};

} // namespace zyn
