#pragma once

#include "app/game_session.h"

#include <QAction>
#include <QMenuBar>
#include <QToolBar>
#include <array>

namespace tarvo {

// A level's name in the settings, its menu caption and its table of the ten best.
struct LevelInfo {
    const char* name;
    const char* caption;
    const char* scoreSection;
};
const LevelInfo& InfoOf(Level level);

// The window's commands: one action each, which the menu and the toolbar
// share. Each carries its help topic's number, for F1 over its menu item.
struct MainActions {
    QAction* status; // Start, or Stop while a game runs
    QAction* undo;
    QAction* redo;
    QAction* hint;
    QAction* review; // the latest game
    QAction* open;
    QAction* save;
    QAction* copy;
    QAction* paste;
    QAction* score;
    QAction* statistics;
    std::array<QAction*, 3> levels; // Classic, Strong, Expert
    QAction* legal;
    std::array<QAction*, 3> styles; // the board's: Classic, Felt, High contrast
    QAction* animate;
    QAction* sound;
    QAction* exit;
    QAction* helpTopics;
    QAction* web;
    QAction* about;
};

// Builds the menus and the toolbar's buttons over one set of actions. The
// menus' keys go through `menuKeys` first, so that it sees F1 over an item.
MainActions BuildActions(QMenuBar* menuBar, QToolBar* toolbar, QObject* menuKeys);

// The Start command's caption, tooltip and icon for a running or a stopped game.
void ShowGameRunning(QAction* status, bool running);

} // namespace tarvo
