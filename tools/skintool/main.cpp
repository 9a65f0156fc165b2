// skintool: the skin author's command-line companion.
//
//   skintool pack FOLDER OUT.skn    pack a skin folder (or its INI file)
//   skintool unpack IN.skn FOLDER   write the pictures and the INI back
//   skintool info IN.skn            describe a skin file and list its problems
//
// Exit status: 0 on success, 1 when info found problems, 2 on usage errors,
// 3 on any other error (with a one-line message on standard error).
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/portable/Exception.h"
#include "skin/data/portable/SkinFolder.h"
#include "skin/data/portable/StoredSkin.h"
#include "tools/skintool/SkinReport.h"

namespace {

const char* const kUsage =
    "usage: skintool pack FOLDER OUT.skn     pack a skin folder (or its INI file) into a skin file\n"
    "       skintool unpack IN.skn FOLDER    write a skin file's pictures and \"skin.ini\" into FOLDER\n"
    "       skintool info IN.skn             describe a skin file and list every problem found\n"
    "Packing is deterministic: the same folder always gives the same bytes, and packing\n"
    "an unpacked skin file gives that file back.\n";

const char* const kUnpackedIniName = "skin.ini";

// The INI file of a folder: the one file whose name ends in ".ini" (any
// letter case). A path to a file is taken as the INI file itself.
std::string FindIniFile(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code failed;
    if (!fs::is_directory(path, failed))
        return path;
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(path, failed)) {
        std::string ext = entry.path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
        if (entry.is_regular_file() && ext == ".ini")
            found.push_back(entry.path().string());
    }
    if (failed)
        throw Exception("cannot list the folder " + path);
    if (found.size() != 1)
        throw Exception("the folder " + path + " must hold exactly one .ini file (it holds " +
                        std::to_string(found.size()) + ")");
    return found.front();
}

TbsSkinPackage ReadSkinFile(const std::string& path) {
    std::vector<std::uint8_t> file = ReadFileBytes(path);
    std::vector<std::uint8_t> compressed = ReadSkinFileImage(file.data(), file.size());
    return DecompressSkinPackage(compressed.data(), compressed.size());
}

int Pack(const std::string& folder, const std::string& out) {
    std::string ini = FindIniFile(folder);
    TbsStoredSkinPackage stored;
    stored.LoadFromIniFile(ini);
    std::vector<std::uint8_t> image;
    stored.SaveToCompressedStream(image);
    WriteFileBytes(out, image.data(), image.size());
    std::printf("packed %s into %s (%zu bytes)\n", ini.c_str(), out.c_str(), image.size());
    return 0;
}

int Unpack(const std::string& in, const std::string& folder) {
    TbsSkinPackage package = ReadSkinFile(in);
    WriteSkinFolder(package, folder, kUnpackedIniName);
    std::printf("unpacked %s into %s (%zu active pictures, \"%s\")\n", in.c_str(), folder.c_str(),
                package.ActivePictures.size(), kUnpackedIniName);
    if (package.DiscardedPictures > 0)
        std::printf("note: the %d version-2 pictures of this package were not written; they have no use\n",
                    package.DiscardedPictures);
    return 0;
}

int Info(const std::string& in) {
    std::vector<std::uint8_t> file = ReadFileBytes(in);
    std::vector<std::uint8_t> compressed = ReadSkinFileImage(file.data(), file.size());
    TbsSkinPackage package = DecompressSkinPackage(compressed.data(), compressed.size());
    std::printf("skin file         %s, %zu bytes (package %zu bytes compressed)\n", in.c_str(), file.size(),
                compressed.size());
    TSkinReport report = DescribeSkinPackage(package);
    for (const std::string& line : report.Lines)
        std::printf("%s\n", line.c_str());
    if (report.Problems.empty()) {
        std::printf("no problems found\n");
        return 0;
    }
    std::printf("%zu problem%s:\n", report.Problems.size(), report.Problems.size() == 1 ? "" : "s");
    for (const std::string& line : report.Problems)
        std::printf("  %s\n", line.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "-h" || args[0] == "--help" || args[0] == "help") {
        std::fputs(kUsage, args.empty() ? stderr : stdout);
        return args.empty() ? 2 : 0;
    }
    const std::string& command = args[0];
    const std::size_t wanted = command == "info" ? 2 : 3;
    if ((command != "pack" && command != "unpack" && command != "info") || args.size() != wanted) {
        std::fprintf(stderr, "skintool: %s\n%s",
                     command == "pack" || command == "unpack" || command == "info"
                         ? ("wrong number of arguments for " + command).c_str()
                         : ("unknown command \"" + command + "\"").c_str(),
                     kUsage);
        return 2;
    }
    try {
        if (command == "pack")
            return Pack(args[1], args[2]);
        if (command == "unpack")
            return Unpack(args[1], args[2]);
        return Info(args[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skintool: %s\n", e.what());
        return 3;
    }
}
