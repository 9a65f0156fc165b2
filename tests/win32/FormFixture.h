// A fixture for tests of controls on a real form: a 300 x 200 client area
// with a single border, made for each test and destroyed after it.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/Forms.h"

class TFormFixture : public testing::Test {
protected:
    void SetUp() override {
        Application().Initialize();
        Application().ResetTerminated();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBorderStyle(TFormBorderStyle::bsSingle);
        Form->SetClientWidth(300);
        Form->SetClientHeight(200);
    }
    void TearDown() override {
        Form.reset();
        Application().ResetTerminated();
    }

    // A control of the form, placed on parent at bounds.
    template <class T>
    T* Add(TWinControl* parent, const TRect& bounds) {
        auto* c = new T(Form.get());
        c->SetParent(parent);
        c->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        return c;
    }

    std::unique_ptr<TForm> Form;
};
