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

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void ColorChanged() override;

private:
    bool FReadOnly = false;
    TScrollStyle FScrollBars = TScrollStyle::ssNone;
    bool FTransparent = false;  // stored; the plain control paints its background
};
