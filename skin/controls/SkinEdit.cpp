// Sections:
//  helpers            plain text drawing, the client's origin in the window
//  TbsCustomEdit      window style, buffered client painting, keys
//  TbsSkinCustomEdit  binding, sizing, frame, background, hover, button
#include "skin/controls/SkinEdit.h"

#include <windowsx.h>

#include <algorithm>

#include "platform/Handles.h"
#include "platform/SystemHooks.h"
#include "platform/portable/AppMessages.h"
#include "platform/portable/TimerIds.h"
#include "skin/paint/Composition.h"

namespace {

constexpr UINT kHoverInterval = 100;  // ms between checks of the window under the pointer
constexpr int kLeftMargin = 2;        // pixels before the native text; disabled text starts there too

constexpr char kEnter = '\r', kLineFeed = '\n', kEscape = 27;

// Text in one colour, transparently, at the alignment's x and y = 0,
// clipped to the client.
void DrawPlainText(HDC dc, const TRect& client, TFont& font, TColor color, TAlignment alignment,
                   const std::string& text) {
    if (text.empty()) return;
    TSaveDc save(dc);
    SelectObject(dc, font.GetHandle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(color));
    IntersectClipRect(dc, client.Left, client.Top, client.Right, client.Bottom);
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &size);
    TextOutA(dc, EditTextLeft(alignment, client.Width(), size.cx), 0, text.c_str(), int(text.size()));
}

void FillSolid(HDC dc, const TRect& r, TColor color) {
    TBrushHandle brush(CreateSolidBrush(ColorToRGB(color)));
    RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    FillRect(dc, &rc, brush.Get());
}

// The client area's top-left in window coordinates.
POINT ClientOrigin(HWND wnd) {
    RECT window{};
    GetWindowRect(wnd, &window);
    POINT origin{0, 0};
    ClientToScreen(wnd, &origin);
    return POINT{origin.x - window.left, origin.y - window.top};
}

}  // namespace

// ---- TbsCustomEdit --------------------------------------------------------------

// 121 x 20: a new field's size until the layout or the skin says otherwise.
TbsCustomEdit::TbsCustomEdit(TComponent* AOwner) : TEdit(AOwner) { SetBounds(0, 0, 121, 20); }

void TbsCustomEdit::CreateParams(TCreateParams& params) {
    TEdit::CreateParams(params);
    params.ExStyle &= ~DWORD(WS_EX_CLIENTEDGE);
    params.Style &= ~DWORD(WS_BORDER);
    // The multi-line native edit paints into the context its paint message
    // names; a password field needs the single-line one.
    params.Style |= FPasswordChar ? DWORD(ES_PASSWORD) : DWORD(ES_MULTILINE);
    if (FAlignment == taRightJustify) params.Style |= ES_RIGHT;
    if (FAlignment == taCenter) params.Style |= ES_CENTER;
    if (!FHideSelection) params.Style |= ES_NOHIDESEL;
    if (FCharCase == TEditCharCase::ecUpperCase) params.Style |= ES_UPPERCASE;
    if (FCharCase == TEditCharCase::ecLowerCase) params.Style |= ES_LOWERCASE;
}

void TbsCustomEdit::InitializeWnd() {
    TEdit::InitializeWnd();
    HWND wnd = WindowHandle();
    if (FPasswordChar) SendMessageA(wnd, EM_SETPASSWORDCHAR, WPARAM(static_cast<unsigned char>(FPasswordChar)), 0);
    if (FMaxLength > 0) SendMessageA(wnd, EM_LIMITTEXT, WPARAM(FMaxLength), 0);
    ApplyMargins();
}

void TbsCustomEdit::ApplyMargins() {
    if (HWND wnd = WindowHandle())
        SendMessageA(wnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(kLeftMargin, 0));
}

void TbsCustomEdit::SetAlignment(TAlignment value) {
    if (value == FAlignment) return;
    FAlignment = value;
    RecreateWnd();
}

void TbsCustomEdit::SetPasswordChar(char value) {
    if (value == FPasswordChar) return;
    // Between the multi-line and the password style: a new window.
    const bool restyle = (value == 0) != (FPasswordChar == 0);
    FPasswordChar = value;
    if (restyle) {
        RecreateWnd();
    } else if (HWND wnd = WindowHandle()) {
        SendMessageA(wnd, EM_SETPASSWORDCHAR, WPARAM(static_cast<unsigned char>(value)), 0);
        Invalidate();
    }
}

void TbsCustomEdit::SetHideSelection(bool value) {
    if (value == FHideSelection) return;
    FHideSelection = value;
    RecreateWnd();
}

void TbsCustomEdit::SetCharCase(TEditCharCase value) {
    if (value == FCharCase) return;
    FCharCase = value;
    RecreateWnd();
}

void TbsCustomEdit::SetMaxLength(int value) {
    FMaxLength = std::max(value, 0);
    if (HWND wnd = WindowHandle()) SendMessageA(wnd, EM_LIMITTEXT, WPARAM(FMaxLength), 0);
}

void TbsCustomEdit::PaintClientBackground(HDC dc, const TRect& client) { FillSolid(dc, client, GetColor()); }

void TbsCustomEdit::PaintDisabledText(HDC dc, const TRect& client) {
    const std::string text = FPasswordChar ? std::string(GetText().size(), FPasswordChar) : GetText();
    DrawPlainText(dc, client, Font(), clGrayText, FAlignment, text);
}

void TbsCustomEdit::PaintBuffered(HDC dc) {
    const TRect client = GetClientRect();
    if (!dc || client.IsEmpty()) return;
    TbsBitmap buffer;
    if (!buffer.TrySetSize(client.Width(), client.Height())) return;
    FPaintingToBuffer = true;
    struct TReset {
        bool& Flag;
        ~TReset() { Flag = false; }
    } reset{FPaintingToBuffer};
    HDC memory = buffer.DC();
    PaintClientBackground(memory, client);
    if (GetEnabled()) {
        // The native edit draws its text (and selection) over the
        // background: it asks for its colours (OnCtlColor) and gets a
        // transparent background and no brush.
        TSaveDc save(memory);
        DefaultHandler(WM_PAINT, WPARAM(memory), 0);
    } else {
        PaintDisabledText(memory, client);
    }
    GdiFlush();
    BitBlt(dc, 0, 0, client.Width(), client.Height(), memory, 0, 0, SRCCOPY);
}

void TbsCustomEdit::RepaintBuffered() {
    HWND wnd = WindowHandle();
    if (!wnd || !FBufferedPaint || !IsWindowVisible(wnd)) return;
    const bool caretHidden = HideCaret(wnd) != FALSE;
    {
        TWindowDc dc(wnd);
        PaintBuffered(dc.Get());
    }
    if (caretHidden) ShowCaret(wnd);
}

bool TbsCustomEdit::OnPaint() {
    HWND wnd = WindowHandle();
    if (!wnd) return false;
    TPaintDc paint(wnd);
    PaintBuffered(paint.Get());
    return true;
}

bool TbsCustomEdit::OnEraseBackground(HDC dc) {
    // Outside the buffer's painting nothing is erased: the paint message
    // that follows covers the client from the buffer, so nothing flickers.
    if (FPaintingToBuffer) PaintClientBackground(dc, GetClientRect());
    return true;
}

HBRUSH TbsCustomEdit::OnCtlColor(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Font().GetColor()));
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

LRESULT TbsCustomEdit::OnGetDlgCode(WPARAM, MSG*) {
    // A single-line field's keys: the multi-line native edit would also
    // take Tab, Enter and Escape from the form's navigation.
    return DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
}

bool TbsCustomEdit::OnChar(char ch) {
    if (ch == kEnter || ch == kLineFeed || ch == kEscape) {
        // Raised as a key press, never given to the native edit (it would
        // start a second line); the form took the key as a dialog key.
        KeyPress(ch);
        return true;
    }
    return TEdit::OnChar(ch);
}

LRESULT TbsCustomEdit::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PRINTCLIENT) {
        PaintBuffered(reinterpret_cast<HDC>(wParam));
        return 0;
    }
    return TEdit::WndProc(msg, wParam, lParam);
}

void TbsCustomEdit::OnSetFocus(HWND previous) {
    TEdit::OnSetFocus(previous);
    if (FAutoSelect && WindowHandle()) SendMessageA(WindowHandle(), EM_SETSEL, 0, -1);
    DropReadOnlyCaret();
    RepaintBuffered();
}

void TbsCustomEdit::DropReadOnlyCaret() {
    if (GetReadOnly() && WindowHandle() && GetFocus() == WindowHandle()) DestroyCaret();
}

void TbsCustomEdit::FontChanged() {
    TEdit::FontChanged();
    ApplyMargins();
    DropReadOnlyCaret();
}

void TbsCustomEdit::EnabledChanged() {
    TEdit::EnabledChanged();
    if (HWND wnd = WindowHandle()) RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

// ---- TbsSkinCustomEdit ---------------------------------------------------------

TbsSkinCustomEdit::TbsSkinCustomEdit(TComponent* AOwner)
    : TbsCustomEdit(AOwner), FDefaultFont(std::make_unique<TFont>()) {
    FLink.SkinDataName = "edit";
    FDefaultFont->SetName("Tahoma");
    FDefaultFont->SetHeight(13);
    FDefaultFont->SetStyle(0);
    FDefaultFont->SetColor(clBlack);
    Font().Assign(*FDefaultFont);
    FDefaultFont->OnChange = [this] { DefaultFontChange(); };
    SetBounds(0, 0, 121, 20);
}

TbsSkinCustomEdit::~TbsSkinCustomEdit() { FDefaultFont->OnChange = nullptr; }

void TbsSkinCustomEdit::SetSkinData(TbsSkinData* value) {
    FLink.SetSkinData(*this, value);
    if (!IsLoading() && SkinUsable(value)) ApplySkinChange();
}

void TbsSkinCustomEdit::SetSkinDataName(const std::string& value) {
    FLink.SkinDataName = value;
    if (!IsLoading() && SkinUsable(FLink.SkinData)) ApplySkinChange();
}

void TbsSkinCustomEdit::SetDefaultColor(TColor value) {
    FDefaultColor = value;
    if (GetSkinRecordIndex() == -1) RepaintAll();
}

void TbsSkinCustomEdit::SetUseSkinFont(bool value) {
    if (value == FUseSkinFont) return;
    FUseSkinFont = value;
    if (!IsLoading() && SkinUsable(FLink.SkinData)) ApplySkinChange();
}

void TbsSkinCustomEdit::SetDefaultWidth(int value) {
    FDefaultWidth = value;
    if (!IsLoading() && GetSkinRecordIndex() == -1 && value > 0) SetWidth(value);
}

void TbsSkinCustomEdit::SetDefaultHeight(int value) {
    FDefaultHeight = value;
    if (!IsLoading() && GetSkinRecordIndex() == -1 && value > 0) SetBounds(GetLeft(), GetTop(), GetWidth(), value);
}

void TbsSkinCustomEdit::SetButtonMode(bool value) {
    if (value == FButtonMode) return;
    FButtonMode = value;
    FButtonDown = false;
    UpdateAreas();
    if (HWND wnd = WindowHandle())
        SetWindowPos(wnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RepaintAll();
}

void TbsSkinCustomEdit::DefaultFontChange() {
    if (IsLoading()) return;
    FetchSkinRecord();
    if (FSkin.Bound && FUseSkinFont) return;
    Font().Assign(*FDefaultFont);
    UpdateFontColor();
    SetBounds(GetLeft(), GetTop(), GetWidth(), GetHeight());
}

void TbsSkinCustomEdit::FetchSkinRecord() {
    FLink.Fetch();
    const auto* record = SkinControlRecordAs<TbsDataSkinEditControl>(FLink.SkinData, FLink.SkinRecordIndex);
    if (!record) FLink.SkinRecordIndex = -1;  // a record of another kind: drawn plainly
    FSkin = EditSkinOf(record);
}

void TbsSkinCustomEdit::PrepareSkinChange() {
    FLink.SkinRecordIndex = -1;
    FSkin = TbsEditSkin{};
}

void TbsSkinCustomEdit::ApplySkinChange() {
    FetchSkinRecord();
    int width = GetWidth();
    if (!FSkin.Bound) {
        Font().Assign(*FDefaultFont);
        if (FDefaultWidth > 0) width = FDefaultWidth;
    } else if (FUseSkinFont) {
        Font().SetName(FSkin.Font.Name);
        Font().SetHeight(FSkin.Font.Height);
        Font().SetStyle(FSkin.Font.Style);
    } else {
        Font().Assign(*FDefaultFont);
    }
    ApplyCharset();
    UpdateFontColor();
    SetBounds(GetLeft(), GetTop(), width, GetHeight());
    // The frame's insets may change at the same size.
    if (HWND wnd = WindowHandle())
        SetWindowPos(wnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RepaintAll();
}

void TbsSkinCustomEdit::ApplyCharset() {
    // The texts' character set is the resource-string component's when the
    // manager has one.
    const TbsSkinData* manager = FLink.SkinData;
    Font().SetCharset(manager && manager->GetResourceStrData() ? manager->GetCharSet() : FDefaultFont->GetCharset());
}

int TbsSkinCustomEdit::FontTextHeight() {
    TWindowDc screen(nullptr);
    TSelectObject select(screen.Get(), Font().GetHandle());
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen.Get(), &metrics);
    return metrics.tmHeight;
}

void TbsSkinCustomEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    FetchSkinRecord();
    const TAlign align = GetAlign();
    const bool fillsHeight = align == TAlign::alClient || align == TAlign::alLeft || align == TAlign::alRight;
    AHeight = EditHeight(FSkin, FUseSkinFont, fillsHeight, FontTextHeight(), FDefaultHeight, AHeight);
    TbsCustomEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
    UpdateAreas();
    RepaintAll();
}

void TbsSkinCustomEdit::Loaded() {
    TbsCustomEdit::Loaded();
    if (SkinUsable(FLink.SkinData)) {
        ApplySkinChange();
    } else {
        ApplyCharset();
        SetBounds(GetLeft(), GetTop(), GetWidth(), GetHeight());
    }
}

void TbsSkinCustomEdit::Notification(TComponent* AComponent, TOperation Operation) {
    TbsCustomEdit::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && FLink.Forget(AComponent)) {
        FSkin = TbsEditSkin{};
        RepaintAll();
    }
}

bool TbsSkinCustomEdit::Active() const { return FMouseOver || Focused(); }

void TbsSkinCustomEdit::UpdateFontColor() {
    const TColor color =
        FSkin.Bound ? (Active() ? FSkin.ActiveFontColor : FSkin.Font.Color) : FDefaultFont->GetColor();
    if (Font().GetColor() != color) Font().SetColor(color);
}

void TbsSkinCustomEdit::UpdateAreas() {
    FClientArea = EditClientArea(FSkin, GetWidth(), GetHeight(), FButtonMode);
    FButtonArea = FButtonMode ? EditButtonArea(FSkin, GetWidth(), GetHeight()) : TRect{};
}

void TbsSkinCustomEdit::RepaintAll() {
    if (HWND wnd = WindowHandle()) RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

// ---- frame and background ----

void TbsSkinCustomEdit::ComposeFrame(TbsBitmap& frame, int width, int height) {
    const TbsBitmap* picture = FSkin.Bound ? SkinPictures().Bitmap(FLink.SkinData, FSkin.PictureIndex) : nullptr;
    if (picture) {
        TbsBitmap strip;
        CreateHSkinImage(FSkin.LeftEnd, FSkin.RightEnd, strip, FSkin.StretchMiddle, width,
                         Active() ? FSkin.ActiveSkinRect : FSkin.SkinRect, *picture);
        if (!strip.Empty()) {
            // Taller than the skin (UseSkinFont false): the strip stretched down.
            GdiFlush();
            StretchBlt(frame.DC(), 0, 0, width, height, strip.DC(), 0, 0, width, strip.Height(), SRCCOPY);
            if (FButtonMode) PaintButton(frame, *picture);
            return;
        }
    }
    // Plain: a double 1-pixel frame, button shadow outside and button face
    // inside, around DefaultColor.
    frame.FillRect(Rect(0, 0, width, height), clBtnShadow);
    frame.FillRect(Rect(1, 1, width - 1, height - 1), clBtnFace);
    frame.FillRect(Rect(2, 2, width - 2, height - 2), FDefaultColor);
    if (FButtonMode && !FButtonArea.IsEmpty()) {
        GdiFlush();
        RECT rc{FButtonArea.Left, FButtonArea.Top, FButtonArea.Right, FButtonArea.Bottom};
        UINT state = DFCS_BUTTONPUSH | (FButtonDown ? DFCS_PUSHED : 0u) | (GetEnabled() ? 0u : DFCS_INACTIVE);
        DrawFrameControl(frame.DC(), &rc, DFC_BUTTON, state);
    }
}

void TbsSkinCustomEdit::PaintButton(TbsBitmap& frame, const TbsBitmap& picture) {
    const TRect source = EditButtonSource(FSkin, GetEnabled(), FButtonDown, FMouseOver);
    if (source.IsEmpty() || FButtonArea.IsEmpty()) return;
    GdiFlush();
    BitBlt(frame.DC(), FButtonArea.Left, FButtonArea.Top, source.Width(), source.Height(), picture.DC(), source.Left,
           source.Top, SRCCOPY);
}

void TbsSkinCustomEdit::PaintFrame(HDC dc, bool withClient) {
    const int width = GetWidth(), height = GetHeight();
    if (!dc || width <= 0 || height <= 0) return;
    FetchSkinRecord();
    UpdateAreas();
    TbsBitmap frame;
    if (!frame.TrySetSize(width, height)) return;
    ComposeFrame(frame, width, height);
    GdiFlush();
    {
        TSaveDc save(dc);
        if (!withClient)
            ExcludeClipRect(dc, FClientArea.Left, FClientArea.Top, FClientArea.Right, FClientArea.Bottom);
        BitBlt(dc, 0, 0, width, height, frame.DC(), 0, 0, SRCCOPY);
    }
    if (withClient && WindowHandle()) {
        const POINT origin = ClientOrigin(WindowHandle());
        TSaveDc save(dc);
        OffsetViewportOrgEx(dc, origin.x, origin.y, nullptr);
        PaintBuffered(dc);
    }
}

void TbsSkinCustomEdit::PaintClientBackground(HDC dc, const TRect& client) {
    FetchSkinRecord();
    FillSolid(dc, client, FDefaultColor);
    const TbsBitmap* picture = FSkin.Bound ? SkinPictures().Bitmap(FLink.SkinData, FSkin.PictureIndex) : nullptr;
    if (!picture) return;
    const TbsEditBackground background = EditClientBackground(FSkin, Active());
    TbsBitmap strip;
    CreateHSkinImage(background.LeftEnd, background.RightEnd, strip, background.StretchMiddle, client.Width(),
                     background.Source, *picture);
    if (strip.Empty()) return;
    GdiFlush();
    if (FUseSkinFont) {
        BitBlt(dc, client.Left, client.Top, strip.Width(), strip.Height(), strip.DC(), 0, 0, SRCCOPY);
    } else {
        StretchBlt(dc, client.Left, client.Top, client.Width(), client.Height(), strip.DC(), 0, 0, strip.Width(),
                   strip.Height(), SRCCOPY);
    }
}

void TbsSkinCustomEdit::PaintDisabledText(HDC dc, const TRect& client) {
    const std::string text =
        GetPasswordChar() ? std::string(GetText().size(), GetPasswordChar()) : GetText();
    if (FSkin.Bound) {
        DrawPlainText(dc, client, Font(), FSkin.DisabledFontColor, GetAlignment(), text);
    } else {
        DrawPlainText(dc, client, *FDefaultFont, clGrayText, GetAlignment(), text);
    }
}

// ---- messages ----

LRESULT TbsSkinCustomEdit::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (DispatchNativeSkinMessage(*this, msg, wParam)) return 0;
    switch (msg) {
        case WM_NCCALCSIZE: {
            // wParam TRUE or FALSE: the first rectangle is the window's, and
            // becomes the client's.
            FetchSkinRecord();
            auto* rect = reinterpret_cast<RECT*>(lParam);
            const RECT window = *rect;
            const TRect area =
                EditClientArea(FSkin, window.right - window.left, window.bottom - window.top, FButtonMode);
            rect->left = window.left + area.Left;
            rect->top = window.top + area.Top;
            rect->right = window.left + std::max(area.Right, area.Left);
            rect->bottom = window.top + std::max(area.Bottom, area.Top);
            return 0;
        }
        case WM_NCPAINT: {
            {
                TWindowDc dc(WindowHandle(), true);
                PaintFrame(dc.Get(), false);
            }
            RepaintBuffered();
            return 0;
        }
        case WM_NCHITTEST:
            return OnNcHitTest(lParam);
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONDBLCLK:
            if (OnNcLeftButtonDown(lParam)) return 0;
            break;
        case WM_LBUTTONUP:
            if (FButtonDown) {
                OnButtonRelease(lParam);
                return 0;
            }
            break;
        case WM_CAPTURECHANGED:
            if (FButtonDown && reinterpret_cast<HWND>(lParam) != WindowHandle()) {
                FButtonDown = false;
                RepaintAll();
            }
            break;
        case WM_PRINT: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            if (!dc || ((lParam & PRF_CHECKVISIBLE) && !IsWindowVisible(WindowHandle()))) return 0;
            if (lParam & PRF_NONCLIENT) PaintFrame(dc, false);
            if (lParam & PRF_CLIENT) {
                const POINT origin = ClientOrigin(WindowHandle());
                TSaveDc save(dc);
                OffsetViewportOrgEx(dc, origin.x, origin.y, nullptr);
                PaintBuffered(dc);
            }
            return 0;
        }
        case WM_PAINTFRAMETODC:
            if (!wParam) return 0;
            PaintFrame(reinterpret_cast<HDC>(wParam), true);
            return kPaintFrameToDcAnswer;
        case WM_PAINTCONTROLTODC:
            if (lParam != kPaintControlToDcFrame) break;
            if (wParam) PaintFrame(reinterpret_cast<HDC>(wParam), false);
            return kPaintControlToDcFrame;
        case WM_DESTROY:
            // The hover timer goes with the window; the hover ends with it.
            FButtonDown = false;
            if (FMouseOver) MouseLeave();
            break;
        default:
            break;
    }
    return TbsCustomEdit::WndProc(msg, wParam, lParam);
}

LRESULT TbsSkinCustomEdit::OnNcHitTest(LPARAM lParam) {
    // The first hit test of a pointer over the edit starts the hover.
    if (!FMouseOver) MouseEnter();
    HWND wnd = WindowHandle();
    RECT window{};
    GetWindowRect(wnd, &window);
    const TPoint p = Point(GET_X_LPARAM(lParam) - window.left, GET_Y_LPARAM(lParam) - window.top);
    FetchSkinRecord();
    UpdateAreas();
    return PtInRect(FClientArea, p) ? HTCLIENT : HTBORDER;
}

bool TbsSkinCustomEdit::OnNcLeftButtonDown(LPARAM lParam) {
    HWND wnd = WindowHandle();
    if (!FButtonMode || !GetEnabled() || !wnd) return false;
    RECT window{};
    GetWindowRect(wnd, &window);
    const TPoint p = Point(GET_X_LPARAM(lParam) - window.left, GET_Y_LPARAM(lParam) - window.top);
    UpdateAreas();
    if (!PtInRect(FButtonArea, p)) return false;
    FButtonDown = true;
    SetCapture(wnd);
    RepaintAll();
    return true;
}

void TbsSkinCustomEdit::OnButtonRelease(LPARAM lParam) {
    // Client coordinates while captured: into window coordinates.
    const POINT origin = ClientOrigin(WindowHandle());
    const TPoint p = Point(GET_X_LPARAM(lParam) + origin.x, GET_Y_LPARAM(lParam) + origin.y);
    FButtonDown = false;  // first: releasing the capture is no loss
    ReleaseCapture();
    RepaintAll();
    if (PtInRect(FButtonArea, p)) ButtonClick();
}

void TbsSkinCustomEdit::ButtonClick() {
    if (FOnButtonClick) FOnButtonClick(this);
}

void TbsSkinCustomEdit::MouseEnter() {
    if (FMouseOver) return;
    FMouseOver = true;
    FetchSkinRecord();
    if (FSkin.Bound && !Focused()) {
        UpdateFontColor();
        RepaintAll();
    }
    TbsCustomEdit::MouseEnter();
    // A bound record always has an active look (it falls back to the normal
    // one), so the hover is checked on the timer; so is the button's.
    if (WindowHandle() && (FSkin.Bound || FButtonMode)) StartTimer(tidEditHover, kHoverInterval);
}

void TbsSkinCustomEdit::MouseLeave() {
    if (!FMouseOver) return;
    StopTimer(tidEditHover);
    FMouseOver = false;
    // A press holding the capture outlives the hover: its release decides.
    if (GetCapture() != WindowHandle()) FButtonDown = false;
    FetchSkinRecord();
    if (FSkin.Bound && !Focused()) UpdateFontColor();
    RepaintAll();
    TbsCustomEdit::MouseLeave();
}

bool TbsSkinCustomEdit::OnTimer(UINT_PTR id) {
    if (id != tidEditHover) return TbsCustomEdit::OnTimer(id);
    if (WindowUnderCursor() != WindowHandle()) MouseLeave();
    return true;
}

void TbsSkinCustomEdit::OnSetFocus(HWND previous) {
    TbsCustomEdit::OnSetFocus(previous);
    FetchSkinRecord();
    UpdateFontColor();
    DropReadOnlyCaret();
    RepaintAll();
}

void TbsSkinCustomEdit::OnKillFocus(HWND next) {
    TbsCustomEdit::OnKillFocus(next);
    FetchSkinRecord();
    UpdateFontColor();
    RepaintAll();
}
