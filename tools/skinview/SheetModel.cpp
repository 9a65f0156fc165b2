#include "tools/skinview/SheetModel.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/portable/Exception.h"
#include "platform/portable/IniFile.h"
#include "skin/data/portable/SkinDefinition.h"
#include "skin/data/portable/SkinFolder.h"
#include "skin/data/portable/StoredSkin.h"

namespace {

std::string FindIniFile(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::string ext = entry.path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
        if (entry.is_regular_file() && ext == ".ini") found.push_back(entry.path().string());
    }
    if (found.size() != 1) throw Exception("the folder " + folder + " must hold exactly one .ini file");
    return found.front();
}

TbsSkinPackage ReadPackage(const std::string& path) {
    namespace fs = std::filesystem;
    if (fs::is_directory(path)) return ReadSkinFolder(FindIniFile(path));
    std::string ext = fs::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    if (ext == ".ini") return ReadSkinFolder(path);
    std::vector<std::uint8_t> file = ReadFileBytes(path);
    std::vector<std::uint8_t> compressed = ReadSkinFileImage(file.data(), file.size());
    return DecompressSkinPackage(compressed.data(), compressed.size());
}

TSheetLook LookOf(const TbsDataSkinCustomControl& r) {
    TSheetLook l;
    l.Picture = r.PictureIndex;
    l.Mask = r.MaskPictureIndex;
    l.SkinRect = r.SkinRect;
    l.LT = r.LeftTopPoint;
    l.RT = r.RightTopPoint;
    l.LB = r.LeftBottomPoint;
    l.RB = r.RightBottomPoint;
    l.Client = r.ClientRect;
    l.StretchLeft = r.LeftStretch;
    l.StretchTop = r.TopStretch;
    l.StretchRight = r.RightStretch;
    l.StretchBottom = r.BottomStretch;
    l.StretchCenter = r.StretchEffect;
    l.StretchKind = int(r.StretchType);
    return l;
}

void AddState(std::vector<TSheetPart>& out, const char* name, const TRect& r) {
    if (!r.IsEmpty()) out.push_back({name, r});
}

void AddStrip(std::vector<TSheetStrip>& out, const char* name, const TRect& r, int left, int right, bool stretch,
              bool vertical = false) {
    if (!r.IsEmpty()) out.push_back({name, r, left, right, stretch, vertical});
}

TSheetControl ControlOf(const TbsDataSkinControl& record, const std::string& type) {
    TSheetControl c;
    c.Name = record.SectionName;
    c.Type = type;
    const auto* custom = dynamic_cast<const TbsDataSkinCustomControl*>(&record);
    if (!custom) {
        c.Look.Picture = record.PictureIndex;
        c.Look.SkinRect = record.SkinRect;
        AddState(c.States, "normal", record.SkinRect);
        return c;
    }
    c.Look = LookOf(*custom);
    AddState(c.States, "normal", custom->SkinRect);
    if (const auto* b = dynamic_cast<const TbsDataSkinButtonControl*>(custom)) {
        AddState(c.States, "hot", b->ActiveSkinRect);
        AddState(c.States, "down", b->DownSkinRect);
        AddState(c.States, "focused", b->FocusedSkinRect);
        AddState(c.States, "disabled", b->DisabledSkinRect);
    } else if (const auto* e = dynamic_cast<const TbsDataSkinEditControl*>(custom)) {
        AddState(c.States, "active", e->ActiveSkinRect);
    } else if (const auto* cb = dynamic_cast<const TbsDataSkinComboBox*>(custom)) {
        AddState(c.States, "active", cb->ActiveSkinRect);
        AddStrip(c.Strips, "item", cb->ItemRect, cb->ItemLeftOffset, cb->ItemRightOffset, cb->ItemStretchEffect);
        AddStrip(c.Strips, "active item", cb->ActiveItemRect, cb->ItemLeftOffset, cb->ItemRightOffset,
                 cb->ItemStretchEffect);
        AddStrip(c.Strips, "focus item", cb->FocusItemRect, cb->ItemLeftOffset, cb->ItemRightOffset,
                 cb->FocusItemStretchEffect);
        AddState(c.Parts, "button hot", cb->ActiveButtonRect);
        AddState(c.Parts, "button down", cb->DownButtonRect);
        AddState(c.Parts, "button disabled", cb->UnEnabledButtonRect);
    } else if (const auto* lb = dynamic_cast<const TbsDataSkinListBox*>(custom)) {
        AddStrip(c.Strips, "item", lb->ItemRect, lb->ItemLeftOffset, lb->ItemRightOffset, true);
        AddStrip(c.Strips, "selected item", lb->ActiveItemRect, lb->ItemLeftOffset, lb->ItemRightOffset, true);
        AddStrip(c.Strips, "focus item", lb->FocusItemRect, lb->ItemLeftOffset, lb->ItemRightOffset, true);
    } else if (const auto* g = dynamic_cast<const TbsDataSkinGaugeControl*>(custom)) {
        c.ProgressArea = g->ProgressArea;
        c.ProgressRect = g->ProgressRect;
        c.BeginOffset = g->BeginOffset;
        c.EndOffset = g->EndOffset;
        c.ProgressStretch = g->ProgressStretch;
        c.AnimationRect = g->ProgressAnimationSkinRect;
        c.AnimationFrames = g->ProgressAnimationCountFrames;
    } else if (const auto* s = dynamic_cast<const TbsDataSkinScrollBarControl*>(custom)) {
        bool vertical = s->SkinRect.Height() > s->SkinRect.Width();
        AddStrip(c.Strips, "thumb", s->ThumbRect, s->ThumbOffset1, s->ThumbOffset2, s->ThumbStretchEffect, vertical);
        AddStrip(c.Strips, "thumb hot", s->ActiveThumbRect, s->ThumbOffset1, s->ThumbOffset2, s->ThumbStretchEffect,
                 vertical);
        AddStrip(c.Strips, "thumb down", s->DownThumbRect, s->ThumbOffset1, s->ThumbOffset2, s->ThumbStretchEffect,
                 vertical);
        AddState(c.Parts, "up hot", s->ActiveUpButtonRect);
        AddState(c.Parts, "up down", s->DownUpButtonRect);
        AddState(c.Parts, "down hot", s->ActiveDownButtonRect);
        AddState(c.Parts, "down down", s->DownDownButtonRect);
        AddState(c.Parts, "glyph", s->GlyphRect);
        AddState(c.Parts, "glyph hot", s->ActiveGlyphRect);
        AddState(c.Parts, "glyph down", s->DownGlyphRect);
    }
    return c;
}

TSheetObject ObjectOf(const TbsDataSkinObject& r, const std::string& type) {
    TSheetObject o;
    o.Name = r.SectionName;
    o.Type = type;
    o.Picture = r.ActivePictureIndex;
    o.Mask = r.ActiveMaskPictureIndex;
    o.OwnPicture = r.SkinRectInAPicture;
    o.Glow = r.GlowLayerPictureIndex;
    o.GlowMask = r.GlowLayerMaskPictureIndex;
    o.GlowX = r.GlowLayerOffsetX;
    o.GlowY = r.GlowLayerOffsetY;
    AddState(o.States, "normal", r.SkinRect);
    AddState(o.States, "hot", r.ActiveSkinRect);
    if (const auto* b = dynamic_cast<const TbsDataSkinButton*>(&r)) {
        AddState(o.States, "down", b->DownRect);
        AddState(o.States, "disabled", b->DisableSkinRect);
    }
    AddState(o.States, "inactive", r.InActiveSkinRect);
    if (const auto* s = dynamic_cast<const TbsDataSkinStdButton*>(&r)) {
        o.Command = int(s->Command);
        AddState(o.States, "restore", s->RestoreRect);
        AddState(o.States, "restore hot", s->RestoreActiveRect);
        AddState(o.States, "restore down", s->RestoreDownRect);
        AddState(o.States, "restore inactive", s->RestoreInActiveRect);
    }
    if (const auto* m = dynamic_cast<const TbsDataSkinMenuItem*>(&r)) {
        AddState(o.States, "divider", m->DividerRect);
        AddState(o.States, "check", m->CheckImageRect);
        AddState(o.States, "check hot", m->ActiveCheckImageRect);
        AddState(o.States, "radio", m->RadioImageRect);
        AddState(o.States, "radio hot", m->ActiveRadioImageRect);
        AddState(o.States, "arrow", m->ArrowImageRect);
        AddState(o.States, "arrow hot", m->ActiveArrowImageRect);
    }
    return o;
}

std::string TypeOf(const std::string& item) { return SplitSkinListItem(item).Type; }

// ---- geometry the sheet can draw ---------------------------------------------------------

bool Fits(int v) { return v >= 0 && v <= SheetMaxCoordinate; }
bool Fits(TPoint p) { return Fits(p.X) && Fits(p.Y); }
bool Fits(const TRect& r) { return Fits(r.Left) && Fits(r.Top) && Fits(r.Right) && Fits(r.Bottom); }
bool FitsOffset(int v) { return v >= -SheetMaxCoordinate && v <= SheetMaxCoordinate; }

bool LookFits(const TSheetLook& l) {
    return Fits(l.SkinRect) && Fits(l.LT) && Fits(l.RT) && Fits(l.LB) && Fits(l.RB) && Fits(l.Client);
}

template <class TPart>
void DropUnfit(std::vector<TPart>& parts) {
    parts.erase(std::remove_if(parts.begin(), parts.end(), [](const TPart& p) { return !Fits(p.Rect); }), parts.end());
}

void DropUnfitStrips(std::vector<TSheetStrip>& strips) {
    strips.erase(std::remove_if(strips.begin(), strips.end(),
                                [](const TSheetStrip& s) {
                                    return !Fits(s.Rect) || !Fits(s.LeftEnd) || !Fits(s.RightEnd);
                                }),
                 strips.end());
}

// Leaves in the model only what the sheet can draw at a sane size.
void KeepDrawableGeometry(TSheetModel& m) {
    if (!LookFits(m.Frame.Look) || !Fits(m.Frame.MaskArea) || !Fits(m.Frame.Caption) ||
        !Fits(m.Frame.CaptionTextRect) || !FitsOffset(m.Frame.ButtonsOffset)) {
        m.Main = TPixelBuffer();  // no frame drawing
        m.MainMask = TPixelBuffer();
    }
    if (!Fits(m.Layer.LT) || !Fits(m.Layer.RT) || !Fits(m.Layer.LB) || !Fits(m.Layer.RB) || !Fits(m.Layer.Client) ||
        m.Layer.Client.IsEmpty())
        m.Layer.Picture = -1;
    for (TSheetControl& c : m.Controls) {
        c.TooLarge = !LookFits(c.Look);
        DropUnfit(c.States);
        DropUnfit(c.Parts);
        DropUnfitStrips(c.Strips);
        if (!Fits(c.ProgressArea) || !Fits(c.ProgressRect) || !Fits(c.BeginOffset) || !Fits(c.EndOffset))
            c.ProgressRect = TRect{};
        if (!Fits(c.AnimationRect)) c.AnimationRect = TRect{};
        c.AnimationFrames = std::clamp(c.AnimationFrames, 0, SheetMaxAnimationFrames);
    }
    for (TSheetObject& o : m.Objects) {
        DropUnfit(o.States);
        if (!FitsOffset(o.GlowX) || !FitsOffset(o.GlowY)) o.Glow = -1;
    }
    for (TSheetWindow& w : m.Windows)
        if (!LookFits(w.Look) || !Fits(w.Items)) w.Look.Picture = -1;
}

}  // namespace

TSheetModel ReadSheetModel(const std::string& path) {
    TbsSkinPackage package = ReadPackage(path);
    TSheetModel m;
    if (package.MainPicture) m.Main = package.MainPicture->Decode();
    if (package.MaskPicture) m.MainMask = package.MaskPicture->Decode();
    for (const auto& p : package.ActivePictures) m.Pictures.push_back(p.Decode());

    TMemIniFile ini(package.Definition);
    TbsSkinDefinition skin;
    skin.LoadFromIni(ini, m.Pictures);
    m.SkinName = skin.Version.SkinName;

    const TbsFormInfo& f = skin.FormInfo;
    m.Frame.Look.SkinRect = Rect(0, 0, m.Main.Width, m.Main.Height);
    m.Frame.Look.LT = f.LeftTopPoint;
    m.Frame.Look.RT = f.RightTopPoint;
    m.Frame.Look.LB = f.LeftBottomPoint;
    m.Frame.Look.RB = f.RightBottomPoint;
    m.Frame.Look.Client = f.ClientRect;
    m.Frame.Look.StretchLeft = f.LeftStretch;
    m.Frame.Look.StretchTop = f.TopStretch;
    m.Frame.Look.StretchRight = f.RightStretch;
    m.Frame.Look.StretchBottom = f.BottomStretch;
    m.Frame.Look.StretchCenter = f.StretchEffect;
    m.Frame.MaskArea = f.MaskRectArea;
    m.Frame.Caption = f.CaptionRect;
    m.Frame.ButtonsOffset = f.ButtonsOffset;
    m.Frame.ButtonsInLeft = f.ButtonsInLeft;

    const auto& l = skin.LayerFrameData;
    m.Layer.Picture = l.PictureIndex;
    m.Layer.Mask = l.MaskPictureIndex;
    m.Layer.LT = l.LeftTopPoint;
    m.Layer.RT = l.RightTopPoint;
    m.Layer.LB = l.LeftBottomPoint;
    m.Layer.RB = l.RightBottomPoint;
    m.Layer.Client = l.ClientRect;
    m.Layer.FullStretch = l.FullStretch;

    // Types by list position: records are made in list order, skipping
    // items whose type word is unknown.
    auto types = [&](const char* section) {
        std::vector<std::string> out;
        int count = ini.ReadInteger(section, "count", 0);
        for (int i = 0; i < count; ++i) out.push_back(TypeOf(ini.ReadString(section, std::to_string(i), "")));
        return out;
    };
    std::vector<std::string> controlTypes = types("SKINCONTROLS"), objectTypes = types("SKINOBJECTS");
    for (std::size_t i = 0; i < skin.ControlRecords.size(); ++i)
        m.Controls.push_back(ControlOf(*skin.ControlRecords[i], i < controlTypes.size() ? controlTypes[i] : ""));
    for (std::size_t i = 0; i < skin.ObjectRecords.size(); ++i) {
        const auto& r = *skin.ObjectRecords[i];
        m.Objects.push_back(ObjectOf(r, i < objectTypes.size() ? objectTypes[i] : ""));
        if (const auto* caption = dynamic_cast<const TbsDataSkinCaption*>(&r)) {
            if (m.Frame.CaptionSkinRect.IsEmpty()) {
                m.Frame.CaptionSkinRect = caption->SkinRect;
                m.Frame.CaptionTextRect = caption->TextRect;
                m.Frame.CaptionColor = caption->ActiveFontColor;
            }
        }
    }

    const auto& p = skin.PopupWindowData;
    TSheetWindow popup;
    popup.Name = "POPUPWINDOW";
    popup.Look.Picture = p.WindowPictureIndex;
    popup.Look.Mask = p.MaskPictureIndex;
    popup.Look.LT = p.LeftTopPoint;
    popup.Look.RT = p.RightTopPoint;
    popup.Look.LB = p.LeftBottomPoint;
    popup.Look.RB = p.RightBottomPoint;
    popup.Look.Client = p.ItemsRect;
    popup.Look.StretchLeft = p.LeftStretch;
    popup.Look.StretchTop = p.TopStretch;
    popup.Look.StretchRight = p.RightStretch;
    popup.Look.StretchBottom = p.BottomStretch;
    popup.Look.StretchCenter = p.StretchEffect;
    popup.Items = p.ItemsRect;
    m.Windows.push_back(popup);

    const auto& h = skin.HintWindowData;
    TSheetWindow hint;
    hint.Name = "HINTWINDOW";
    hint.Look.Picture = h.WindowPictureIndex;
    hint.Look.Mask = h.MaskPictureIndex;
    hint.Look.LT = h.LeftTopPoint;
    hint.Look.RT = h.RightTopPoint;
    hint.Look.LB = h.LeftBottomPoint;
    hint.Look.RB = h.RightBottomPoint;
    hint.Look.Client = h.ClientRect;
    hint.Look.StretchLeft = h.LeftStretch;
    hint.Look.StretchTop = h.TopStretch;
    hint.Look.StretchRight = h.RightStretch;
    hint.Look.StretchBottom = h.BottomStretch;
    hint.Look.StretchCenter = h.StretchEffect;
    hint.Items = h.ClientRect;
    m.Windows.push_back(hint);

    for (auto* window : {&m.Windows[0], &m.Windows[1]}) {
        int index = window->Look.Picture;
        if (index >= 0 && index < int(m.Pictures.size()))
            window->Look.SkinRect = Rect(0, 0, m.Pictures[std::size_t(index)].Width, m.Pictures[std::size_t(index)].Height);
    }
    KeepDrawableGeometry(m);
    return m;
}
