#include "platform/FrameworkClasses.h"

#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/LayoutProperties.h"
#include "platform/RichEdit.h"
#include "platform/StdCtrls.h"
#include "platform/portable/Colors.h"
#include "platform/portable/Exception.h"
#include "platform/portable/Menus.h"

namespace {

void RegisterControls(TClassRegistry& r) {
    TClassBuilder<TComponent>(r, "TComponent", "");
    TClassBuilder<TControl> control(r, "TControl", "TComponent");
    control.Int("Left", &TControl::SetLeft)
        .Int("Top", &TControl::SetTop)
        .Int("Width", &TControl::SetWidth)
        .Int("Height", &TControl::SetHeight)
        .Enum("Align", &TControl::SetAlign, kAlignNames)
        .Bool("Visible", &TControl::SetVisible)
        .Bool("Enabled", &TControl::SetEnabled)
        .Str("Caption", &TControl::SetCaption)
        .Str("Text", &TControl::SetText)
        .Value("Color", [](TControl& c, const TLayoutValue& v) { c.SetColor(LayoutColor(v)); })
        .Bool("ParentFont", &TControl::SetParentFont)
        .Event("OnClick", &TControl::SetOnClick)
        .Event("OnDblClick", &TControl::SetOnDblClick)
        .Event("OnMouseEnter", &TControl::SetOnMouseEnter)
        .Event("OnMouseLeave", &TControl::SetOnMouseLeave);
    AddFontProperties(control, "Font", [](TControl& c) -> TFont& { return c.Font(); });
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
        .Enum("Style", &TComboBox::SetStyle, kComboStyleNames)
        .Value("Items", [](TComboBox& c, const TLayoutValue& v) { c.SetItems(LayoutStrings(v)); })
        .Int("ItemIndex", &TComboBox::SetItemIndex)
        .Int("DropDownCount", &TComboBox::SetDropDownCount)
        .Bool("Sorted", &TComboBox::SetSorted)
        .Bool("AutoComplete", &TComboBox::SetAutoComplete)
        .Event("OnChange", &TComboBox::SetOnChange);
    TClassBuilder<TButton>(r, "TButton", "TWinControl")
        .Creatable()
        .Bool("Default", &TButton::SetDefault)
        .Bool("Cancel", &TButton::SetCancel);
    TClassBuilder<TGroupBox>(r, "TGroupBox", "TCustomControl").Creatable();
    TClassBuilder<TPanel>(r, "TPanel", "TCustomControl")
        .Creatable()
        .Enum("BorderStyle", &TPanel::SetBorderStyle, kBevelNames)
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
        .Enum("ScrollBars", &TRichEdit::SetScrollBars, kScrollStyleNames)
        .Bool("Transparent", &TRichEdit::SetTransparent)
        .Bool("WantTabs", &TRichEdit::SetWantTabs)
        .Bool("WantReturns", &TRichEdit::SetWantReturns);
    TClassBuilder<TTimer>(r, "TTimer", "TComponent")
        .Creatable()
        .Bool("Enabled", &TTimer::SetEnabled)
        .Value("Interval", [](TTimer& t, const TLayoutValue& v) { t.SetInterval(unsigned(LayoutInteger(v, 0, 0x7FFFFFFF))); })
        .Event("OnTimer", &TTimer::SetOnTimer);
    // Forms are roots: the program makes them, the layout fills them.
    TClassBuilder<TForm>(r, "TForm", "TCustomControl")
        .Int("ClientWidth", &TForm::SetClientWidth)
        .Int("ClientHeight", &TForm::SetClientHeight)
        .Enum("Position", &TForm::SetPosition, kPositionNames)
        .Enum("BorderStyle", &TForm::SetBorderStyle, kFormBorderNames)
        .Value("BorderIcons", [](TForm& f, const TLayoutValue& v) { f.SetBorderIcons(LayoutSet(v, kBorderIconNames)); })
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
        RegisterMenuClasses(registry);
    }
    return registry;
}
