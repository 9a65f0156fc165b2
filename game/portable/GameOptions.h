// The game's command line:
//
//   RozudavuvoDarizZodovi [--skin FILE.skn]
//
// --skin (also written --skin=FILE) shows the game in the skin of that file
// instead of the built-in one, so that a skin author can see a skin on the
// real table window.
#pragma once

#include <string>
#include <vector>

struct TGameOptions {
    std::string SkinFile;  // empty: the built-in skin
    std::string Error;     // empty when the whole command line was understood
};

// Reads the arguments that follow the program's name. An unknown argument
// or a --skin without a file name is reported in Error; what came before
// it stays read, so the game can start anyway.
TGameOptions ParseGameOptions(const std::vector<std::string>& args);

// The one text shown when a skin file cannot be used: names the file and
// the reason, and says that the built-in skin is shown instead.
std::string SkinFileFailureText(const std::string& path, const std::string& reason);
