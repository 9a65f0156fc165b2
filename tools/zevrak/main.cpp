// zevrak FOLDER: draws the Zevrak skin and writes its definition and
// pictures into FOLDER (which must exist). Running it again gives the same
// bytes, so the folder in the repository can be checked against it.
#include <cstdio>
#include <exception>

#include "tools/zevrak/ZevrakSkin.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zevrak FOLDER\n");
        return 2;
    }
    try {
        auto files = zevrak::BuildZevrakFolder();
        zevrak::WriteSkinFolder(argv[1], files);
        std::printf("zevrak: %zu files written to %s\n", files.size(), argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zevrak: %s\n", e.what());
        return 1;
    }
    return 0;
}
