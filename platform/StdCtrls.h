// The plain standard controls: label, edit, combo box, push button and
// group box. The edit, combo box and button are the system's own controls
// (superclassed, so they share the framework's window procedure).
#pragma once

#include <string>
#include <vector>

#include "platform/Controls.h"

// Text drawn on its parent, in the parent's font unless told otherwise.
// The text is not cut at the label's width: where the system's font is
// wider than the one the layout was measured with, it runs on to the right
// within the parent.
class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* AOwner);
    void Paint(TCanvas& canvas) override;
    TRect GetPaintRect() const override;
    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool value);

private:
    bool FTransparent = true;
};

// A single-line edit. When read-only its text changes only through SetText:
// typing, pasting (Ctrl+V, Shift+Insert, the context menu), cutting, undo
// and clearing leave it as it is.
class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* AOwner);
    bool GetReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    void SetText(const std::string& value) override;
    void SetOnChange(TNotifyEvent value) { FOnChange = std::move(value); }

protected:
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WORD notifyCode) override;

private:
    bool FReadOnly = false;
    bool FWritingText = false;  // SetText is putting the text in
    TNotifyEvent FOnChange;
};

enum class TComboBoxStyle { csDropDown, csDropDownList };

class TComboBox : public TWinControl {
public:
    explicit TComboBox(TComponent* AOwner);

    TComboBoxStyle GetStyle() const { return FStyle; }
    void SetStyle(TComboBoxStyle value);
    const std::vector<std::string>& GetItems() const { return FItems; }
    void SetItems(const std::vector<std::string>& value);
    // -1: nothing selected
    int GetItemIndex() const;
    void SetItemIndex(int value);
    int GetDropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int value);
    bool GetSorted() const { return FSorted; }
    void SetSorted(bool value);
    bool GetAutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(bool value) { FAutoComplete = value; }
    // The selected item's text in the list style.
    std::string GetText() const override;
    void SetOnChange(TNotifyEvent value) { FOnChange = std::move(value); }

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void SaveWndState() override;
    void BoundsChanged() override;
    void OnCommand(WORD notifyCode) override;

private:
    int DroppedHeight() const;  // window height including the dropped list, pixels
    void FillItems();

    TComboBoxStyle FStyle = TComboBoxStyle::csDropDown;
    std::vector<std::string> FItems;
    int FItemIndex = -1;
    int FDropDownCount = 8;
    bool FSorted = false;
    bool FAutoComplete = true;
    TNotifyEvent FOnChange;
};

// A push button. Enter has one owner: a focused button takes Enter itself
// and clicks; with the focus elsewhere the form's dialog-key step clicks
// the Default button, and Escape the Cancel button. Its caption's
// accelerator ("&Spin") focuses and clicks it.
class TButton : public TWinControl {
public:
    explicit TButton(TComponent* AOwner);

    bool GetDefault() const { return FDefault; }
    void SetDefault(bool value);
    bool GetCancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }

    bool DialogKey(WORD key, unsigned shift) override;
    bool DialogChar(char ch) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void OnCommand(WORD notifyCode) override;
    LRESULT OnGetDlgCode(WPARAM key, MSG* msg) override;
    bool OnKeyDown(WORD key, unsigned shift) override;

private:
    bool FDefault = false;
    bool FCancel = false;
};

// A frame with a caption around other controls.
class TGroupBox : public TCustomControl {
public:
    explicit TGroupBox(TComponent* AOwner);

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint(TCanvas& canvas) override;
    void TextChanged() override { Invalidate(); }
};
