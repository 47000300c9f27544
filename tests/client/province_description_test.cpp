// A province told in words holds every fact the map shows of it.
#include <string>

#include "client/ProvinceDescription.h"
#include "rules/World.h"
#include "tests/support/TestGame.h"

namespace {

class ProvinceDescriptionTest : public EmptyMapTest {
protected:
    std::string told(const char* name) { return englishDescription(provinceDescription(game(), P(name))); }
};

TEST_F(ProvinceDescriptionTest, TellsHolderLegionsTaxAttributesAndWhereALegionMayMarch) {
    give(romans(), {"Raetia"});
    station(romans(), "Raetia", 3);
    ASSERT_TRUE(setLegionRoute(game(), P("Raetia"), names({"Raetia", "Belgica"}), romans()));
    const Province& raetia = P("Raetia");
    std::string expected = "Raetia. Held by Rome. Roman legions: 2 ready of 3. Tax value: " +
                           std::to_string(raetia.taxValue) + " of 4.";
    EXPECT_EQ(told("Raetia").rfind(expected, 0), 0u) << told("Raetia");
    for (int i = 0; i < raetia.neighbourCount; ++i)
        EXPECT_NE(told("Raetia").find(raetia.neighbours[std::size_t(i)]->name()), std::string::npos);

    give(tribes(), {"Belgica"});
    station(tribes(), "Belgica", 4);
    EXPECT_NE(told("Belgica").find("Held by the barbarians. Barbarian legions: 4."), std::string::npos);
    give(rebels(), {"Britannia"});
    EXPECT_NE(told("Britannia").find("Held by the rebels. No legions."), std::string::npos);
}

TEST_F(ProvinceDescriptionTest, FreeFrontierLandIsToldApartFromTheRebelsAndPaysNoTax) {
    const std::string sarmatia = told("Sarmatia");
    EXPECT_NE(sarmatia.find("Free land, held by no one."), std::string::npos);
    EXPECT_NE(sarmatia.find("No tax."), std::string::npos);
    EXPECT_EQ(sarmatia.find("Tax value"), std::string::npos);
}

}  // namespace
