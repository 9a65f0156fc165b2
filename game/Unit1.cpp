#include "game/Unit1.h"

#include "platform/FrameworkClasses.h"
#include "game/portable/GameOptions.h"
#include "skin/controls/SkinControlClasses.h"
#include "platform/portable/Exception.h"

namespace {

constexpr const char* kMissingComponent = "Layout error in Form1: no component ";

template <class T>
void Bind(TComponent& root, T*& field, const char* name) {
    field = dynamic_cast<T*>(root.FindComponent(name));
    if (!field) throw Exception(std::string(kMissingComponent) + name + " of the expected class");
}

}  // namespace

std::uint32_t TPerformanceCounterSeed::ReadSeed() {
    LARGE_INTEGER counter{};
    if (QueryPerformanceCounter(&counter)) return std::uint32_t(counter.QuadPart);
    return std::uint32_t(GetTickCount());
}

void RegisterGameClasses(TClassRegistry& classes) {
    if (classes.Find("TForm1")) return;
    RegisterSkinControlClasses(classes);
    RegisterSkinFormClasses(classes);
    TClassBuilder<TForm1>(classes, "TForm1", "TForm");
    TClassBuilder<TBase64Decoding>(classes, "TBase64Decoding", "TComponent")
        .Creatable()
        .Value("FillChar", [](TBase64Decoding& d, const TLayoutValue& v) {
            const std::string& text = LayoutString(v);
            if (text.size() != 1) throw Exception("expected one character, not " + v.Describe());
            d.SetFillChar(text[0]);
        });
}

TForm1::TForm1(TComponent* AOwner) : TForm(AOwner) {
    RegisterGameClasses(FrameworkClasses());
    ReadLayoutResource(SForm1Layout);
}

TForm1::~TForm1() {
    // The round goes before the controls it writes to.
    FRound.reset();
}

TNotifyEvent TForm1::FindMethod(const std::string& name) {
    if (name == "FormCreate") return [this](TComponent* s) { FormCreate(s); };
    if (name == "bsSkinButton1Click") return [this](TComponent* s) { bsSkinButton1Click(s); };
    if (name == "Timer2Timer") return [this](TComponent* s) { Timer2Timer(s); };
    if (name == "Timer1Timer") return [this](TComponent* s) { Timer1Timer(s); };
    return TForm::FindMethod(name);
}

void TForm1::Loaded() {
    TForm::Loaded();
    Bind(*this, Image1, "Image1");
    Bind(*this, Label5, "Label5");
    Bind(*this, Label6, "Label6");
    Bind(*this, bsSkinGroupBox1, "bsSkinGroupBox1");
    Bind(*this, Label1, "Label1");
    Bind(*this, Label2, "Label2");
    Bind(*this, Label3, "Label3");
    Bind(*this, Label4, "Label4");
    Bind(*this, bsSkinEdit1, "bsSkinEdit1");
    Bind(*this, bsSkinComboBox1, "bsSkinComboBox1");
    Bind(*this, bsSkinComboBox2, "bsSkinComboBox2");
    Bind(*this, bsSkinButton1, "bsSkinButton1");
    Bind(*this, bsSkinStatusBar1, "bsSkinStatusBar1");
    Bind(*this, bsSkinStatusPanel1, "bsSkinStatusPanel1");
    Bind(*this, bsSkinRichEdit1, "bsSkinRichEdit1");
    Bind(*this, bsSkinGauge1, "bsSkinGauge1");
    Bind(*this, Timer1, "Timer1");
    Bind(*this, Timer2, "Timer2");
    Bind(*this, IdDecoderMIME1, "IdDecoderMIME1");
    Bind(*this, bsSkinForm1, "bsSkinForm1");
    Bind(*this, bsSkinData1, "bsSkinData1");
    Bind(*this, bsCompressedStoredSkin1, "bsCompressedStoredSkin1");
}

void TForm1::Notification(TComponent* AComponent, TOperation Operation) {
    TForm::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove) return;
    auto drop = [AComponent](auto*& field) {
        if (field == AComponent) field = nullptr;
    };
    drop(Image1), drop(Label5), drop(Label6), drop(bsSkinGroupBox1), drop(Label1), drop(Label2), drop(Label3);
    drop(Label4), drop(bsSkinEdit1), drop(bsSkinComboBox1), drop(bsSkinComboBox2), drop(bsSkinButton1);
    drop(bsSkinStatusBar1), drop(bsSkinStatusPanel1), drop(bsSkinRichEdit1), drop(bsSkinGauge1);
    drop(Timer1), drop(Timer2), drop(IdDecoderMIME1), drop(bsSkinForm1), drop(bsSkinData1);
    drop(bsCompressedStoredSkin1);
}

std::string TForm1::LoadSkinFile(const std::string& path) {
    TbsCompressedStoredSkin file(nullptr);
    try {
        file.LoadFromCompressedFile(path);
    } catch (const std::exception& e) {
        return SkinFileFailureText(path, e.what());
    }
    try {
        bsSkinData1->LoadCompressedStoredSkin(&file);
        return {};
    } catch (const std::exception& e) {
        // The manager was left empty: the built-in skin comes back.
        const std::string text = SkinFileFailureText(path, e.what());
        bsSkinData1->LoadCompressedStoredSkin(bsCompressedStoredSkin1);
        return text;
    }
}

void TForm1::FormCreate(TComponent*) { FRound = std::make_unique<TRouletteRound>(*this, FRandom); }

void TForm1::bsSkinButton1Click(TComponent*) {
    if (FRound) FRound->Spin();
}

void TForm1::Timer2Timer(TComponent*) {
    if (FRound) FRound->ProgressTick();
}

void TForm1::Timer1Timer(TComponent*) {
    if (FRound) FRound->DecisionTick();
}

std::string TForm1::GetBalanceText() const { return bsSkinEdit1->GetText(); }
void TForm1::SetBalanceText(const std::string& text) { bsSkinEdit1->SetText(text); }
int TForm1::GetStakeIndex() const { return bsSkinComboBox2->GetItemIndex(); }
std::string TForm1::GetNumberText() const { return bsSkinComboBox1->GetText(); }
void TForm1::SetResultText(const std::string& text) { bsSkinRichEdit1->SetText(text); }
void TForm1::SetStatusText(const std::string& text) { bsSkinStatusPanel1->SetCaption(text); }
int TForm1::GetGaugeValue() const { return bsSkinGauge1->GetValue(); }
void TForm1::SetGaugeValue(int value) { bsSkinGauge1->SetValue(value); }
void TForm1::SetSpinEnabled(bool enabled) { bsSkinButton1->SetEnabled(enabled); }
void TForm1::SetProgressTimerOn(bool on) { Timer2->SetEnabled(on); }
void TForm1::SetDecisionTimerOn(bool on) { Timer1->SetEnabled(on); }
void TForm1::ProcessPendingEvents() { Application().ProcessMessages(); }
std::string TForm1::DecodeBase64(const std::string& text) { return IdDecoderMIME1->DecodeString(text); }
