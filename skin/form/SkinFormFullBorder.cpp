// The skinned form under a full border (the layer frame's "fullborder"):
// the form keeps no frame of its own (no non-client area, a rectangular
// shape, a client hit test everywhere) and its caption objects live in the
// layered border's top strip. They are placed by the layer frame
// (LayerCaptionGeometry.h), drawn into the strip each time it is built, and
// driven by the top window's mouse instead of the form's non-client mouse.
//
// A maximised form has no layered border, so while maximised it shows its
// skinned frame as any other form does.
//
// The objects draw themselves with the platform (opaque pictures, text),
// which leaves no alpha; each is drawn into a scratch bitmap and given its
// alpha before it is laid over the strip: a button takes the shape of its
// look's alpha image, the caption text is drawn twice, over black and over
// white, and its coverage is the difference.
#include "skin/form/SkinForm.h"

#include "skin/paint/LayeredApi.h"
#include "skin/paint/SkinAccess.h"
#include "skin/paint/portable/AlphaCompose.h"

bool TbsSkinForm::FullBorderMode() const {
    return FSkinLoaded && FSkinnable && HasBorder() && FSkinData && FSkinData->GetShowLayeredBorders() &&
           FLayerBorder->FullBorder() && LayeredWindowsAvailable() && !FormMaximized();
}

TPoint TbsSkinForm::ObjectOrigin() const {
    if (FullBorderMode() && FLayerBorder->Shown()) {
        const TRect layer = FLayerBorder->LayerRect();
        return Point(layer.Left, layer.Top);
    }
    RECT rc{};
    if (FOwnerForm->HandleAllocated()) GetWindowRect(FOwnerForm->WindowHandle(), &rc);
    return Point(rc.left, rc.top);
}

void TbsSkinForm::ConnectFullBorder() {
    TbsFormLayerBorder& border = *FLayerBorder;
    border.FormRolledUp = [this] { return FRolledUp || FormMinimized(); };
    border.DrawCaption = [this](TbsBitmap& top) { DrawFullBorderCaption(top); };
    border.CaptionHitAt = [this](TPoint p) {
        for (const auto& object : FObjects) {
            if (!object->Visible || !object->Enabled || !PtInRect(object->ObjectRect, p) ||
                !object->CanMouseHit(p.X - object->ObjectRect.Left, p.Y - object->ObjectRect.Top))
                continue;
            return dynamic_cast<const TbsSkinCaptionObject*>(object.get()) ? int(bsfhCaption) : int(bsfhClient);
        }
        return int(bsfhNowhere);
    };
    border.CaptionMouse = [this](UINT msg, TPoint p) { FullBorderMouse(msg, p); };
    border.CaptionMouseLeave = [this] {
        if (FMouseCaptureObject == -1) TestActive(-1, -1, false);
    };
}

void TbsSkinForm::ArrangeFullBorderObjects(int layerWidth) {
    std::vector<TbsLayerCaptionItem> items;
    items.reserve(FObjects.size());
    for (const auto& object : FObjects) {
        TbsLayerCaptionItem item;
        item.Visible = object->Visible;
        item.Caption = dynamic_cast<TbsSkinCaptionObject*>(object.get()) != nullptr;
        item.Size = {object->SkinRect.Width(), object->SkinRect.Height()};
        if (auto* std = dynamic_cast<TbsSkinStdButtonObject*>(object.get())) {
            item.Command = std->Command;
            if (std->Command == cmSysMenu && FShowIcon)
                item.Size = {GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)};
        } else if (auto* animate = dynamic_cast<TbsSkinAnimateObject*>(object.get())) {
            item.Command = animate->Command;
            item.Size.Width /= std::max(1, animate->CountFrames);
        }
        items.push_back(item);
    }
    TbsLayerCaptionMetrics metrics = FLayerBorder->CaptionMetrics();
    metrics.ButtonsOffset = SkinOf(FSkinData)->FDefinition.FormInfo.ButtonsOffset;
    ArrangeLayerCaptionObjects(metrics, layerWidth, items);
    for (std::size_t i = 0; i < items.size(); ++i) FObjects[i]->ObjectRect = items[i].Rect;
}

namespace {

// A scratch bitmap of r's size whose drawing lands at r: its origin is
// moved so that r's coordinates can be used as they are.
class TScratch {
public:
    TScratch(const TRect& r, std::uint32_t fill) : FRect(r) {
        FBitmap.SetSize(r.Width(), r.Height());
        for (int y = 0; y < r.Height(); ++y) std::fill(FBitmap.ScanLine(y), FBitmap.ScanLine(y) + r.Width(), fill);
        SetViewportOrgEx(FBitmap.DC(), -r.Left, -r.Top, nullptr);
    }
    HDC DC() { return FBitmap.DC(); }
    TPixelView View() {
        GdiFlush();
        return FBitmap.View();
    }

private:
    TRect FRect;
    TbsBitmap FBitmap;
};

}  // namespace

void TbsSkinForm::DrawFullBorderCaption(TbsBitmap& top) {
    if (!FullBorderMode() || FObjects.empty()) return;
    ArrangeFullBorderObjects(top.Width());
    const TPixelView strip = top.View();
    for (const auto& object : FObjects) {
        const TRect r = object->ObjectRect;
        if (!object->Visible || r.IsEmpty()) continue;
        if (auto* caption = dynamic_cast<TbsSkinCaptionObject*>(object.get())) {
            TScratch black(r, 0xFF000000u), white(r, 0xFFFFFFFFu);
            caption->DrawCaptionText(black.DC(), r);
            caption->DrawCaptionText(white.DC(), r);
            const TPixelView text = black.View();
            MatteFromBlackAndWhite(text, white.View());
            ComposeOver(strip, r.Left, r.Top, text);
            continue;
        }
        TScratch look(r, 0xFF000000u);
        object->DrawObject(look.DC(), true);
        const TPixelView pixels = look.View();
        const auto* button = dynamic_cast<TbsSkinButtonObject*>(object.get());
        const TPixelBuffer* shape = button ? button->ShapeImage() : nullptr;
        ApplyShapeAlpha(pixels, shape ? ViewOf(*shape) : TPixelView{});
        ComposeOver(strip, r.Left, r.Top, pixels);
    }
}

void TbsSkinForm::FullBorderMouse(UINT msg, TPoint p) {
    if (!FullBorderMode()) return;
    const TMouseButton button = msg == WM_RBUTTONDOWN || msg == WM_RBUTTONUP ? TMouseButton::mbRight : TMouseButton::mbLeft;
    HWND top = FLayerBorder->Window(lsTop);
    switch (msg) {
        case WM_MOUSEMOVE:
            TestActive(p.X, p.Y, true);
            ObjectsMouseMove(p);
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            ObjectsMouseDown(p, button, msg == WM_LBUTTONDBLCLK, top);
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            // Released off the object: it is no longer hot, so no command.
            if (FMouseCaptureObject != -1) TestActive(p.X, p.Y, true);
            ObjectsMouseUp(p, button, top);
            break;
        default:
            break;
    }
}
