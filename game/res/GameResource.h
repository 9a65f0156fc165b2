/* Identifiers of the game executable's resources (Game.rc). Plain
   preprocessor definitions: the resource compiler reads this file too. */
#pragma once

/* The roulette wheel icon, 16, 32, 48 and 256 pixels. The lowest icon
   identifier is the one the shell shows for the program. */
#define IDI_GAME 1
