// Skins for tests: the built-in skin with some keys of its definition
// changed, and the full-border variant the full-border tests use.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

using TSkinKeys = std::vector<std::pair<std::string, std::string>>;  // section, "key=value"

// The built-in skin's folder copied, with some keys of its ini changed.
inline std::string PatchedSkin(const std::string& name, const TSkinKeys& keys) {
    namespace fs = std::filesystem;
    const fs::path source = fs::path(RDZ_SOURCE_DIR) / "skins" / "Zevrak";
    const fs::path target = fs::temp_directory_path() / name;
    fs::remove_all(target);
    fs::copy(source, target);
    std::ifstream in(target / "Zevrak.ini");
    std::stringstream text;
    text << in.rdbuf();
    in.close();
    std::string ini = text.str();
    for (const auto& [section, line] : keys) {
        // The first line of the key after the section header.
        const std::string key = line.substr(0, line.find('='));
        const std::size_t at = ini.find("[" + section + "]");
        const std::size_t keyAt = at == std::string::npos ? at : ini.find("\n" + key + "=", at);
        if (keyAt == std::string::npos) {
            ADD_FAILURE() << "no " << key << " in [" << section << "]";
            continue;
        }
        const std::size_t end = ini.find('\n', keyAt + 1);
        ini.replace(keyAt + 1, end - keyAt - 1, line);
    }
    std::ofstream(target / "Zevrak.ini", std::ios::binary) << ini;
    return (target / "Zevrak.ini").string();
}

// The built-in skin's layer frame as a full border: a 40-pixel top strip
// over a form that starts 34 pixels down, the buttons' place right of the
// picture's middle (it moves with the width), the system-menu button's and
// the caption's left of it; the close button shaped by a mask.
inline TSkinKeys FullBorderKeys() {
    return {{"LAYERFRAME", "fullborder=1"},
            {"LAYERFRAME", "clientrect=14,34,164,144"},
            {"LAYERFRAME", "lefttoppoint=40,40"},
            {"LAYERFRAME", "righttoppoint=140,40"},
            {"LAYERFRAME", "buttonsrect=100,14,164,34"},
            {"LAYERFRAME", "sysmenubuttonrect=14,14,34,34"},
            {"LAYERFRAME", "captionrect=40,14,100,34"},
            {"LAYERFRAME", "rollupformheight=6"},
            {"closebutton", "alphamaskpictureindex=9"}};
}
