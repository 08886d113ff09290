#pragma once

#include <QString>
#include <QtGlobal>

namespace zyn {

// The user's settings kept in "ZYN600.cfg" between runs.
struct Settings {
    // The platform's window-background colour, as the file stores it.
    static constexpr qint32 WindowBackgroundColour = qint32(0x80000005u);
    static constexpr int DefaultCueGridWidth = 5130; // twips
    static constexpr int DefaultTimeColumnWidth = 1500;
    static constexpr int DefaultDescriptionColumnWidth = 3000;

    QString languageName = QStringLiteral("English");
    int cueGridWidth = DefaultCueGridWidth; // twips: where the splitter stands
    qint16 timeColumnWidth = DefaultTimeColumnWidth;
    qint16 descriptionColumnWidth = DefaultDescriptionColumnWidth;
    QString projectDirectory; // "" means the "Projects" folder of the program directory
    qint32 inputBackColour = WindowBackgroundColour;
    bool askBeforeSort = true;   // CheckSort: stored only, nothing asks it
    bool askBeforeDelete = true; // CheckDelete
    bool askBeforeInput = true;  // CheckInput
    QString usbDrive;

    friend bool operator==(const Settings&, const Settings&) = default;
};

} // namespace zyn
