// iconpic: draws the game's icon, a roulette wheel seen from above, and
// writes it as a Windows .ico with 16, 32 and 48 pixel images (32-bit
// bitmaps with an AND mask) and a 256 pixel image (PNG, as Windows Vista
// and later read it).
//
//   iconpic output.ico
//
// Each pixel is the average of 8 x 8 samples, so the small sizes stay
// smooth. Pixels are blue, green, red, alpha in memory, alpha straight.
#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct TRgba {
    double R = 0, G = 0, B = 0, A = 0;
};

constexpr double Pi = 3.14159265358979323846;

// The pockets of an American wheel, clockwise from "0"; -1 stands for "00".
constexpr int WheelOrder[38] = {0,  28, 9,  26, 30, 11, 7,  20, 32, 17, 5,  22, 34, 15, 3,  24, 36, 13, 1,
                                -1, 27, 10, 25, 29, 12, 8,  19, 31, 18, 6,  21, 33, 16, 4,  23, 35, 14, 2};

bool IsRed(int n) {
    constexpr int reds[] = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};
    return std::find(std::begin(reds), std::end(reds), n) != std::end(reds);
}

TRgba Colour(int r, int g, int b) { return TRgba{r / 255.0, g / 255.0, b / 255.0, 1.0}; }

// The colour of the wheel at a point; x and y in -1..1 from the centre, y down.
TRgba WheelAt(double x, double y) {
    const double r = std::sqrt(x * x + y * y);
    if (r > 1.0) return TRgba{};
    double angle = std::atan2(x, -y);  // 0 at the top, clockwise
    if (angle < 0) angle += 2 * Pi;
    const double light = 0.85 + 0.15 * (-x - y) / 1.5;  // lit from the top left

    auto shade = [light](TRgba c, double f = 1.0) {
        c.R = std::min(1.0, c.R * light * f);
        c.G = std::min(1.0, c.G * light * f);
        c.B = std::min(1.0, c.B * light * f);
        return c;
    };

    if (r > 0.90) return shade(Colour(110, 58, 24), 0.8 + 0.2 * (1.0 - r) / 0.1);  // wooden rim
    if (r > 0.82) return shade(Colour(150, 92, 42));                                 // ball track
    if (r > 0.56) {
        // The pockets, with thin gold frets between them.
        const double pocket = angle / (2 * Pi) * 38.0;
        const int index = static_cast<int>(pocket) % 38;
        const double within = pocket - std::floor(pocket);
        if (within < 0.08 || r < 0.58 || r > 0.805) return shade(Colour(214, 175, 70));
        const int n = WheelOrder[index];
        if (n <= 0) return shade(Colour(20, 140, 60));
        return shade(IsRed(n) ? Colour(200, 24, 30) : Colour(24, 24, 24));
    }
    if (r > 0.17) {
        // The cone: polished wood with four gold spokes toward the turret.
        const double spoke = std::fmod(angle + Pi / 4, Pi / 2) - Pi / 4;
        if (std::fabs(spoke) * r < 0.025) return shade(Colour(222, 186, 84));
        return shade(Colour(128, 70, 30), 0.75 + 0.35 * r);
    }
    return shade(Colour(236, 200, 96), 1.05 - r);  // the turret
}

// The ball: a small white sphere on the track.
bool InBall(double x, double y) {
    const double bx = 0.50, by = -0.62, br = 0.09;
    return (x - bx) * (x - bx) + (y - by) * (y - by) <= br * br;
}

// BGRA pixels, top-down, straight alpha.
std::vector<std::uint8_t> DrawWheel(int size) {
    constexpr int Samples = 8;
    std::vector<std::uint8_t> pixels(std::size_t(size) * size * 4);
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            TRgba sum;
            for (int sy = 0; sy < Samples; ++sy) {
                for (int sx = 0; sx < Samples; ++sx) {
                    const double x = ((px + (sx + 0.5) / Samples) / size) * 2.0 - 1.0;
                    const double y = ((py + (sy + 0.5) / Samples) / size) * 2.0 - 1.0;
                    TRgba c = InBall(x, y) ? Colour(248, 248, 244) : WheelAt(x, y);
                    sum.R += c.R * c.A;
                    sum.G += c.G * c.A;
                    sum.B += c.B * c.A;
                    sum.A += c.A;
                }
            }
            std::uint8_t* p = &pixels[(std::size_t(py) * size + px) * 4];
            const double a = sum.A / (Samples * Samples);
            auto channel = [&](double premultiplied) {
                return static_cast<std::uint8_t>(sum.A > 0 ? std::lround(std::clamp(premultiplied / sum.A, 0.0, 1.0) * 255) : 0);
            };
            p[0] = channel(sum.B);
            p[1] = channel(sum.G);
            p[2] = channel(sum.R);
            p[3] = static_cast<std::uint8_t>(std::lround(a * 255));
        }
    }
    return pixels;
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}
void Put32BigEndian(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back((v >> shift) & 0xFF);
}

// An icon image in the bitmap form: BITMAPINFOHEADER with twice the height
// (colour rows then mask rows), bottom-up 32-bit rows, 1-bit AND mask rows
// padded to 4 bytes (set where the pixel is fully transparent).
std::vector<std::uint8_t> IconBitmap(const std::vector<std::uint8_t>& bgra, int size) {
    std::vector<std::uint8_t> out;
    Put32(out, 40);
    Put32(out, size);
    Put32(out, size * 2);
    Put16(out, 1);   // planes
    Put16(out, 32);  // bits per pixel
    Put32(out, 0);   // BI_RGB
    const int maskStride = ((size + 31) / 32) * 4;
    Put32(out, static_cast<std::uint32_t>(size * size * 4 + maskStride * size));
    for (int k = 0; k < 4; ++k) Put32(out, 0);
    for (int y = size - 1; y >= 0; --y)
        out.insert(out.end(), bgra.begin() + std::size_t(y) * size * 4, bgra.begin() + std::size_t(y + 1) * size * 4);
    for (int y = size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(maskStride, 0);
        for (int x = 0; x < size; ++x)
            if (bgra[(std::size_t(y) * size + x) * 4 + 3] == 0) row[x / 8] |= 0x80 >> (x % 8);
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

void PngChunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data) {
    Put32BigEndian(out, static_cast<std::uint32_t>(data.size()));
    std::vector<std::uint8_t> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    Put32BigEndian(out, static_cast<std::uint32_t>(crc32(0, body.data(), static_cast<uInt>(body.size()))));
}

// An 8-bit RGBA PNG of the pixels, deflated at level 9.
std::vector<std::uint8_t> Png(const std::vector<std::uint8_t>& bgra, int size) {
    std::vector<std::uint8_t> raw;
    for (int y = 0; y < size; ++y) {
        raw.push_back(0);  // filter: none
        for (int x = 0; x < size; ++x) {
            const std::uint8_t* p = &bgra[(std::size_t(y) * size + x) * 4];
            raw.insert(raw.end(), {p[2], p[1], p[0], p[3]});
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK)
        throw std::runtime_error("compression error");
    packed.resize(packedSize);

    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    Put32BigEndian(header, static_cast<std::uint32_t>(size));
    Put32BigEndian(header, static_cast<std::uint32_t>(size));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter set, no interlace
    PngChunk(out, "IHDR", header);
    PngChunk(out, "IDAT", packed);
    PngChunk(out, "IEND", {});
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: iconpic output.ico\n");
        return 2;
    }
    const int sizes[] = {16, 32, 48, 256};
    std::vector<std::vector<std::uint8_t>> images;
    for (int size : sizes) {
        const auto pixels = DrawWheel(size);
        images.push_back(size >= 256 ? Png(pixels, size) : IconBitmap(pixels, size));
    }

    std::vector<std::uint8_t> file;
    Put16(file, 0);  // reserved
    Put16(file, 1);  // icon
    Put16(file, static_cast<std::uint32_t>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        file.push_back(sizes[i] >= 256 ? 0 : static_cast<std::uint8_t>(sizes[i]));  // 0 means 256
        file.push_back(sizes[i] >= 256 ? 0 : static_cast<std::uint8_t>(sizes[i]));
        file.push_back(0);  // no palette
        file.push_back(0);
        Put16(file, 1);   // planes
        Put16(file, 32);  // bits per pixel
        Put32(file, static_cast<std::uint32_t>(images[i].size()));
        Put32(file, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());

    std::FILE* f = std::fopen(argv[1], "wb");
    if (!f || std::fwrite(file.data(), 1, file.size(), f) != file.size() || std::fclose(f) != 0) {
        std::fprintf(stderr, "iconpic: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
