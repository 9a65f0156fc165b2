// Where failing pixel tests leave their pictures, and the writing of them.
#include "tests/win32/DrawHelpersTestSupport.h"

#include <cstdlib>

std::filesystem::path FailurePictureFolder() {
    std::filesystem::path folder;
    if (const char* chosen = std::getenv("RDZ_TEST_PICTURES"); chosen && *chosen) {
        folder = chosen;
    } else {
        char program[MAX_PATH] = {};
        const DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
        folder = std::filesystem::path(std::string(program, length)).parent_path() / "failure-pictures";
    }
    std::error_code ignored;  // a folder that cannot be made fails the fopen, which is reported
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

void WriteBmp(const TbsBitmap& bmp, const std::string& name) {
    const std::string path = (FailurePictureFolder() / (name + ".bmp")).string();
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::printf("cannot write %s\n", path.c_str());
        return;
    }
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = bmp.Width();
    info.biHeight = -bmp.Height();
    info.biPlanes = 1;
    info.biBitCount = 32;
    const DWORD dataSize = DWORD(bmp.Width()) * DWORD(bmp.Height()) * 4;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + dataSize;
    std::fwrite(&file, sizeof(file), 1, f);
    std::fwrite(&info, sizeof(info), 1, f);
    std::fwrite(bmp.ScanLine(0), 1, dataSize, f);
    std::fclose(f);
    std::printf("wrote %s\n", path.c_str());
}
