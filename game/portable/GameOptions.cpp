#include "game/portable/GameOptions.h"

namespace {

constexpr const char* kSkinOption = "--skin";
constexpr const char* kMissingSkinFile = "--skin needs the name of a skin file (.skn)";
constexpr const char* kUnknownArgument = "Unknown argument: ";
constexpr const char* kSkinFileFailure = "The skin file \"%1\" cannot be used: %2\n\nThe game is shown in its built-in skin.";

}  // namespace

TGameOptions ParseGameOptions(const std::vector<std::string>& args) {
    TGameOptions options;
    const std::string withValue = std::string(kSkinOption) + "=";
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == kSkinOption) {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                options.Error = kMissingSkinFile;
                break;
            }
            options.SkinFile = args[++i];
        } else if (arg.rfind(withValue, 0) == 0) {
            if (arg.size() == withValue.size()) {
                options.Error = kMissingSkinFile;
                break;
            }
            options.SkinFile = arg.substr(withValue.size());
        } else {
            options.Error = kUnknownArgument + arg;
            break;
        }
    }
    return options;
}

std::string SkinFileFailureText(const std::string& path, const std::string& reason) {
    // Filled from the template's end, so that a "%1" or "%2" inside the
    // path or the reason is never taken for a place holder.
    std::string text = kSkinFileFailure;
    const std::size_t first = text.find("%1"), second = text.find("%2");
    text.replace(second, 2, reason.empty() ? std::string("unknown error") : reason);
    text.replace(first, 2, path);
    return text;
}
