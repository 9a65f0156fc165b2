#include "platform/LayoutProperties.h"

#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/RichEdit.h"
#include "platform/StdCtrls.h"

const TEnumNames kAlignNames = {{"alNone", int(TAlign::alNone)},     {"alTop", int(TAlign::alTop)},
                                {"alBottom", int(TAlign::alBottom)}, {"alLeft", int(TAlign::alLeft)},
                                {"alRight", int(TAlign::alRight)},   {"alClient", int(TAlign::alClient)}};
const TEnumNames kBevelNames = {{"bvNone", int(TBevelStyle::bvNone)},
                                {"bvFrame", int(TBevelStyle::bvFrame)},
                                {"bvLowered", int(TBevelStyle::bvLowered)},
                                {"bvRaised", int(TBevelStyle::bvRaised)}};
const TEnumNames kComboStyleNames = {{"csDropDown", int(TComboBoxStyle::csDropDown)},
                                     {"csDropDownList", int(TComboBoxStyle::csDropDownList)}};
const TEnumNames kScrollStyleNames = {{"ssNone", int(TScrollStyle::ssNone)},
                                      {"ssHorizontal", int(TScrollStyle::ssHorizontal)},
                                      {"ssVertical", int(TScrollStyle::ssVertical)},
                                      {"ssBoth", int(TScrollStyle::ssBoth)}};
const TEnumNames kPositionNames = {{"poDesigned", int(TPosition::poDesigned)},
                                   {"poDefault", int(TPosition::poDefault)},
                                   {"poScreenCenter", int(TPosition::poScreenCenter)}};
const TEnumNames kFormBorderNames = {{"bsNone", int(TFormBorderStyle::bsNone)},
                                     {"bsSingle", int(TFormBorderStyle::bsSingle)},
                                     {"bsSizeable", int(TFormBorderStyle::bsSizeable)},
                                     {"bsDialog", int(TFormBorderStyle::bsDialog)}};
const TEnumNames kBorderIconNames = {{"biSystemMenu", 0}, {"biMinimize", 1}, {"biMaximize", 2}, {"biHelp", 3}};
const TEnumNames kTextAlignmentNames = {{"taLeftJustify", 0}, {"taRightJustify", 1}, {"taCenter", 2}};
