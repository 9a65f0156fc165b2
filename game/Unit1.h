// The table window: the skinned controls and frame of the roulette table,
// created from the stored layout "TFORM1", hosting the round.
//
// The window is the round's view (ITableView): the balance is the read-only
// edit's text, the stake the second selector's item index, the number the
// first selector's text, the status the status panel's caption, the result
// the rich edit's text; the timers
// are Timer2 (progress, 100 ms) and Timer1 (decision, 2600 ms).
#pragma once

#include <memory>
#include <string>

#include "game/portable/Base64.h"
#include "game/portable/RandomGenerator.h"
#include "game/portable/RouletteRound.h"
#include "game/portable/TableView.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/RichEdit.h"
#include "platform/StdCtrls.h"
#include "platform/portable/ClassRegistry.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinComboBox.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinGauge.h"
#include "skin/controls/SkinLabel.h"
#include "skin/controls/SkinPanel.h"
#include "skin/controls/SkinRichEdit.h"
#include "skin/data/SkinData.h"
#include "skin/form/SkinForm.h"

// The layout's Base64 decoder: it carries the fill character; decoding
// uses a fresh decoder of the same kind each time.
class TBase64Decoding : public TComponent {
public:
    explicit TBase64Decoding(TComponent* AOwner) : TComponent(AOwner) {}
    char GetFillChar() const { return FFillChar; }
    void SetFillChar(char value) { FFillChar = value; }
    std::string DecodeString(const std::string& text) const { return TBase64Decoder(FFillChar).DecodeString(text); }

private:
    char FFillChar = '=';
};

// Seeds from the low 32 bits of the performance counter, or the
// milliseconds since the system started where there is no such counter.
class TPerformanceCounterSeed : public ISeedSource {
public:
    std::uint32_t ReadSeed() override;
};

class TForm1 : public TForm, public ITableView {
public:
    // Creates the window's components from the stored layout and runs
    // FormCreate. Raises Exception when the layout cannot be read.
    explicit TForm1(TComponent* AOwner);
    ~TForm1() override;

    // The layout's components, bound by name when it has been loaded; all
    // owned by the form.
    TImage* Image1 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label6 = nullptr;
    TbsSkinGroupBox* bsSkinGroupBox1 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TbsSkinEdit* bsSkinEdit1 = nullptr;
    TbsSkinComboBox* bsSkinComboBox1 = nullptr;
    TbsSkinComboBox* bsSkinComboBox2 = nullptr;
    TbsSkinButton* bsSkinButton1 = nullptr;
    TbsSkinStatusBar* bsSkinStatusBar1 = nullptr;
    TbsSkinStatusPanel* bsSkinStatusPanel1 = nullptr;
    TbsSkinRichEdit* bsSkinRichEdit1 = nullptr;
    TbsSkinGauge* bsSkinGauge1 = nullptr;
    TTimer* Timer1 = nullptr;
    TTimer* Timer2 = nullptr;
    TBase64Decoding* IdDecoderMIME1 = nullptr;
    TbsSkinForm* bsSkinForm1 = nullptr;
    TbsSkinData* bsSkinData1 = nullptr;
    TbsCompressedStoredSkin* bsCompressedStoredSkin1 = nullptr;

    // The window's event handlers, named in the layout.
    void FormCreate(TComponent* Sender);
    void bsSkinButton1Click(TComponent* Sender);
    void Timer2Timer(TComponent* Sender);
    void Timer1Timer(TComponent* Sender);

    TRouletteRound* Round() const { return FRound.get(); }  // nullptr before FormCreate

    // Shows the window in the skin of a ".skn" file instead of the built-in
    // one. Empty on success; otherwise the text to show the player
    // (SkinFileFailureText), and the window keeps (or gets back) the
    // built-in skin.
    std::string LoadSkinFile(const std::string& path);

    // ITableView
    std::string GetBalanceText() const override;
    void SetBalanceText(const std::string& text) override;
    int GetStakeIndex() const override;
    std::string GetNumberText() const override;
    void SetResultText(const std::string& text) override;
    void SetStatusText(const std::string& text) override;
    int GetGaugeValue() const override;
    void SetGaugeValue(int value) override;
    void SetSpinEnabled(bool enabled) override;
    void SetProgressTimerOn(bool on) override;
    void SetDecisionTimerOn(bool on) override;
    void ProcessPendingEvents() override;
    std::string DecodeBase64(const std::string& text) override;

protected:
    TNotifyEvent FindMethod(const std::string& name) override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TPerformanceCounterSeed FSeedSource;
    TSeededGenerator FRandom{FSeedSource};
    std::unique_ptr<TRouletteRound> FRound;
};

// The name of the stored layout resource of TForm1.
inline constexpr const char* SForm1Layout = "TFORM1";

// Adds TForm1 and the game's own components to the framework's classes.
void RegisterGameClasses(TClassRegistry& classes);
