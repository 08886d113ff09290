#pragma once

#include "CommandId.h"

#include <QKeyCombination>
#include <span>

namespace zyn {

// What the program knows of one command: the names its menu item, toolbar
// button and window action carry, the key it enters ExecuteCommand with, the
// action code its button queues, its texts, picture and shortcut.
struct Command {
    CommandId id;
    const char* menuItem;   // object name of its menu item (or menu); null when none
    const char* key;        // command key run by ExecuteCommand; null when none
    const char* button;     // object name of its toolbar button; null when none
    const char* actionCode; // what the button queues
    int text;               // caption of the menu item
    int tooltip;            // tooltip of the button
    const char* icon;       // image key of the button
    QKeyCombination shortcut;
    bool enabled; // when the main window opens
    bool buttonShown;
};

namespace CommandRegistry {

// Marks a separator in a menu or toolbar layout.
inline constexpr CommandId Separator = CommandId::Count;

const Command& command(CommandId id);
std::span<const Command> all();

struct Menu {
    CommandId menu;
    std::span<const CommandId> items;
};
// The menu bar, left to right, each menu's items top to bottom.
std::span<const Menu> menus();
// The toolbars' buttons, left to right.
std::span<const CommandId> editButtons();
std::span<const CommandId> reportButtons();

} // namespace CommandRegistry
} // namespace zyn
