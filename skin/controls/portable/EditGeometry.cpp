#include "skin/controls/portable/EditGeometry.h"

#include <algorithm>

TbsEditSkin EditSkinOf(const TbsDataSkinEditControl* record) {
    TbsEditSkin skin;
    if (!record) return skin;
    skin.Bound = true;
    skin.PictureIndex = record->PictureIndex;
    skin.SkinRect = record->SkinRect;
    skin.ActiveSkinRect = record->ActiveSkinRect.IsEmpty() ? record->SkinRect : record->ActiveSkinRect;
    skin.ClientRect = record->ClientRect;
    skin.LeftEnd = record->LeftTopPoint.X;
    skin.RightEnd = record->SkinRect.Width() - record->RightTopPoint.X;
    skin.StretchMiddle = record->StretchEffect;
    skin.ButtonRect = record->ButtonRect;
    skin.ActiveButtonRect = record->ActiveButtonRect;
    skin.DownButtonRect = record->DownButtonRect;
    skin.UnEnabledButtonRect = record->UnEnabledButtonRect;
    skin.Font = record->Font;
    skin.ActiveFontColor = record->ActiveFontColor;
    skin.DisabledFontColor = record->DisabledFontColor;
    return skin;
}

TRect EditClientArea(const TbsEditSkin& skin, int width, int height, bool buttonMode) {
    if (!skin.Bound) return Rect(2, 2, width - (buttonMode ? height + 2 : 2), height - 2);
    TRect area = skin.ClientRect;
    area.Right += width - skin.SkinWidth();
    area.Bottom += height - skin.SkinHeight();
    return area;
}

TRect EditButtonArea(const TbsEditSkin& skin, int width, int height) {
    if (!skin.Bound) {
        const int side = std::max(height - 4, 0);
        return Rect(width - 2 - side, 2, width - 2, 2 + side);
    }
    if (skin.ButtonRect.IsEmpty()) return TRect{};
    TRect area = skin.ButtonRect;
    if (area.Left >= skin.SkinWidth() - skin.RightEnd) {
        const int shift = width - skin.SkinWidth();
        area.Left += shift;
        area.Right += shift;
    }
    return area;
}

TRect EditButtonSource(const TbsEditSkin& skin, bool enabled, bool pressed, bool hot) {
    if (!enabled && !skin.UnEnabledButtonRect.IsEmpty()) return skin.UnEnabledButtonRect;
    if (enabled && pressed) {
        if (!skin.DownButtonRect.IsEmpty()) return skin.DownButtonRect;
        if (!skin.ActiveButtonRect.IsEmpty()) return skin.ActiveButtonRect;
    }
    if (enabled && hot && !skin.ActiveButtonRect.IsEmpty()) return skin.ActiveButtonRect;
    return skin.ButtonRect;
}

int EditHeight(const TbsEditSkin& skin, bool useSkinFont, bool fillsHeight, int textHeight, int defaultHeight,
               int requestedHeight) {
    if (skin.Bound) {
        if (useSkinFont) return skin.SkinHeight();
        return textHeight + skin.SkinHeight() - skin.ClientRect.Height();
    }
    if (fillsHeight) return requestedHeight;
    return defaultHeight > 0 ? defaultHeight : textHeight + 6;
}

TbsEditBackground EditClientBackground(const TbsEditSkin& skin, bool active) {
    const TRect& from = active ? skin.ActiveSkinRect : skin.SkinRect;
    const TRect& client = skin.ClientRect;
    TbsEditBackground background;
    background.Source = Rect(from.Left + client.Left, from.Top + client.Top, from.Left + client.Right,
                             from.Top + client.Bottom);
    background.LeftEnd = std::max(0, skin.LeftEnd - client.Left);
    background.RightEnd = std::max(0, client.Right - (skin.SkinWidth() - skin.RightEnd));
    background.StretchMiddle = skin.StretchMiddle;
    return background;
}

int EditTextLeft(TAlignment alignment, int clientWidth, int textWidth) {
    switch (alignment) {
        case taRightJustify: return clientWidth - textWidth - 1;
        case taCenter: return clientWidth / 2 - textWidth / 2 + 1;
        case taLeftJustify:
        default: return 2;
    }
}
