// Loading a skin package costs at most twice inflating it.
//
// Measures the built-in skin (skins/Zevrak, packed in memory as the build
// packs it), then a larger package shaped like the game's skin, built in
// memory: a 150 x 130 main picture and its 1-bit mask, 19 active pictures
// of the game skin's sizes and depths, and a definition of 80 records of
// about 60 KB (about 750 bytes a record); about 1.5 MB decompressed. For
// each, the fastest of several rounds of:
//   inflate: zlib's uncompress of the package into a ready buffer;
//   load:    what the skin data manager does with it: inflate the package
//            and decode every picture to 32 bits as it inflates, read the
//            definition into records (with the layer frame images).
// For reference it also times uncompress into memory allocated for it, as a
// load must: where the heap gives large blocks back to the system (Windows,
// and wine) every load pays for the pages it touches first, while glibc's
// heap keeps them from one round to the next.
// Prints both times, the phases of the load and the ratio. Exits 1 when a
// ratio is above 2, 2 when a skin cannot be read; "--check" only checks
// that no sanitizer runtime is in the process (see BenchmarkStart.h).
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/common/BenchmarkStart.h"
#include "bench/common/MachineInfo.h"
#include "platform/portable/Exception.h"
#include "platform/portable/IniFile.h"
#include "skin/data/portable/SkinDataCore.h"
#include "skin/data/portable/SkinDefinition.h"
#include "skin/data/portable/SkinFolder.h"
#include "skin/data/portable/StoredSkin.h"
#include "skin/data/portable/ZlibStream.h"

namespace {

using Clock = std::chrono::steady_clock;

struct TPictureSpec {
    const char* Name;
    int Width, Height, Bits;
};

const TPictureSpec kActive[] = {
    {"active.bmp", 237, 68, 24},      {"pw.bmp", 81, 75, 24},          {"menuitems.bmp", 48, 129, 24},
    {"controls.bmp", 635, 413, 24},   {"hw.bmp", 40, 24, 24},          {"hwmask.bmp", 40, 24, 1},
    {"pwmask.bmp", 81, 75, 1},        {"rbuttonmask.bmp", 39, 33, 1},  {"buttonmask.bmp", 56, 25, 1},
    {"bactivemask.bmp", 20, 20, 1},   {"htbmask.bmp", 44, 15, 1},      {"vtbmask.bmp", 15, 44, 1},
    {"blayer.bmp", 44, 44, 24},       {"blayermask.bmp", 44, 44, 24},  {"layerborder.bmp", 180, 159, 24},
    {"layerbordermask.bmp", 180, 159, 24}, {"ribbon.bmp", 265, 181, 24}, {"appmenu.bmp", 210, 133, 24},
    {"appmenubg.bmp", 200, 200, 24}};

// Skin-like pixels: bands and gradients, which deflate well.
TBmpFile MakePicture(int w, int h, int bits) {
    std::vector<std::uint8_t> bytes;
    if (bits == 1) {
        std::vector<std::uint8_t> indexes(std::size_t(w) * std::size_t(h));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                indexes[std::size_t(y) * std::size_t(w) + std::size_t(x)] = (x > 2 && y > 2 && x < w - 3 && y < h - 3);
        bytes = WriteIndexedBmp(w, h, 1, {0x000000, 0xFFFFFF}, indexes);
    } else {
        TPixelBuffer p(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                p.At(x, y) = MakePixel(std::uint8_t((y / 6) * 9), std::uint8_t((x / 24) * 16), std::uint8_t(90 + (x + y) / 32));
        bytes = WriteBmp(p, bits);
    }
    return ReadBmpFile(bytes.data(), bytes.size());
}

// 80 records: 10 objects and 70 controls, each section with the keys of its
// kind, padded with comment-free extra keys to about 60 KB in all.
std::string MakeDefinition() {
    std::string d = "[VERSION]\r\nver=3\r\nskinname=Bench\r\n\r\n[PICTURES]\r\npicture=main.bmp\r\ninactivepicture=\r\n"
                    "mask=mask.bmp\r\nactivepicturescount=19\r\n";
    for (int i = 0; i < 19; ++i)
        d += std::to_string(i) + "=" + kActive[i].Name + "\r\n";
    d += "\r\n[FORMINFO]\r\nlefttoppoint=12,26\r\nrighttoppoint=138,26\r\nleftbottompoint=12,126\r\n"
         "rightbottompoint=138,126\r\nclientrect=1,26,149,129\r\nleftstretch=1\r\nrightstretch=1\r\n"
         "topstretch=1\r\nbottomstretch=1\r\nborderwidth=4\r\n\r\n"
         "[POPUPWINDOW]\r\nwindowpictureindex=1\r\nmaskpictureindex=6\r\nlefttoppoint=8,8\r\nrighttoppoint=73,8\r\n"
         "leftbottompoint=8,67\r\nrightbottompoint=73,67\r\nitemsrect=3,3,78,72\r\n\r\n"
         "[LAYERFRAME]\r\npictureindex=14\r\nmaskpictureindex=15\r\ninactivepictureindex=14\r\n"
         "inactivemaskpictureindex=15\r\nlefttoppoint=40,40\r\nrighttoppoint=140,40\r\nleftbottompoint=40,119\r\n"
         "rightbottompoint=140,119\r\nclientrect=30,30,150,129\r\n\r\n"
         "[HINTWINDOW]\r\nwindowpictureindex=4\r\nmaskpictureindex=5\r\nclientrect=3,3,37,21\r\n\r\n"
         "[SKINCOLORS]\r\ncbtnface=12632256\r\n\r\n";
    const char* objectTypes[] = {"caption", "stdbutton", "stdbutton", "stdbutton", "stdbutton",
                                 "menuitem", "button", "button", "menuitem", "caption"};
    d += "[SKINOBJECTS]\r\ncount=10\r\n";
    for (int i = 0; i < 10; ++i)
        d += std::to_string(i) + "=object" + std::to_string(i) + ":" + objectTypes[i] + "\r\n";
    const char* controlTypes[] = {"button", "panel", "label", "edit", "combobox", "listbox", "gauge", "scrollbar",
                                  "richedit", "checkradio"};
    d += "\r\n[SKINCONTROLS]\r\ncount=70\r\n";
    for (int i = 0; i < 70; ++i)
        d += std::to_string(i) + "=control" + std::to_string(i) + ":" + controlTypes[i % 10] + "\r\n";
    d += "\r\n";
    auto section = [&](const std::string& name, int n) {
        d += "[" + name + "]\r\npictureindex=3\r\nmaskpictureindex=-1\r\n";
        d += "skinrect=" + std::to_string(n % 500) + ",10," + std::to_string(n % 500 + 100) + ",40\r\n";
        d += "clientrect=4,4,96,26\r\nlefttoppoint=4,4\r\nrighttoppoint=96,4\r\nleftbottompoint=4,26\r\n"
             "rightbottompoint=96,26\r\nleftstretch=1\r\nrightstretch=1\r\ntopstretch=1\r\nbottomstretch=1\r\n"
             "stretcheffect=0\r\nstretchtype=stfull\r\nfontname=Tahoma\r\nfontheight=13\r\nfontstyle=fsbold\r\n"
             "fontcolor=0\r\nactivefontcolor=16777215\r\ndownfontcolor=255\r\nactiveskinrect=0,40,100,70\r\n"
             "downskinrect=0,70,100,100\r\ndisabledskinrect=0,100,100,130\r\nmorphing=1\r\nmorphkind=mkgradient\r\n"
             "alignment=tacenter\r\nactivefontstyle=fsbold\r\nshadowcolor=8421504\r\n"
             "disabledfontcolor=8421504\r\nfocusedskinrect=0,130,100,160\r\nglowlayerpictureindex=-1\r\n"
             "glowlayermaskpictureindex=-1\r\nglowsize=0\r\nglowoffset=0\r\nglowalpha=255\r\n"
             "textareatop=4\r\ntextareabottom=26\r\n\r\n";
    };
    for (int i = 0; i < 10; ++i)
        section("object" + std::to_string(i), i);
    for (int i = 0; i < 70; ++i)
        section("control" + std::to_string(i), i * 7);
    // Fill to about 60 KB with keys no reader asks for, as real skins carry.
    if (d.size() < 60 * 1024)
        d += "[NOTES]\r\n";
    for (int i = 0; d.size() < 60 * 1024; ++i)
        d += "line" + std::to_string(i) + "=a remark the skin author left for later, read by nobody\r\n";
    return d;
}

template <typename F>
double Seconds(F&& f) {
    const auto start = Clock::now();
    f();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

constexpr int Rounds = 30;  // the fastest round counts

template <typename F>
double BestSeconds(F&& f) {
    double best = 1e9;
    for (int i = 0; i < Rounds; ++i) best = std::min(best, Seconds(f));
    return best;
}

struct TTimes {
    double Inflate, InflateNew, Load, PhaseContent, PhaseDefinition;
    std::size_t Records;
};

TTimes Measure(const std::vector<std::uint8_t>& compressed, std::size_t rawSize) {
    TTimes t{};
    // The phases of a load, each timed alone, to show where the time goes:
    // the package inflated and its pictures decoded (as one, since the
    // pictures decode as they inflate), then the definition read.
    TbsSkinContent content;
    t.PhaseContent = BestSeconds([&] { content = DecompressSkinContent(compressed.data(), compressed.size()); });
    t.PhaseDefinition = BestSeconds([&] {
        TbsSkinDefinition definition;
        definition.LoadFromIni(TMemIniFile(content.Definition), content.ActivePictures);
    });

    // The load as the skin data manager does it, against zlib's uncompress
    // into a ready buffer, in alternating rounds so that both meet the same
    // state of a shared machine.
    std::vector<std::uint8_t> target(rawSize);
    auto inflate = [&] {
        uLongf size = uLongf(target.size());
        if (uncompress(target.data(), &size, compressed.data(), uLong(compressed.size())) != Z_OK || size != rawSize)
            std::abort();
    };
    auto load = [&] {
        TbsSkinContent content = DecompressSkinContent(compressed.data(), compressed.size());
        TbsSkinDefinition definition;
        definition.LoadFromIni(TMemIniFile(content.Definition), content.ActivePictures);
        t.Records = definition.ObjectRecords.size() + definition.ControlRecords.size();
    };
    auto inflateNew = [&] {
        const std::unique_ptr<std::uint8_t[]> fresh = std::make_unique_for_overwrite<std::uint8_t[]>(rawSize);
        uLongf size = uLongf(rawSize);
        if (uncompress(fresh.get(), &size, compressed.data(), uLong(compressed.size())) != Z_OK || size != rawSize)
            std::abort();
    };
    t.Inflate = t.InflateNew = t.Load = 1e9;
    for (int round = 0; round < Rounds; ++round) {
        t.Inflate = std::min(t.Inflate, Seconds(inflate));
        t.InflateNew = std::min(t.InflateNew, Seconds(inflateNew));
        t.Load = std::min(t.Load, Seconds(load));
    }
    return t;
}

double Report(const char* title, const std::vector<std::uint8_t>& compressed) {
    TbsSkinPackage package = DecompressSkinPackage(compressed.data(), compressed.size());
    const std::size_t rawSize = WriteSkinPackage(package).size();
    TTimes t = Measure(compressed, rawSize);
    const double ratio = t.Load / t.Inflate;
    std::printf("%s: %zu bytes decompressed, %zu compressed, %zu active pictures, definition %zu bytes, %zu records\n",
                title, rawSize, compressed.size(), package.ActivePictures.size(), package.Definition.size(), t.Records);
    std::printf("  phases: inflate and decode %.3f ms, definition %.3f ms\n", t.PhaseContent * 1e3,
                t.PhaseDefinition * 1e3);
    std::printf("  inflate alone %.3f ms, full load %.3f ms, ratio %.2f (bound 2)\n", t.Inflate * 1e3, t.Load * 1e3,
                ratio);
    std::printf("  inflate into new memory %.3f ms: the load is %.2f times that\n", t.InflateNew * 1e3,
                t.Load / t.InflateNew);
    return ratio;
}

}  // namespace

// Usage: bench_skinload [SKIN.skn]: the built-in skin, the generated
// package, and the given skin file too when one is named.
int main(int argc, char** argv) {
    if (const int status = BenchmarkStart("bench_skinload", argc, argv); status >= 0) return status;
    PrintMachine("bench_skinload");
    double ratio = 0;
    try {
        ratio = Report("built-in skin", CompressSkinPackage(ReadSkinFolder(RDZ_SOURCE_DIR "/skins/Zevrak/Zevrak.ini")));

        TbsSkinPackage package;
        package.MainPicture = MakePicture(150, 130, 24);
        package.MaskPicture = MakePicture(150, 130, 1);
        for (const TPictureSpec& s : kActive)
            package.ActivePictures.push_back(MakePicture(s.Width, s.Height, s.Bits));
        package.Definition = MakeDefinition();
        ratio = std::max(ratio, Report("generated package", CompressSkinPackage(package)));
        if (argc > 1) {
            std::vector<std::uint8_t> file = ReadFileBytes(argv[1]);
            ratio = std::max(ratio, Report(argv[1], ReadSkinFileImage(file.data(), file.size())));
        }
    } catch (const Exception& e) {
        std::fprintf(stderr, "bench_skinload: %s\n", e.what());
        return 2;
    }
    return ratio <= 2.0 ? 0 : 1;
}
