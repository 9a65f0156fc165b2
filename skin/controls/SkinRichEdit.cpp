#include "skin/controls/SkinRichEdit.h"

#include <richedit.h>

#include <algorithm>
#include <cstdint>

#include "platform/Handles.h"
#include "platform/LayoutProperties.h"
#include "platform/portable/AppMessages.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/data/SkinData.h"
#include "skin/paint/SkinAccess.h"

std::uint32_t MatteTextPixel(std::uint32_t overWhite, std::uint32_t overBlack, std::uint32_t background) {
    std::uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int w = int((overWhite >> shift) & 0xFF), b = int((overBlack >> shift) & 0xFF);
        const int bg = int((background >> shift) & 0xFF);
        // Over white the text pixel is b + (255 - a), over black it is b.
        const int uncovered = std::clamp(w - b, 0, 255);
        const int value = b + bg * uncovered / 255;
        result |= std::uint32_t(std::min(value, 255)) << shift;
    }
    return result | (background & 0xFF000000u);
}

TbsSkinRichEdit::TbsSkinRichEdit(TComponent* AOwner)
    : TRichEdit(AOwner), FWallpaper(std::make_unique<TBitmap>()), FDefaultFont(std::make_unique<TFont>()) {
    FDefaultFont->SetName("Tahoma");
    FDefaultFont->SetHeight(13);
    FDefaultFont->SetStyle(0);
    Font().Assign(*FDefaultFont);
    SetScrollBars(TScrollStyle::ssBoth);
}

TbsSkinRichEdit::~TbsSkinRichEdit() {
    // The bars outlive nothing of ours: take our events off them.
    DetachBar(FVScrollBar);
    DetachBar(FHScrollBar);
}

void TbsSkinRichEdit::SetTransparent(bool value) {
    if (value == GetTransparent()) return;
    TRichEdit::SetTransparent(value);
    if (HandleAllocated()) RecreateWnd();
}

void TbsSkinRichEdit::SetWallpaper(const TPixelBuffer& pixels) {
    FWallpaper->Assign(pixels);
    if (!FWallpaper->Empty()) SetTransparent(true);
    if (HandleAllocated()) InvalidateRect(GetHandle(), nullptr, TRUE);
}

void TbsSkinRichEdit::SetWallpaperStretch(bool value) {
    if (value == FWallpaperStretch) return;
    FWallpaperStretch = value;
    if (HandleAllocated()) InvalidateRect(GetHandle(), nullptr, TRUE);
}

void TbsSkinRichEdit::SetSkinSupport(bool value) {
    if (value == FSkinSupport) return;
    FSkinSupport = value;
    if (!IsLoading()) ApplyFontAndColor();
}

void TbsSkinRichEdit::SetDefaultFont(const TFont& value) {
    FDefaultFont->Assign(value);
    if (FSkinSupport && FSkinRecordIndex < 0 && !IsLoading()) ApplyFontAndColor();
}

void TbsSkinRichEdit::SetDefaultColor(TColor value) {
    FDefaultColor = value;
    if (FSkinSupport && FSkinRecordIndex < 0 && !IsLoading()) ApplyFontAndColor();
}

void TbsSkinRichEdit::SetSkinData(TbsSkinData* value) {
    if (FSkinData && FSkinData != value) RemoveFreeNotification(FSkinData);
    FSkinData = value;
    if (value) FreeNotification(value);
    if (!IsLoading() && SkinUsable(value)) ApplySkinChange();
}

void TbsSkinRichEdit::PrepareSkinChange() { FSkinRecordIndex = -1; }

void TbsSkinRichEdit::ApplySkinChange() {
    FSkinRecordIndex = FindSkinControlIndex(FSkinData, FSkinDataName);
    ApplyFontAndColor();
    UpdateScrollBars();
}

void TbsSkinRichEdit::ApplyFontAndColor() {
    if (FSkinSupport) {
        const auto* record = SkinControlRecordAs<TbsDataSkinRichEdit>(FSkinData, FSkinRecordIndex);
        if (record) {
            Font().SetName(record->Font.Name);
            Font().SetHeight(record->Font.Height);
            Font().SetStyle(record->Font.Style);
            Font().SetColor(record->Font.Color);
            SetColor(record->BGColor);
        } else {
            Font().Assign(*FDefaultFont);
            SetColor(FDefaultColor);
        }
    }
    const bool texts = FSkinData && FSkinData->GetResourceStrData();
    Font().SetCharset(texts ? FSkinData->GetCharSet() : FDefaultFont->GetCharset());
    if (HandleAllocated()) {
        // The native control keeps its text colour in the character format:
        // the default one for text to come, and that of the text it holds.
        CHARFORMAT2A format{};
        format.cbSize = sizeof(format);
        format.dwMask = CFM_COLOR;
        format.crTextColor = ColorToRGB(Font().GetColor());
        SendMessageA(GetHandle(), EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
        SendMessageA(GetHandle(), EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    }
}

void TbsSkinRichEdit::Loaded() {
    TRichEdit::Loaded();
    if (SkinUsable(FSkinData)) ApplySkinChange();
}

void TbsSkinRichEdit::Notification(TComponent* AComponent, TOperation Operation) {
    TRichEdit::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove) return;
    if (AComponent == FSkinData) {
        FSkinData = nullptr;
        FSkinRecordIndex = -1;
    }
    if (AComponent == FVScrollBar) FVScrollBar = nullptr;
    if (AComponent == FHScrollBar) FHScrollBar = nullptr;
}

void TbsSkinRichEdit::SetVScrollBar(TbsSkinScrollBar* value) { AttachBar(FVScrollBar, value, true); }
void TbsSkinRichEdit::SetHScrollBar(TbsSkinScrollBar* value) { AttachBar(FHScrollBar, value, false); }

void TbsSkinRichEdit::DetachBar(TbsSkinScrollBar* bar) {
    if (!bar) return;
    bar->OnChange = nullptr;
    bar->OnIncreaseClick = nullptr;
    bar->OnDecreaseClick = nullptr;
}

void TbsSkinRichEdit::AttachBar(TbsSkinScrollBar*& field, TbsSkinScrollBar* value, bool vertical) {
    if (field == value) return;
    TbsSkinScrollBar* old = field;
    field = value;
    if (old) {
        DetachBar(old);
        if (old != FVScrollBar && old != FHScrollBar) RemoveFreeNotification(old);
    }
    if (!value) return;
    FreeNotification(value);
    value->OnChange = [this, vertical](TComponent* sender) {
        auto* bar = static_cast<TbsSkinScrollBar*>(sender);
        if (HandleAllocated()) ScrollNativeTo(GetHandle(), vertical, bar->GetPosition());
    };
    if (vertical) {
        // The control scrolls itself by lines; the bar then follows it.
        value->OnIncreaseClick = [this](TComponent* sender) {
            auto* bar = static_cast<TbsSkinScrollBar*>(sender);
            if (!HandleAllocated()) return;
            if (bar->GetPosition() < bar->GetMax() - bar->GetPageSize() + 1) ScrollNativeLine(GetHandle(), true, true);
            UpdateScrollBars();
        };
        value->OnDecreaseClick = [this](TComponent* sender) {
            auto* bar = static_cast<TbsSkinScrollBar*>(sender);
            if (!HandleAllocated()) return;
            if (bar->GetPosition() != 0) ScrollNativeLine(GetHandle(), true, false);
            UpdateScrollBars();
        };
    }
    UpdateScrollBars();
}

void TbsSkinRichEdit::UpdateScrollBars() {
    if (!HandleAllocated()) return;
    if (FVScrollBar) MirrorNativeScroll(GetHandle(), true, *FVScrollBar);
    if (FHScrollBar) MirrorNativeScroll(GetHandle(), false, *FHScrollBar);
}

void TbsSkinRichEdit::CreateParams(TCreateParams& params) {
    TRichEdit::CreateParams(params);
    params.Style &= ~DWORD(WS_BORDER);
    params.ExStyle &= ~DWORD(WS_EX_CLIENTEDGE);
    if (GetTransparent()) params.ExStyle |= WS_EX_TRANSPARENT;
}

void TbsSkinRichEdit::InitializeWnd() {
    TRichEdit::InitializeWnd();
    // Text changes come back as EN_CHANGE, to mirror the scrolling.
    SendMessageA(GetHandle(), EM_SETEVENTMASK, 0, ENM_CHANGE);
    ApplyFontAndColor();
}

void TbsSkinRichEdit::OnCommand(WORD notifyCode) {
    TRichEdit::OnCommand(notifyCode);
    if (notifyCode == EN_CHANGE) UpdateScrollBars();
}

LRESULT TbsSkinRichEdit::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (DispatchNativeSkinMessage(*this, msg, wParam)) return 0;
    switch (msg) {
    case WM_NCCALCSIZE:
        // The whole window is client: no border, no room for native bars.
        return 0;
    case WM_NCHITTEST:
        return HTCLIENT;
    case WM_NCPAINT:
        return 0;
    case WM_PAINT:
        if (!GetTransparent()) break;
        PaintTransparent();
        return 0;
    case WM_PARENTBGCHANGED:
        if (GetTransparent() && HandleAllocated())
            RedrawWindow(GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        return 0;
    case WM_SETTEXT:
    case WM_MOUSEWHEEL:
    case WM_SIZE:
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: {
        const LRESULT result = TRichEdit::WndProc(msg, wParam, lParam);
        UpdateScrollBars();
        return result;
    }
    default:
        break;
    }
    return TRichEdit::WndProc(msg, wParam, lParam);
}

void TbsSkinRichEdit::PaintTransparent() {
    HWND wnd = GetHandle();
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(wnd, &ps);
    const int W = GetWidth(), H = GetHeight();
    if (dc && W > 0 && H > 0) {
        // The native control fills its background even when asked to be
        // transparent on some systems. So it prints itself twice, over white
        // and over black: where the two agree is its text, where they
        // differ by the full range is background, and what lies between is
        // the smoothed edge of a glyph, whose coverage the difference gives.
        TBitmap back(W, H), overWhite(W, H), overBlack(W, H);
        PaintBackground(back.Canvas().GetHandle());
        auto printOver = [&](TBitmap& target, COLORREF colour) {
            // What the print leaves unpainted stays the background colour,
            // so it comes out as background.
            TBrushHandle brush(CreateSolidBrush(colour));
            RECT all{0, 0, W, H};
            FillRect(target.Canvas().GetHandle(), &all, brush.Get());
            SendMessageA(wnd, EM_SETBKGNDCOLOR, 0, LPARAM(colour));
            // The documented way first; a control that renders nothing
            // that way (wine's, into a memory context) prints itself.
            if (!RenderTextInto(target.Canvas().GetHandle()))
                SendMessageA(wnd, WM_PRINTCLIENT, WPARAM(target.Canvas().GetHandle()), PRF_CLIENT | PRF_ERASEBKGND);
        };
        printOver(overWhite, RGB(255, 255, 255));
        printOver(overBlack, RGB(0, 0, 0));
        SendMessageA(wnd, EM_SETBKGNDCOLOR, 0, LPARAM(ColorToRGB(GetColor())));
        GdiFlush();
        for (int y = 0; y < H; ++y) {
            std::uint32_t* out = back.ScanLine(y);
            const std::uint32_t* white = overWhite.ScanLine(y);
            const std::uint32_t* black = overBlack.ScanLine(y);
            for (int x = 0; x < W; ++x) out[x] = MatteTextPixel(white[x], black[x], out[x]);
        }
        BitBlt(dc, 0, 0, W, H, back.Canvas().GetHandle(), 0, 0, SRCCOPY);
        // Changing the background colour asked for another paint.
        ValidateRect(wnd, nullptr);
    }
    EndPaint(wnd, &ps);
}

bool TbsSkinRichEdit::RenderTextInto(HDC dc) {
    HWND wnd = GetHandle();
    if (GetWindowTextLengthA(wnd) == 0) return true;  // nothing to draw
    // The request renders from the first character: a box scrolled down
    // prints what it shows instead.
    if (SendMessageA(wnd, EM_GETFIRSTVISIBLELINE, 0, 0) != 0) return false;
    RECT area{};
    SendMessageA(wnd, EM_GETRECT, 0, LPARAM(&area));
    // The request measures in twips, 1440 to the inch.
    const int dpiX = GetDeviceCaps(dc, LOGPIXELSX), dpiY = GetDeviceCaps(dc, LOGPIXELSY);
    if (dpiX <= 0 || dpiY <= 0) return false;
    FORMATRANGE range{};
    range.hdc = dc;
    range.hdcTarget = dc;
    range.rc = {MulDiv(area.left, 1440, dpiX), MulDiv(area.top, 1440, dpiY), MulDiv(area.right, 1440, dpiX),
                MulDiv(area.bottom, 1440, dpiY)};
    range.rcPage = {0, 0, MulDiv(GetWidth(), 1440, dpiX), MulDiv(GetHeight(), 1440, dpiY)};
    range.chrg.cpMin = 0;
    range.chrg.cpMax = -1;
    const LRESULT next = SendMessageA(wnd, EM_FORMATRANGE, TRUE, LPARAM(&range));
    SendMessageA(wnd, EM_FORMATRANGE, FALSE, 0);  // lets the control free what it cached
    return next > 0;
}

bool TbsSkinRichEdit::OnEraseBackground(HDC dc) {
    if (!GetTransparent()) return TRichEdit::OnEraseBackground(dc);
    PaintBackground(dc);
    return true;
}

void TbsSkinRichEdit::PaintBackground(HDC dc) {
    const int W = GetWidth(), H = GetHeight();
    if (W <= 0 || H <= 0) return;
    const int ww = FWallpaper->GetWidth(), wh = FWallpaper->GetHeight();
    TBitmap back(W, H);
    HDC target = back.Canvas().GetHandle();
    if (FWallpaper->Empty()) {
        DrawParentImage(target);
    } else if (FWallpaperStretch) {
        FWallpaper->Draw(back.Canvas(), Rect(0, 0, W, H));
    } else {
        HDC source = FWallpaper->Canvas().GetHandle();
        for (int row = 0; row <= H / wh; ++row)
            for (int column = 0; column <= W / ww; ++column)
                BitBlt(target, column * ww, row * wh, ww, wh, source, 0, 0, SRCCOPY);
    }
    BitBlt(dc, 0, 0, W, H, target, 0, 0, SRCCOPY);
}

void RegisterSkinRichEditClasses(TClassRegistry& registry) {
    if (registry.Find("TbsSkinRichEdit")) return;
    TClassBuilder<TbsSkinRichEdit> edit(registry, "TbsSkinRichEdit", "TRichEdit");
    edit.Creatable()
        .Bool("Transparent", &TbsSkinRichEdit::GetTransparent, &TbsSkinRichEdit::SetTransparent)
        .Bool("WallpaperStretch", &TbsSkinRichEdit::GetWallpaperStretch, &TbsSkinRichEdit::SetWallpaperStretch)
        .Bool("SkinSupport", &TbsSkinRichEdit::GetSkinSupport, &TbsSkinRichEdit::SetSkinSupport)
        .Value("DefaultColor",
               [](TbsSkinRichEdit& c, const TLayoutValue& v) { c.SetDefaultColor(LayoutColor(v)); })
        .Ref("SkinData", &TbsSkinRichEdit::GetSkinData, &TbsSkinRichEdit::SetSkinData)
        .Str("SkinDataName", &TbsSkinRichEdit::GetSkinDataName, &TbsSkinRichEdit::SetSkinDataName)
        .Ref("VScrollBar", &TbsSkinRichEdit::GetVScrollBar, &TbsSkinRichEdit::SetVScrollBar)
        .Ref("HScrollBar", &TbsSkinRichEdit::GetHScrollBar, &TbsSkinRichEdit::SetHScrollBar);
    AddFontProperties(edit, "DefaultFont", [](TbsSkinRichEdit& c) -> TFont& { return c.DefaultFont(); });
}
