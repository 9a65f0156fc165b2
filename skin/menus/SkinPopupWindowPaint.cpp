// Drawing of a skinned popup menu window: the frame from the skin's
// "POPUPWINDOW" picture (or plain system colours), each shown entry from
// the "menuitem" record (or plain), the morph between an entry's normal and
// selected look, and the scroll markers. Everything is drawn into one
// off-screen bitmap and copied to the window at once.
#include "skin/menus/SkinMenu.h"

#include <algorithm>

#include "platform/portable/Colors.h"
#include "platform/portable/ImageList.h"
#include "skin/data/SkinData.h"
#include "skin/paint/Composition.h"
#include "skin/paint/MarkersGdi.h"
#include "skin/paint/SkinAccess.h"
#include "skin/paint/TbsEffectBmp.h"

namespace {

constexpr TColor kPlainSelectedFrame = 0x800000;
constexpr TColor kPlainSelectedFill = 13811126;
constexpr int kImageColumn = 16;  // the caption's indent without an image list

void Fill(HDC dc, const TRect& r, TColor color) {
    TBrushHandle brush(CreateSolidBrush(ColorToRgbRef(color)));
    RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    FillRect(dc, &rc, brush.Get());
}

void Frame(HDC dc, const TRect& r, TColor color) {
    TBrushHandle brush(CreateSolidBrush(ColorToRgbRef(color)));
    RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    FrameRect(dc, &rc, brush.Get());
}

void Text(HDC dc, const std::string& text, TRect r, TColor color, UINT format) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRgbRef(color));
    RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    DrawTextA(dc, text.c_str(), int(text.size()), &rc, format | DT_SINGLELINE | DT_NOPREFIX);
}

// The small right-pointing triangle of an entry with a sub-menu: four
// vertical lines 7, 5, 3 and 1 pixels high from (x, y).
void DrawSubMenuTriangle(HDC dc, int x, int y, TColor color) {
    for (int i = 0; i < 4; ++i) Fill(dc, TRect{x + i, y + i, x + i + 1, y + 7 - i}, color);
}

void DrawMenuCheckStrokes(HDC dc, int x, int y, TColor color) {
    TPenHandle pen(CreatePen(PS_SOLID, 1, ColorToRgbRef(color)));
    TSelectObject selected(dc, pen.Get());
    for (int i = 0; i < 3; ++i) {
        MoveToEx(dc, x, y + 5 - i, nullptr);
        LineTo(dc, x + 2, y + 7 - i);
        LineTo(dc, x + 7, y + 2 - i);
    }
}

// The caption-button symbol an item of the frame's own menus shows.
bool SymbolOf(const std::string& name, TbsCaptionSymbol& symbol) {
    if (name == "BSF_CLOSE" || name == "TRAY_BSF_CLOSE") symbol = bscsClose;
    else if (name == "BSF_MINITEM") symbol = bscsMinimize;
    else if (name == "BSF_MAXITEM") symbol = bscsMaximize;
    else if (name == "BSF_RESTORE" || name == "TRAY_BSF_RESTORE") symbol = bscsRestore;
    else if (name == "BSF_ROLLUP") symbol = bscsRollUp;
    else if (name == "BSF_MINTOTRAY") symbol = bscsSmallSquare;
    else return false;
    return true;
}

// A part of the picture drawn centred in area.
// A disabled item's picture: grey, at a third of its alpha (premultiplied).
void GreyOut(TbsBitmap& picture) {
    GdiFlush();
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            std::uint32_t& p = *picture.PixelPtr(x, y);
            const std::uint32_t a = p >> 24, r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
            const std::uint32_t grey = (r * 77 + g * 150 + b * 29) >> 8;
            p = ((a / 3) << 24) | ((grey / 3) * 0x010101u);
        }
    }
}

void DrawPicturePart(HDC dc, const TbsBitmap& picture, const TRect& part, const TRect& area) {
    if (part.IsEmpty() || picture.Empty()) return;
    const int x = area.Left + (area.Width() - part.Width()) / 2;
    const int y = area.Top + (area.Height() - part.Height()) / 2;
    picture.Draw(dc, TRect{x, y, x + part.Width(), y + part.Height()}, part);
}

}  // namespace

bool TbsSkinPopupWindow::OnEraseBackground(HDC dc) {
    PaintTo(dc);
    return true;
}

bool TbsSkinPopupWindow::OnPaint() {
    std::exception_ptr failure;
    {
        TPaintDc paint(WindowHandle());
        TCanvas canvas(paint.Get());
        failure = RunPaint([&] { PaintTo(paint.Get()); }, [&] { PaintPlain(canvas); });
    }
    ReportPaintFailure(failure);
    return true;
}

void TbsSkinPopupWindow::PaintTo(HDC dc) {
    const int W = GetWidth(), H = GetHeight();
    if (W <= 0 || H <= 0) return;
    TbsBitmap buffer;
    buffer.SetSize(W, H);
    DrawFrame(buffer);
    for (const auto& entry : FEntries)
        if (entry->Shown) DrawEntry(buffer.DC(), *entry);
    if (FScrolling) DrawMarkers(buffer.DC());
    BitBlt(dc, 0, 0, W, H, buffer.DC(), 0, 0, SRCCOPY);
}

void TbsSkinPopupWindow::DrawFrame(TbsBitmap& target) {
    const int W = GetWidth(), H = GetHeight();
    const TbsSkinDataCore* skin = SkinOf(FMenu.SkinData());
    if (FFrameSkinned && SkinPicture(skin, FFramePictureIndex)) {
        const TbsDataSkinPopupWindow& frame = skin->FDefinition.PopupWindowData;
        TbsBitmap picture;
        picture.Assign(*SkinPicture(skin, FFramePictureIndex));
        TSkinImageParams p;
        p.SrcRect = TRect{0, 0, picture.Width(), picture.Height()};
        p.SrcLT = frame.LeftTopPoint;
        p.SrcRT = frame.RightTopPoint;
        p.SrcLB = frame.LeftBottomPoint;
        p.SrcRB = frame.RightBottomPoint;
        p.SrcClient = frame.ItemsRect;
        p.DstLT = FSizedLT;
        p.DstRT = FSizedRT;
        p.DstLB = FSizedLB;
        p.DstRB = FSizedRB;
        p.DstClient = FItemsRect;
        p.W = W;
        p.H = H;
        p.StretchLeft = frame.LeftStretch;
        p.StretchTop = frame.TopStretch;
        p.StretchRight = frame.RightStretch;
        p.StretchBottom = frame.BottomStretch;
        p.StretchCenter = frame.StretchEffect;
        p.StretchKind = frame.StretchType;
        p.DrawClient = true;
        CreateSkinImage(p, picture, target);
        return;
    }
    HDC dc = target.DC();
    Fill(dc, TRect{0, 0, W, H}, clWindow);
    Fill(dc, TRect{0, 0, FGlyphColumn + 2, H}, clBtnFace);
    Frame(dc, TRect{0, 0, W, H}, clBtnShadow);
    Frame(dc, TRect{1, 1, W - 1, H - 1}, clWindow);
}

void TbsSkinPopupWindow::DrawSkinEntry(TbsBitmap& target, const TbsSkinMenuItem& entry, bool highlighted) {
    const TbsDataSkinMenuItem& record = *EntryRecord();
    const TbsSkinDataCore* skin = SkinOf(FMenu.SkinData());
    TbsBitmap picture;
    picture.Assign(*SkinPicture(skin, record.ActivePictureIndex));
    const int W = entry.ObjectRect.Width();
    if (entry.IsSeparator()) {
        CreateHSkinImage(record.DividerLeftOffset, record.DividerRightOffset, target, record.DividerStretchEffect, W,
                         record.DividerRect, picture);
        return;
    }
    if (highlighted) {
        CreateHSkinImage(record.ItemLeftOffset, record.ItemRightOffset, target, record.StretchEffect, W,
                         record.ActiveSkinRect, picture);
    } else {
        CreateHSkinImage(record.ItemLeftOffset, record.ItemRightOffset, target, record.InActiveStretchEffect, W,
                         record.SkinRect, picture);
    }
}

void TbsSkinPopupWindow::DrawEntry(HDC dc, TbsSkinMenuItem& entry) {
    const TbsDataSkinMenuItem* record = EntryRecord();
    const TbsSkinDataCore* skin = SkinOf(FMenu.SkinData());
    const TRect& r = entry.ObjectRect;
    if (!FFrameSkinned || !record || !SkinPicture(skin, record->ActivePictureIndex)) {
        DrawPlainEntry(dc, entry);
        return;
    }
    const bool S = entry.Highlighted();
    const bool transparentNormal = record->InActiveTransparent && !entry.IsSeparator();
    // The normal look: the skin's, or what the frame shows under the entry.
    const auto normal = [&](TbsBitmap& image) {
        if (transparentNormal) {
            image.SetSize(r.Width(), r.Height());
            BitBlt(image.DC(), 0, 0, r.Width(), r.Height(), dc, r.Left, r.Top, SRCCOPY);
        } else {
            DrawSkinEntry(image, entry, false);
        }
    };
    const double kf = entry.IsSeparator() ? 0 : entry.MorphKf;
    if (kf > 0 && kf < 1) {
        TbsBitmap from, to;
        normal(from);
        DrawSkinEntry(to, entry, true);
        TbsEffectBmp a(from.Handle()), b(to.Handle());
        a.MorphByKind(record->MorphKind, b, kf);
        a.Draw(dc, r.Left, r.Top);
    } else if (S && !entry.IsSeparator()) {
        TbsBitmap image;
        DrawSkinEntry(image, entry, true);
        image.Draw(dc, TRect{r.Left, r.Top, r.Right, r.Top + std::min(r.Height(), image.Height())},
                   TRect{0, 0, image.Width(), std::min(r.Height(), image.Height())});
    } else if (!transparentNormal) {
        TbsBitmap image;
        DrawSkinEntry(image, entry, false);
        image.Draw(dc, TRect{r.Left, r.Top, r.Right, r.Top + std::min(r.Height(), image.Height())},
                   TRect{0, 0, image.Width(), std::min(r.Height(), image.Height())});
    }
    if (entry.IsSeparator()) return;
    TRect text = record->TextRect;
    text.Right += r.Width() - record->SkinRect.Width();
    text = OffsetRect(text, r.Left, r.Top);
    const TColor color = S ? record->ActiveFontColor
                           : entry.MenuItem->GetEnabled() ? record->Font.Color : record->UnEnabledFontColor;
    DrawEntryContent(dc, entry, text, color, S);
}

void TbsSkinPopupWindow::DrawEntryContent(HDC dc, const TbsSkinMenuItem& entry, const TRect& textRect, TColor color,
                                          bool highlighted) {
    const TbsDataSkinMenuItem* record = EntryRecord();
    const TMenuItem& item = *entry.MenuItem;
    const std::string& caption = item.GetCaption();
    TSaveDc saved(dc);
    TSelectObject font(dc, FEntryFont.GetHandle());
    // A disabled "-Title-" is a heading across the entry.
    if (!item.GetEnabled() && caption.size() > 2 && caption.front() == '-' && caption.back() == '-') {
        Fill(dc, entry.ObjectRect, clBtnShadow);
        Text(dc, caption.substr(1, caption.size() - 2), entry.ObjectRect, clBtnHighlight, DT_CENTER | DT_VCENTER);
        return;
    }
    const bool plain = record == nullptr || !FFrameSkinned;
    const bool imageRect = !plain && !record->ImageRect.IsEmpty();
    const TImageList* images = item.GetImages();
    const int column = plain ? FGlyphColumn : imageRect ? 0 : images ? images->GetWidth() + 5 : kImageColumn;
    TRect captionRect{textRect.Left + column, textRect.Top, textRect.Right - (plain ? 19 : 16), textRect.Bottom};
    Text(dc, item.DisplayCaption(), captionRect, color, DT_LEFT | DT_VCENTER);
    if (item.GetShortCut()) Text(dc, item.ShortCutText(), captionRect, color, DT_RIGHT | DT_VCENTER);

    const int centreY = textRect.Top + textRect.Height() / 2;
    TbsBitmap picture;
    if (!plain) picture.Assign(*SkinPicture(SkinOf(FMenu.SkinData()), record->ActivePictureIndex));
    if (entry.HasSubItems()) {
        const TRect arrow = plain ? TRect{} : highlighted ? record->ActiveArrowImageRect : record->ArrowImageRect;
        if (!arrow.IsEmpty())
            DrawPicturePart(dc, picture, arrow,
                            TRect{textRect.Right - arrow.Width() - 5, textRect.Top, textRect.Right, textRect.Bottom});
        else DrawSubMenuTriangle(dc, textRect.Right - 7, centreY - 4, color);
    }
    const TRect area = imageRect ? OffsetRect(record->ImageRect, entry.ObjectRect.Left, entry.ObjectRect.Top)
                                 : TRect{textRect.Left, textRect.Top, textRect.Left + column, textRect.Bottom};
    const TColor markColor = !plain && record->UseImageColor
                                 ? (highlighted ? record->ActiveImageColor : record->ImageColor)
                                 : color;
    // The item's own picture, else the menu's picture at its image index
    // (greyed and faint when the item is disabled).
    const TPixelBuffer* image = item.Bitmap && !item.Bitmap->Empty() ? item.Bitmap.get()
                                : images && images->Valid(item.GetImageIndex()) ? &images->Image(item.GetImageIndex())
                                                                               : nullptr;
    if (image) {
        TbsBitmap own;
        own.Assign(*image);
        if (!item.GetEnabled()) GreyOut(own);
        own.SetAlphaBlend(true);
        DrawPicturePart(dc, own, TRect{0, 0, own.Width(), own.Height()}, area);
        if (item.GetChecked()) {
            const int x = area.Left + (area.Width() - own.Width()) / 2, y = area.Top + (area.Height() - own.Height()) / 2;
            Frame(dc, TRect{x - 1, y - 1, x + own.Width() + 1, y + own.Height() + 1}, color);
        }
        return;
    }
    TbsCaptionSymbol symbol;
    if (SymbolOf(item.GetName(), symbol)) {
        DrawCaptionSymbol(dc, symbol, area.Left + (area.Width() - 11) / 2, centreY - 5, markColor);
        return;
    }
    const TRect check = plain ? TRect{} : highlighted ? record->ActiveCheckImageRect : record->CheckImageRect;
    const TRect radio = plain ? TRect{} : highlighted ? record->ActiveRadioImageRect : record->RadioImageRect;
    switch (MenuMarkOf(item.GetChecked(), item.GetRadioItem(), !check.IsEmpty(), !radio.IsEmpty())) {
        case bsmmCheckImage: DrawPicturePart(dc, picture, check, area); break;
        case bsmmRadioImage: DrawPicturePart(dc, picture, radio, area); break;
        case bsmmCheckStrokes: DrawMenuCheckStrokes(dc, area.Left + (area.Width() - 8) / 2, centreY - 4, markColor); break;
        case bsmmRadioDot: {
            const int x = area.Left + (area.Width() - 6) / 2;
            Fill(dc, TRect{x, centreY - 3, x + 6, centreY + 3}, markColor);
            break;
        }
        case bsmmNone: break;
    }
}

void TbsSkinPopupWindow::DrawPlainEntry(HDC dc, const TbsSkinMenuItem& entry) {
    const TRect& r = entry.ObjectRect;
    Fill(dc, TRect{r.Left, r.Top, r.Left + FGlyphColumn, r.Bottom}, clBtnFace);
    Fill(dc, TRect{r.Left + FGlyphColumn, r.Top, r.Right, r.Bottom}, clWindow);
    if (entry.IsSeparator()) {
        const int y = r.Top + r.Height() / 2;
        Fill(dc, TRect{r.Left + FGlyphColumn, y, r.Right, y + 1}, clBtnShadow);
        return;
    }
    const bool S = entry.Highlighted();
    if (S) {
        Fill(dc, r, kPlainSelectedFill);
        Frame(dc, r, kPlainSelectedFrame);
    }
    const TColor color = entry.MenuItem->GetEnabled() || S ? clWindowText : clBtnShadow;
    const TRect inner{r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2};
    DrawEntryContent(dc, entry, inner, color, S);
}

void TbsSkinPopupWindow::DrawMarkers(HDC dc) {
    const TbsSkinDataCore* skin = SkinOf(FMenu.SkinData());
    const TbsDataSkinMenuItem* record = EntryRecord();
    const bool skinned = FFrameSkinned && record && SkinPicture(skin, record->ActivePictureIndex);
    const int W = GetWidth(), H = GetHeight();
    const TRect top = skinned ? TRect{FItemsRect.Left, FItemsRect.Top, FItemsRect.Right, FItemsRect.Top + kMenuMarkerHeight}
                              : TRect{3, 3, W - 3, 13};
    const TRect bottom = skinned ? TRect{FItemsRect.Left, FItemsRect.Bottom - kMenuMarkerHeight, FItemsRect.Right,
                                         FItemsRect.Bottom}
                                 : TRect{3, H - 10, W - 3, H - 3};
    TColor normal = clBtnShadow, active = clBtnText;
    if (skinned) {
        const TbsDataSkinPopupWindow& frame = skin->FDefinition.PopupWindowData;
        normal = frame.ScrollMarkerColor;
        active = frame.ScrollMarkerActiveColor;
    }
    // The gap between the last shown entry and the bottom marker, then the
    // markers, on the entry background.
    int lastBottom = top.Bottom;
    for (const auto& entry : FEntries)
        if (entry->Shown) lastBottom = entry->ObjectRect.Bottom;
    const auto background = [&](const TRect& area) {
        if (area.IsEmpty()) return;
        if (!skinned) {
            Fill(dc, area, clWindow);
            return;
        }
        TbsBitmap picture, image;
        picture.Assign(*SkinPicture(skin, record->ActivePictureIndex));
        CreateHSkinImage(record->ItemLeftOffset, record->ItemRightOffset, image, record->InActiveStretchEffect,
                         area.Width(), record->SkinRect, picture);
        image.Draw(dc, area, TRect{0, 0, image.Width(), std::min(image.Height(), area.Height())});
    };
    background(top);
    background(TRect{bottom.Left, lastBottom, bottom.Right, bottom.Top});
    background(bottom);
    DrawArrow(dc, top, FScrollDir == 1 ? active : normal, 3);
    DrawArrow(dc, bottom, FScrollDir == 2 ? active : normal, 4);
}
