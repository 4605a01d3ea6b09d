// The materials and installation kinds, every text and value, against their published lists.
#include <gtest/gtest.h>

#include <charconv>
#include <string>

#include "model/installation_kinds.h"
#include "model/materials.h"
#include "support/test_support.h"

namespace {

// The shortest text that reads back as the same double.
std::string Number(double value)
{
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

std::string Quoted(const char* text) { return std::string("„") + text + "”"; }
const char* Outline(GrilleOutline outline) { return outline == GrilleOutline::Rectangular ? "sides" : "diameter"; }

}  // namespace

TEST(choice_tables, materials_as_published)
{
    std::string dump;
    for (const Material& m : kMaterials) {
        dump += Number(m.Roughness) + " | " + Quoted(m.Caption) + " | " + Quoted(m.ReportText) + " | " +
                Quoted(m.HtmlText) + "\n";
        EXPECT_EQ(FindMaterial(m.Roughness), &m);
    }
    EXPECT_EQ(CompareWithGolden("model/materials.txt", dump), "");
    EXPECT_EQ(FindMaterial(1.8000000000000003), nullptr) << "compared exactly";
}

TEST(choice_tables, installation_kinds_as_published)
{
    std::string dump;
    for (const InstallationKindRow& k : kInstallationKinds) {
        dump += std::to_string(k.Kind) + " | " + Quoted(k.Caption) + " | report: " + Outline(k.ReportGrille) +
                " | html: " + Outline(k.HtmlGrille) + "\n";
    }
    EXPECT_EQ(CompareWithGolden("model/installation_kinds.txt", dump), "");
    for (int32_t unknown : {0, 6, -1}) {
        EXPECT_EQ(FindInstallationKind(unknown), nullptr);
        EXPECT_EQ(ReportGrilleOf(unknown), GrilleOutline::Round) << unknown;
        EXPECT_EQ(HtmlGrilleOf(unknown), GrilleOutline::Round) << unknown;
    }
}
