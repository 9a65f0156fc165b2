// The texts component: lookup by name, its character set, and its layout
// form read and written back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/portable/ClassRegistry.h"
#include "platform/portable/Exception.h"
#include "platform/portable/LayoutReader.h"
#include "platform/portable/LayoutText.h"
#include "platform/portable/LayoutWriter.h"
#include "skin/data/portable/ResourceStrData.h"

namespace {

const TClassRegistry& TextClasses() {
    static TClassRegistry registry;
    static bool done = false;
    if (!done) {
        done = true;
        TClassBuilder<TComponent>(registry, "TComponent", "");
        RegisterResourceStrDataClass(registry);
    }
    return registry;
}

std::string ReadTexts(TComponent& root, const std::string& text) {
    try {
        ReadLayout(root, ParseLayoutText(text, nullptr), TextClasses());
    } catch (const Exception& e) {
        return e.what();
    }
    return {};
}

TbsResourceStrData* Texts(TComponent& root) {
    return dynamic_cast<TbsResourceStrData*>(root.FindComponent("texts"));
}

TEST(ResourceStrData, TextsAreFoundByNameUpToTheFirstEqualsSign) {
    TbsResourceStrData texts(nullptr);
    EXPECT_EQ(texts.GetResStr("MI_CLOSE"), "");
    texts.SetResStrings({"no equals sign here", "MI_CLOSE=Kapat", "EQUATION=a=b", "EMPTY=", "mi_close=second",
                         "=nameless"});
    EXPECT_EQ(texts.GetResStr("MI_CLOSE"), "Kapat");
    EXPECT_EQ(texts.GetResStr("mi_Close"), "Kapat");  // letter case ignored, first line wins
    EXPECT_EQ(texts.GetResStr("EQUATION"), "a=b");
    EXPECT_EQ(texts.GetResStr("EMPTY"), "");
    EXPECT_EQ(texts.GetResStr("no equals sign here"), "");
    EXPECT_EQ(texts.GetResStr("MI_CLOS"), "");
    EXPECT_EQ(texts.GetResStr(""), "nameless");
}

TEST(ResourceStrData, CharSetIsAByteDefaultingToTheDefaultCharSet) {
    TbsResourceStrData texts(nullptr);
    EXPECT_EQ(texts.GetCharSet(), DefaultFontCharSet);
    texts.SetCharSet(162);
    EXPECT_EQ(texts.GetCharSet(), 162);
    EXPECT_THROW(texts.SetCharSet(256), Exception);
    EXPECT_THROW(texts.SetCharSet(-1), Exception);
    EXPECT_EQ(texts.GetCharSet(), 162);
    texts.SetCharSet(0);
    EXPECT_EQ(texts.GetCharSet(), 0);
}

TEST(ResourceStrData, LayoutTakesTextsWithAnyBytesAndCharSetAsNumberOrIdentifier) {
    TComponent root(nullptr);
    ASSERT_EQ(ReadTexts(root, R"(Form1: TComponent {
        texts: TbsResourceStrData {
          ResStrings = ("MI_CLOSE=\"Kapat\"", "PATH=C:\\skins\\", "TR=\xc7ikis \xfe", "TAB=a\tb")
          CharSet = TURKISH_CHARSET
        }
        numbered: TbsResourceStrData { CharSet = 204 }
      })"),
              "");
    ASSERT_NE(Texts(root), nullptr);
    EXPECT_EQ(Texts(root)->GetResStr("MI_CLOSE"), "\"Kapat\"");
    EXPECT_EQ(Texts(root)->GetResStr("PATH"), "C:\\skins\\");
    EXPECT_EQ(Texts(root)->GetResStr("TR"), "\xC7ikis \xFE");
    EXPECT_EQ(Texts(root)->GetResStr("TAB"), "a\tb");
    EXPECT_EQ(Texts(root)->GetCharSet(), 162);
    EXPECT_EQ(dynamic_cast<TbsResourceStrData*>(root.FindComponent("numbered"))->GetCharSet(), 204);

    // Written back: the same lines byte for byte, the character set by name
    // where it has one and by number where not.
    Texts(root)->SetResStrings({"ALL=" + std::string("\x01\x7f\x80\xff\"\\\n\r\0z", 10), "PLAIN=x"});
    dynamic_cast<TbsResourceStrData*>(root.FindComponent("numbered"))->SetCharSet(3);
    const std::string text = WriteLayoutText(root, TextClasses());
    EXPECT_NE(text.find("CharSet = TURKISH_CHARSET"), std::string::npos) << text;
    EXPECT_NE(text.find("CharSet = 3"), std::string::npos) << text;
    TComponent copy(nullptr);
    ASSERT_EQ(ReadTexts(copy, text), "") << text;
    EXPECT_EQ(Texts(copy)->GetResStrings(), Texts(root)->GetResStrings());
    EXPECT_EQ(Texts(copy)->GetCharSet(), 162);
    EXPECT_EQ(dynamic_cast<TbsResourceStrData*>(copy.FindComponent("numbered"))->GetCharSet(), 3);
}

TEST(ResourceStrData, LayoutRefusesCharSetsOutsideAByteAndUnknownNamesNamingTheLine) {
    const char* const refused[] = {"CharSet = 256", "CharSet = -1", "CharSet = KLINGON_CHARSET", "CharSet = \"1\"",
                                   "ResStrings = \"A=b\""};
    for (const char* line : refused) {
        TComponent root(nullptr);
        const std::string error = ReadTexts(root, std::string("Form1: TComponent {\n  texts: TbsResourceStrData {\n    ") +
                                                      line + "\n  }\n}\n");
        EXPECT_NE(error.find("Form1.texts (TbsResourceStrData), property"), std::string::npos) << line << ": " << error;
        EXPECT_NE(error.find("line 3"), std::string::npos) << line << ": " << error;
    }
}

}  // namespace
