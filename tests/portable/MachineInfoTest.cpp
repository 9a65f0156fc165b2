#include "bench/common/MachineInfo.h"

#include <gtest/gtest.h>

// Figures are only comparable with the machine beside them: the model must
// come from the first processor's own line, whatever the architecture
// writes, with the brand string's padding gone.
TEST(MachineInfo, TheFirstProcessorsModelIsReadFromCpuinfo) {
    struct TCase {
        const char* Text;
        const char* Model;
    };
    const TCase cases[] = {
        {"processor\t: 0\nvendor_id\t: AuthenticAMD\nmodel\t\t: 1\nmodel name\t: AMD EPYC 7B13\nflags\t: fpu\n"
         "processor\t: 1\nmodel name\t: another one\n",
         "AMD EPYC 7B13"},
        // "model" alone is a number, never the name; padding collapses.
        {"model\t\t: 85\nmodel name\t: Intel(R) Xeon(R) CPU      @ 2.20GHz  \n", "Intel(R) Xeon(R) CPU @ 2.20GHz"},
        // Other architectures name it otherwise; an empty value is no name.
        {"model name\t:\nProcessor\t: ARMv7 Processor rev 4 (v7l)\n", "ARMv7 Processor rev 4 (v7l)"},
        {"cpu model\t\t: Loongson-3A", "Loongson-3A"},
        {"processor\t: 0\nBogoMIPS\t: 50.00\n", ""},
        {"", ""},
        {"model name AMD without a colon\n", ""},
    };
    for (const TCase& c : cases) EXPECT_EQ(ProcessorModelFromCpuinfo(c.Text), c.Model) << c.Text;
}

TEST(MachineInfo, TheProcessorIsNamedAndWineOnlyUnderWine) {
#ifdef _WIN32
    EXPECT_FALSE(WineVersion().empty());  // a version under wine, "none" on Windows
#else
    EXPECT_EQ(WineVersion(), "none");
#endif
    const std::string model = ProcessorModel();
    EXPECT_FALSE(model.empty());
    EXPECT_EQ(model, CollapseSpaces(model));
}
