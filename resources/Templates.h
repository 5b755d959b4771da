#pragma once

#include "DialogTemplate.h"

// One function per dialog template, each in its own TemplateNNN.cpp.
DialogTemplate MakeTemplate100();  // the about box
DialogTemplate MakeTemplate102();  // the game window
DialogTemplate MakeTemplate132();  // the game setup dialog
DialogTemplate MakeTemplate135();  // the types of hints
DialogTemplate MakeTemplate136();  // the game's message box
DialogTemplate MakeTemplate137();  // player statistics
DialogTemplate MakeTemplate142();  // delete players
DialogTemplate MakeTemplate143();  // player selection
DialogTemplate MakeTemplate145();  // a player's progress chart
