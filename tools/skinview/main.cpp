// skinview SKIN OUT.png: a contact sheet of a skin (a skin folder, its INI
// file, or a ".skn" skin file) for a skin author to look over: every control
// look at several sizes and in every state, the window frame at the table
// window's size with its mask and layered border, the caption objects, and
// the popup and hint frames.
#include <cstdio>
#include <exception>

#include "skin/data/portable/StoredSkin.h"
#include "tools/skinview/PngFile.h"
#include "tools/skinview/SheetRender.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: skinview SKIN OUT.png   (SKIN: a skin folder, its .ini file or a .skn file)\n");
        return 2;
    }
    try {
        TSheetModel model = ReadSheetModel(argv[1]);
        TPixelBuffer sheet = RenderContactSheet(model);
        std::vector<std::uint8_t> png = EncodePng(sheet);
        WriteFileBytes(argv[2], png.data(), png.size());
        std::printf("skinview: %d x %d contact sheet written to %s\n", sheet.Width, sheet.Height, argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skinview: %s\n", e.what());
        return 1;
    }
    return 0;
}
