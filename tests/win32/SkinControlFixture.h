// A fixture for tests of skinned controls: a skin data manager and a stored
// skin owned by one component, and a form with its window, 300 x 200 in its
// client area; Print paints a control into memory the way a parent's print
// request does.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/Forms.h"
#include "skin/data/SkinData.h"
#include "skin/paint/TbsBitmap.h"
#include "tests/win32/DrawHelpersTestSupport.h"

class TSkinControlFixture : public testing::Test {
protected:
    void SetUp() override {
        Application().Initialize();
        Owner = std::make_unique<TComponent>(nullptr);
        Manager = new TbsSkinData(Owner.get());
        Stored = new TbsCompressedStoredSkin(Owner.get());
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBorderStyle(TFormBorderStyle::bsSingle);
        Form->SetClientWidth(300);
        Form->SetClientHeight(200);
        Form->HandleNeeded();
    }
    void TearDown() override {
        Form.reset();
        Owner.reset();
    }

    // The built-in skin, from its folder, into the manager; Picture is then
    // its controls picture.
    void LoadZevrak() {
        Stored->LoadFromIniFile(std::string(RDZ_SOURCE_DIR) + "/skins/Zevrak/Zevrak.ini");
        Manager->LoadCompressedStoredSkin(Stored);
        ASSERT_FALSE(Manager->GetEmpty());
        Picture.Assign(Manager->GetSkin().FActivePictures.at(kControlsPicture));
    }
    std::uint32_t PicturePixel(int x, int y) const { return *Picture.PixelPtr(x, y); }

    // What the control paints into memory, over a white canvas.
    static void Print(TWinControl& control, TbsBitmap& target) {
        FillCanvas(target, control.GetWidth(), control.GetHeight());
        SendMessageA(control.GetHandle(), WM_PRINTCLIENT, WPARAM(target.DC()), PRF_CLIENT);
        GdiFlush();
    }

    std::unique_ptr<TComponent> Owner;
    TbsSkinData* Manager = nullptr;             // owned by Owner
    TbsCompressedStoredSkin* Stored = nullptr;  // owned by Owner
    std::unique_ptr<TForm> Form;
    TbsBitmap Picture;

    static constexpr std::size_t kControlsPicture = 3;  // the built-in skin's picture of the controls
};
