// The system's rich text control, loaded from its library on first use.
#pragma once

#include "platform/Controls.h"

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TRichEdit : public TWinControl {
public:
    explicit TRichEdit(TComponent* AOwner);
    bool GetReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    TScrollStyle GetScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool value) { FTransparent = value; }
    // Whether Tab and Enter stay in the text; without them the form moves the
    // focus on Tab and lets the default button take Enter.
    bool GetWantTabs() const { return FWantTabs; }
    void SetWantTabs(bool value) { FWantTabs = value; }
    bool GetWantReturns() const { return FWantReturns; }
    void SetWantReturns(bool value) { FWantReturns = value; }

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void ColorChanged() override;
    LRESULT OnGetDlgCode(WPARAM key, MSG* msg) override;

private:
    bool FReadOnly = false;
    TScrollStyle FScrollBars = TScrollStyle::ssNone;
    bool FTransparent = false;  // stored; the plain control paints its background
    bool FWantTabs = false;
    bool FWantReturns = true;
};
