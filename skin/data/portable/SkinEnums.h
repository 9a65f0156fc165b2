// The identifier sets of the skin definition. Each value's number is its
// position in the definition's word list; the words themselves are read and
// written in SkinValues.h.
#pragma once

// How a picture fills an area when it is stretched ("stretchtype").
enum TbsStretchKind { bsstFull = 0, bsstHorz = 1, bsstVert = 2 };

// How an inactive frame is rendered from the active one ("inactiveeffect").
enum TbsInActiveEffect {
    bsieBrightness = 0,
    bsieDarkness = 1,
    bsieGrayScale = 2,
    bsieNoise = 3,
    bsieSplitBlur = 4,
    bsieInvert = 5,
};

// The blend between two state images ("morphkind").
enum TbsMorphKind {
    bsmkDefault = 0,
    bsmkGradient = 1,
    bsmkLeftGradient = 2,
    bsmkRightGradient = 3,
    bsmkLeftSlide = 4,
    bsmkRightSlide = 5,
    bsmkPush = 6,
};

// What a caption button does ("command").
enum TbsStdCommand {
    cmClose = 0,
    cmMaximize = 1,
    cmMinimize = 2,
    cmSysMenu = 3,
    cmDefault = 4,
    cmRollUp = 5,
    cmMinimizeToTray = 6,
};

// Font style bits ("fontstyle"); the same bits as the platform font's style.
using TbsFontStyles = unsigned;
inline constexpr TbsFontStyles bsfsBold = 1;
inline constexpr TbsFontStyles bsfsItalic = 2;
inline constexpr TbsFontStyles bsfsUnderline = 4;
inline constexpr TbsFontStyles bsfsStrikeOut = 8;
