// tablepic: writes the drawing of the table picture, an American roulette
// betting layout on green cloth, 565 x 239 pixels, as an ImageMagick MVG
// script on standard output. make-table.sh renders it onto a felt
// background and writes the baseline JPEG that the game carries.
//
//   tablepic FONT_DIR > table.mvg
//
// FONT_DIR holds DejaVuSans-Bold.ttf and DejaVuSerif-BoldItalic.ttf
// (Debian's fonts-dejavu-core). All geometry is in pixels of the picture,
// rectangles with right and bottom exclusive.
#include <cstdio>
#include <string>

namespace {

constexpr int PictureWidth = 565;
constexpr int PictureHeight = 239;

// Columns: the zero pockets, twelve number columns, the "2-1" column.
constexpr int LeftMargin = 8;
constexpr int ZeroWidth = 46;
constexpr int CellWidth = 38;
constexpr int ColumnBetWidth = 48;
// Rows: three number rows, the dozens, the outside bets.
constexpr int TopMargin = 8;
constexpr int CellHeight = 46;
constexpr int DozenHeight = 34;
constexpr int OutsideHeight = 34;

constexpr int GridLeft = LeftMargin + ZeroWidth;              // first number column
constexpr int GridRight = GridLeft + 12 * CellWidth;          // start of the "2-1" column
constexpr int TableRight = GridRight + ColumnBetWidth;
constexpr int GridBottom = TopMargin + 3 * CellHeight;
constexpr int DozenBottom = GridBottom + DozenHeight;
constexpr int OutsideBottom = DozenBottom + OutsideHeight;

const char* const Line = "#f4f1e6";   // chalk-white lines and text
const char* const Red = "#c4161c";
const char* const Black = "#151515";

bool IsRed(int n) {
    switch (n) {
    case 1: case 3: case 5: case 7: case 9: case 12: case 14: case 16: case 18:
    case 19: case 21: case 23: case 25: case 27: case 30: case 32: case 34: case 36:
        return true;
    default:
        return false;
    }
}

std::string FontDir;

void Font(const char* file, int size) {
    std::printf("font '%s/%s'\nfont-size %d\n", FontDir.c_str(), file, size);
}

// Text centred on (cx, cy).
void CentredText(int cx, int cy, const char* text, const char* colour) {
    std::printf("push graphic-context\nfill '%s'\nstroke none\ngravity Center\n", colour);
    // With gravity Center, text coordinates are offsets from the picture's centre.
    std::printf("text %d,%d '%s'\npop graphic-context\n", cx - PictureWidth / 2, cy - PictureHeight / 2, text);
}

void Box(int left, int top, int right, int bottom) {
    std::printf("rectangle %d,%d %d,%d\n", left, top, right, bottom);
}

void NumberCell(int n, int left, int top) {
    // A coloured field inside the white grid, the number in white on it.
    std::printf("push graphic-context\nstroke none\nfill '%s'\n", IsRed(n) ? Red : Black);
    std::printf("roundrectangle %d,%d %d,%d 5,5\npop graphic-context\n", left + 5, top + 6, left + CellWidth - 5,
                top + CellHeight - 6);
    Font("DejaVuSans-Bold.ttf", 15);
    CentredText(left + CellWidth / 2, top + CellHeight / 2, std::to_string(n).c_str(), Line);
}

void Diamond(int cx, int cy, int halfWidth, int halfHeight, const char* colour) {
    std::printf("push graphic-context\nfill '%s'\nstroke '%s'\nstroke-width 1.5\n", colour, Line);
    std::printf("polygon %d,%d %d,%d %d,%d %d,%d\npop graphic-context\n", cx - halfWidth, cy, cx, cy - halfHeight,
                cx + halfWidth, cy, cx, cy + halfHeight);
}

void DrawLayout() {
    std::printf("viewbox 0 0 %d %d\n", PictureWidth, PictureHeight);
    std::printf("stroke-antialias 1\ntext-antialias 1\n");

    // Zero pockets: two five-sided fields pointing left, "0" above "00".
    const int half = (GridBottom - TopMargin) / 2;
    const int zeroMid = TopMargin + half;
    std::printf("push graphic-context\nfill none\nstroke '%s'\nstroke-width 2\n", Line);
    for (int k = 0; k < 2; ++k) {
        const int top = TopMargin + k * half;
        const int bottom = k == 0 ? zeroMid : GridBottom;
        std::printf("polygon %d,%d %d,%d %d,%d %d,%d %d,%d\n", GridLeft, top, LeftMargin + 16, top, LeftMargin,
                    (top + bottom) / 2, LeftMargin + 16, bottom, GridLeft, bottom);
    }
    std::printf("pop graphic-context\n");
    Font("DejaVuSans-Bold.ttf", 20);
    CentredText(LeftMargin + ZeroWidth / 2 + 3, TopMargin + half / 2, "0", Line);
    CentredText(LeftMargin + ZeroWidth / 2 + 3, zeroMid + half / 2, "00", Line);

    // Numbers: the top row holds 3, 6, ... 36; the bottom row 1, 4, ... 34.
    for (int column = 0; column < 12; ++column)
        for (int row = 0; row < 3; ++row)
            NumberCell(3 * column + 3 - row, GridLeft + column * CellWidth, TopMargin + row * CellHeight);

    // Grid lines of the numbers, the column bets, the dozens and outside bets.
    std::printf("push graphic-context\nfill none\nstroke '%s'\nstroke-width 2\n", Line);
    Box(GridLeft, TopMargin, TableRight, GridBottom);
    for (int column = 1; column <= 12; ++column)
        std::printf("line %d,%d %d,%d\n", GridLeft + column * CellWidth, TopMargin, GridLeft + column * CellWidth,
                    GridBottom);
    for (int row = 1; row < 3; ++row)
        std::printf("line %d,%d %d,%d\n", GridLeft, TopMargin + row * CellHeight, TableRight,
                    TopMargin + row * CellHeight);
    Box(GridLeft, GridBottom, GridRight, OutsideBottom);
    std::printf("line %d,%d %d,%d\n", GridLeft, DozenBottom, GridRight, DozenBottom);
    for (int k = 1; k < 3; ++k)
        std::printf("line %d,%d %d,%d\n", GridLeft + 4 * k * CellWidth, GridBottom, GridLeft + 4 * k * CellWidth,
                    DozenBottom);
    for (int k = 1; k < 6; ++k)
        std::printf("line %d,%d %d,%d\n", GridLeft + 2 * k * CellWidth, DozenBottom, GridLeft + 2 * k * CellWidth,
                    OutsideBottom);
    std::printf("pop graphic-context\n");

    Font("DejaVuSans-Bold.ttf", 14);
    for (int row = 0; row < 3; ++row)
        CentredText(GridRight + ColumnBetWidth / 2, TopMargin + row * CellHeight + CellHeight / 2, "2-1", Line);

    const char* const dozens[] = {"1st 12", "2nd 12", "3rd 12"};
    Font("DejaVuSans-Bold.ttf", 15);
    for (int k = 0; k < 3; ++k)
        CentredText(GridLeft + 4 * k * CellWidth + 2 * CellWidth, GridBottom + DozenHeight / 2, dozens[k], Line);

    // Outside bets: two columns of the grid each; "Red" and "Black" are diamonds.
    const char* const outside[] = {"1-18", "Even", nullptr, nullptr, "Odd", "19-36"};
    const int outsideMid = DozenBottom + OutsideHeight / 2;
    for (int k = 0; k < 6; ++k) {
        const int cx = GridLeft + 2 * k * CellWidth + CellWidth;
        if (outside[k]) {
            Font("DejaVuSans-Bold.ttf", 14);
            CentredText(cx, outsideMid, outside[k], Line);
        } else {
            Diamond(cx, outsideMid, 28, 13, k == 2 ? Red : Black);
            Font("DejaVuSans-Bold.ttf", 9);
            CentredText(cx, outsideMid, k == 2 ? "Red" : "Black", Line);
        }
    }

    Font("DejaVuSerif-BoldItalic.ttf", 13);
    std::printf("push graphic-context\nfill '#e9c46a'\nstroke none\ntext %d,%d 'American roulette'\n"
                "pop graphic-context\n",
                LeftMargin, PictureHeight - 8);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tablepic FONT_DIR > table.mvg\n");
        return 2;
    }
    FontDir = argv[1];
    DrawLayout();
    return 0;
}
