#include "platform/FrameworkClasses.h"

#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/RichEdit.h"
#include "platform/StdCtrls.h"
#include "platform/portable/Colors.h"
#include "platform/portable/Exception.h"

namespace {

TColor LayoutColor(const TLayoutValue& v) {
    if (v.Kind == TLayoutValue::TKind::Ident) {
        TColor c = 0;
        if (ColorFromName(v.Text, c)) return c;
        throw Exception("unknown colour " + v.Text);
    }
    return TColor(LayoutInteger(v, 0, 0xFFFFFFFFll));
}

int LayoutCharset(const TLayoutValue& v) {
    if (v.Kind == TLayoutValue::TKind::Ident) {
        static const TEnumNames kCharsets = {{"DEFAULT_CHARSET", DEFAULT_CHARSET}, {"ANSI_CHARSET", ANSI_CHARSET},
                                             {"TURKISH_CHARSET", TURKISH_CHARSET}, {"SYMBOL_CHARSET", SYMBOL_CHARSET}};
        return LayoutEnum(v, kCharsets);
    }
    return int(LayoutInteger(v, 0, 255));
}

const TEnumNames kFontStyles = {{"fsBold", 0}, {"fsItalic", 1}, {"fsUnderline", 2}, {"fsStrikeOut", 3}};
const TEnumNames kAligns = {{"alNone", int(TAlign::alNone)}, {"alTop", int(TAlign::alTop)},
                            {"alBottom", int(TAlign::alBottom)}, {"alLeft", int(TAlign::alLeft)},
                            {"alRight", int(TAlign::alRight)}, {"alClient", int(TAlign::alClient)}};
const TEnumNames kBevels = {{"bvNone", int(TBevelStyle::bvNone)}, {"bvFrame", int(TBevelStyle::bvFrame)},
                            {"bvLowered", int(TBevelStyle::bvLowered)}, {"bvRaised", int(TBevelStyle::bvRaised)}};
const TEnumNames kComboStyles = {{"csDropDown", int(TComboBoxStyle::csDropDown)},
                                 {"csDropDownList", int(TComboBoxStyle::csDropDownList)}};
const TEnumNames kScrollStyles = {{"ssNone", int(TScrollStyle::ssNone)}, {"ssHorizontal", int(TScrollStyle::ssHorizontal)},
                                  {"ssVertical", int(TScrollStyle::ssVertical)}, {"ssBoth", int(TScrollStyle::ssBoth)}};
const TEnumNames kPositions = {{"poDesigned", int(TPosition::poDesigned)}, {"poDefault", int(TPosition::poDefault)},
                               {"poScreenCenter", int(TPosition::poScreenCenter)}};
const TEnumNames kFormBorders = {{"bsNone", int(TFormBorderStyle::bsNone)}, {"bsSingle", int(TFormBorderStyle::bsSingle)},
                                 {"bsSizeable", int(TFormBorderStyle::bsSizeable)},
                                 {"bsDialog", int(TFormBorderStyle::bsDialog)}};
// Bit numbers of TBorderIcon.
const TEnumNames kBorderIcons = {{"biSystemMenu", 0}, {"biMinimize", 1}, {"biMaximize", 2}, {"biHelp", 3}};

void RegisterControls(TClassRegistry& r) {
    TClassBuilder<TComponent>(r, "TComponent", "");
    TClassBuilder<TControl>(r, "TControl", "TComponent")
        .Int("Left", &TControl::SetLeft)
        .Int("Top", &TControl::SetTop)
        .Int("Width", &TControl::SetWidth)
        .Int("Height", &TControl::SetHeight)
        .Enum("Align", &TControl::SetAlign, kAligns)
        .Bool("Visible", &TControl::SetVisible)
        .Bool("Enabled", &TControl::SetEnabled)
        .Str("Caption", &TControl::SetCaption)
        .Str("Text", &TControl::SetText)
        .Value("Color", [](TControl& c, const TLayoutValue& v) { c.SetColor(LayoutColor(v)); })
        .Bool("ParentFont", &TControl::SetParentFont)
        .Value("Font.Name", [](TControl& c, const TLayoutValue& v) { c.Font().SetName(LayoutString(v)); })
        .Value("Font.Height", [](TControl& c, const TLayoutValue& v) { c.Font().SetHeight(LayoutInt(v)); })
        .Value("Font.Size", [](TControl& c, const TLayoutValue& v) { c.Font().SetSize(LayoutInt(v)); })
        .Value("Font.Color", [](TControl& c, const TLayoutValue& v) { c.Font().SetColor(LayoutColor(v)); })
        .Value("Font.Style", [](TControl& c, const TLayoutValue& v) { c.Font().SetStyle(LayoutSet(v, kFontStyles)); })
        .Value("Font.Charset", [](TControl& c, const TLayoutValue& v) { c.Font().SetCharset(LayoutCharset(v)); })
        .Event("OnClick", &TControl::SetOnClick)
        .Event("OnMouseEnter", &TControl::SetOnMouseEnter)
        .Event("OnMouseLeave", &TControl::SetOnMouseLeave);
    TClassBuilder<TGraphicControl>(r, "TGraphicControl", "TControl");
    TClassBuilder<TWinControl>(r, "TWinControl", "TControl")
        .Int("TabOrder", &TWinControl::SetTabOrder)
        .Bool("TabStop", &TWinControl::SetTabStop);
    TClassBuilder<TCustomControl>(r, "TCustomControl", "TWinControl");

    TClassBuilder<TLabel>(r, "TLabel", "TGraphicControl").Creatable().Bool("Transparent", &TLabel::SetTransparent);
    TClassBuilder<TImage>(r, "TImage", "TGraphicControl").Creatable().Value(
        "Picture.Data", [](TImage& c, const TLayoutValue& v) { c.SetPictureData(LayoutBinary(v)); });
    TClassBuilder<TEdit>(r, "TEdit", "TWinControl")
        .Creatable()
        .Bool("ReadOnly", &TEdit::SetReadOnly)
        .Event("OnChange", &TEdit::SetOnChange);
    TClassBuilder<TComboBox>(r, "TComboBox", "TWinControl")
        .Creatable()
        .Enum("Style", &TComboBox::SetStyle, kComboStyles)
        .Value("Items", [](TComboBox& c, const TLayoutValue& v) { c.SetItems(LayoutStrings(v)); })
        .Int("ItemIndex", &TComboBox::SetItemIndex)
        .Int("DropDownCount", &TComboBox::SetDropDownCount)
        .Bool("Sorted", &TComboBox::SetSorted)
        .Bool("AutoComplete", &TComboBox::SetAutoComplete)
        .Event("OnChange", &TComboBox::SetOnChange);
    TClassBuilder<TButton>(r, "TButton", "TWinControl").Creatable();
    TClassBuilder<TGroupBox>(r, "TGroupBox", "TCustomControl").Creatable();
    TClassBuilder<TPanel>(r, "TPanel", "TCustomControl")
        .Creatable()
        .Enum("BorderStyle", &TPanel::SetBorderStyle, kBevels)
        .Bool("ShowCaption", &TPanel::SetShowCaption);
    TClassBuilder<TStatusBar>(r, "TStatusBar", "TPanel").Creatable().Bool("SizeGrip", &TStatusBar::SetSizeGrip);
    TClassBuilder<TStatusPanel>(r, "TStatusPanel", "TPanel").Creatable().Bool("AutoSize", &TStatusPanel::SetAutoSize);
    TClassBuilder<TGauge>(r, "TGauge", "TCustomControl")
        .Creatable()
        .Int("MinValue", &TGauge::SetMinValue)
        .Int("MaxValue", &TGauge::SetMaxValue)
        .Int("Value", &TGauge::SetValue)
        .Bool("Vertical", &TGauge::SetVertical)
        .Bool("ShowProgressText", &TGauge::SetShowProgressText)
        .Bool("ShowPercent", &TGauge::SetShowPercent)
        .Int("ProgressAnimationPause", &TGauge::SetProgressAnimationPause);
    TClassBuilder<TRichEdit>(r, "TRichEdit", "TWinControl")
        .Creatable()
        .Bool("ReadOnly", &TRichEdit::SetReadOnly)
        .Enum("ScrollBars", &TRichEdit::SetScrollBars, kScrollStyles)
        .Bool("Transparent", &TRichEdit::SetTransparent);
    TClassBuilder<TTimer>(r, "TTimer", "TComponent")
        .Creatable()
        .Bool("Enabled", &TTimer::SetEnabled)
        .Value("Interval", [](TTimer& t, const TLayoutValue& v) { t.SetInterval(unsigned(LayoutInteger(v, 0, 0x7FFFFFFF))); })
        .Event("OnTimer", &TTimer::SetOnTimer);
    // Forms are roots: the program makes them, the layout fills them.
    TClassBuilder<TForm>(r, "TForm", "TCustomControl")
        .Int("ClientWidth", &TForm::SetClientWidth)
        .Int("ClientHeight", &TForm::SetClientHeight)
        .Enum("Position", &TForm::SetPosition, kPositions)
        .Enum("BorderStyle", &TForm::SetBorderStyle, kFormBorders)
        .Value("BorderIcons", [](TForm& f, const TLayoutValue& v) { f.SetBorderIcons(LayoutSet(v, kBorderIcons)); })
        .Ignored("PixelsPerInch")  // 96: the layout's pixels are screen pixels
        .Ignored("TextHeight")
        .Value("OldCreateOrder",
               [](TForm&, const TLayoutValue& v) {
                   if (LayoutBool(v)) throw Exception("OnCreate always runs after the layout is loaded");
               })
        .Event("OnCreate", &TForm::SetOnCreate)
        .Event("OnDestroy", &TForm::SetOnDestroy);
}

}  // namespace

TClassRegistry& FrameworkClasses() {
    static TClassRegistry registry;
    static bool registered = false;
    if (!registered) {
        registered = true;
        RegisterControls(registry);
    }
    return registry;
}
