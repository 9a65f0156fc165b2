#include "bench/table/SystemTableWindow.h"

#include <commctrl.h>
#include <richedit.h>

#include <cstring>
#include <string>

#include "platform/Jpeg.h"
#include "platform/Resources.h"
#include "platform/portable/Exception.h"
#include "platform/portable/LayoutText.h"

namespace {

const char kFrameClass[] = "TableBenchSystemForm";

const TLayoutProperty* Find(const TLayoutNode& node, const char* name) {
    for (const TLayoutProperty& p : node.Properties)
        if (p.Name == name) return &p;
    return nullptr;
}

int IntOf(const TLayoutNode& node, const char* name, int otherwise = 0) {
    const TLayoutProperty* p = Find(node, name);
    return p && p->Value.Kind == TLayoutValue::TKind::Integer ? int(p->Value.Integer) : otherwise;
}

std::string TextOf(const TLayoutNode& node, const char* name) {
    const TLayoutProperty* p = Find(node, name);
    return p && p->Value.Kind == TLayoutValue::TKind::String ? p->Value.Text : std::string();
}

bool IsTrue(const TLayoutNode& node, const char* name) {
    const TLayoutProperty* p = Find(node, name);
    return p && p->Value.Kind == TLayoutValue::TKind::Ident && p->Value.Text == "True";
}

// The layout's "Font.*" properties as a font; null when it names none.
HFONT FontOf(const TLayoutNode& node) {
    const std::string face = TextOf(node, "Font.Name");
    if (face.empty()) return nullptr;
    return CreateFontA(IntOf(node, "Font.Height", -11), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face.c_str());
}

// The decoded JPEG of a stored "TJPEGImage" picture as a 32-bit section;
// null when there is none or it does not decode.
HBITMAP PictureOf(const TLayoutNode& node) {
    const TLayoutProperty* p = Find(node, "Picture.Data");
    if (!p || p->Value.Kind != TLayoutValue::TKind::Binary) return nullptr;
    const TStoredPicture stored = ReadStoredPicture(p->Value.Bytes);
    TPixelBuffer pixels;
    if (stored.ClassName != "TJPEGImage" || !DecodeJpeg(stored.Data, pixels) || pixels.Empty()) return nullptr;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = pixels.Width;
    bi.bmiHeader.biHeight = -pixels.Height;  // top-down, as the buffer
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) std::memcpy(bits, pixels.Pixels.data(), pixels.Pixels.size() * 4);
    return bitmap;
}

// The rich edit library, the newer one first, as the table window loads it.
const char* RichEditClass() {
    static TModuleHandle library;
    static const char* className = nullptr;
    if (!className) {
        library.Reset(LoadLibraryA("msftedit.dll"));
        className = "RICHEDIT50W";
        if (!library) {
            library.Reset(LoadLibraryA("riched20.dll"));
            className = "RichEdit20A";
        }
    }
    return className;
}

// As a dialog: labels and read-only fields on the window's face colour.
LRESULT CALLBACK FrameWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CTLCOLORSTATIC) {
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

void RegisterFrameClass() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = FrameWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kFrameClass;
    RegisterClassExA(&wc);
    registered = true;
}

}  // namespace

TSystemTableWindow::TSystemTableWindow() {
    const std::optional<std::vector<std::uint8_t>> text = LoadRcData("TFORM1");
    if (!text) throw Exception("No layout TFORM1");
    const TLayoutNode layout = ParseLayoutText(std::string(text->begin(), text->end()), LoadRcData);

    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&icc);
    RegisterFrameClass();

    FFonts.emplace_back(FontOf(layout));
    const HFONT font = FFonts.back().Get();
    // No WS_CLIPCHILDREN: a group box paints only its frame and caption,
    // the window's face shows through it.
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT rc{0, 0, IntOf(layout, "ClientWidth", 775), IntOf(layout, "ClientHeight", 306)};
    AdjustWindowRectEx(&rc, style, FALSE, 0);
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
    FWindow.Reset(CreateWindowExA(0, kFrameClass, TextOf(layout, "Caption").c_str(), style, x, y, w, h, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr));
    if (!FWindow) throw Exception("The system-controls window could not be made");
    MakeChildren(layout, 0, 0, font);
}

void TSystemTableWindow::MakeChildren(const TLayoutNode& container, int left, int top, HFONT font) {
    for (const TLayoutNode& node : container.Children) {
        const std::string& kind = node.ClassName;
        const char* cls = nullptr;
        // Every control is the window's own, as in a dialog; one inside a
        // group box or status bar lies above it.
        DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, exStyle = 0;
        std::string caption = TextOf(node, "Caption");
        HBITMAP picture = nullptr;
        if (kind == "TImage") {
            cls = "STATIC";
            style |= SS_BITMAP;
            picture = PictureOf(node);
            FPicture.Reset(picture);
        } else if (kind == "TLabel") {
            cls = "STATIC";
        } else if (kind == "TbsSkinGroupBox") {
            cls = "BUTTON";
            style |= BS_GROUPBOX;
        } else if (kind == "TbsSkinEdit") {
            cls = "EDIT";
            style |= ES_AUTOHSCROLL | WS_TABSTOP | (IsTrue(node, "ReadOnly") ? ES_READONLY : 0);
            exStyle = WS_EX_CLIENTEDGE;
            caption = TextOf(node, "Text");
        } else if (kind == "TbsSkinComboBox") {
            cls = "COMBOBOX";
            style |= CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
        } else if (kind == "TbsSkinButton") {
            cls = "BUTTON";
            style |= BS_PUSHBUTTON | WS_TABSTOP;
        } else if (kind == "TbsSkinStatusBar") {
            cls = "STATIC";
        } else if (kind == "TbsSkinStatusPanel") {
            cls = "STATIC";
            style |= SS_SUNKEN | SS_CENTERIMAGE;
        } else if (kind == "TbsSkinRichEdit") {
            cls = RichEditClass();
            style |= ES_MULTILINE | ES_AUTOVSCROLL | WS_HSCROLL | WS_VSCROLL | (IsTrue(node, "ReadOnly") ? ES_READONLY : 0);
            exStyle = WS_EX_CLIENTEDGE;
        } else if (kind == "TbsSkinGauge") {
            cls = PROGRESS_CLASSA;
        }
        if (!cls) continue;  // no window of its own
        const int height = kind == "TbsSkinComboBox" ? 200 : IntOf(node, "Height");  // with the list dropped
        const int x = left + IntOf(node, "Left"), y = top + IntOf(node, "Top");
        HWND child = CreateWindowExA(exStyle, cls, caption.c_str(), style, x, y, IntOf(node, "Width"), height,
                                     FWindow.Get(), nullptr, GetModuleHandleA(nullptr), nullptr);
        if (!child) continue;
        SetWindowPos(child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        HFONT own = FontOf(node);
        if (own) FFonts.emplace_back(own);
        SendMessageA(child, WM_SETFONT, WPARAM(own ? own : font), FALSE);
        if (picture) SendMessageA(child, STM_SETIMAGE, IMAGE_BITMAP, LPARAM(picture));
        if (kind == "TbsSkinComboBox") {
            const TLayoutProperty* items = Find(node, "Items");
            if (items)
                for (const std::string& item : items->Value.Items)
                    SendMessageA(child, CB_ADDSTRING, 0, LPARAM(item.c_str()));
            SendMessageA(child, CB_SETCURSEL, WPARAM(IntOf(node, "ItemIndex", -1)), 0);
        } else if (kind == "TbsSkinGauge") {
            SendMessageA(child, PBM_SETRANGE32, IntOf(node, "MinValue"), IntOf(node, "MaxValue", 100));
            SendMessageA(child, PBM_SETPOS, WPARAM(IntOf(node, "Value")), 0);
        } else if (kind == "TbsSkinButton" && !FSpinButton) {
            FSpinButton = child;
        }
        MakeChildren(node, x, y, font);
    }
}

void TSystemTableWindow::Show() {
    ShowWindow(FWindow.Get(), SW_SHOWNORMAL);
}
