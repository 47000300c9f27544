#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "client/Json.h"
#include "rules/Messages.h"
#include "rules/Presenter.h"

namespace {

TEST(Messages, EveryIdHasItsOwnText) {
    std::vector<std::string> seen;
    for (int i = 0; i <= static_cast<int>(LastMessageId); ++i) {
        const std::string text = englishSource(static_cast<MessageId>(i));
        EXPECT_FALSE(text.empty()) << i;
        EXPECT_EQ(std::count(seen.begin(), seen.end(), text), 0) << i << ": " << text;
        seen.push_back(text);
    }
}

TEST(Messages, ParametersGoWhereTheTextMarksThem) {
    EXPECT_EQ(englishText({MessageId::PeaceOffer, {"Goths", "5", "12000"}}),
              "Princeps,\r\n\r\nThe Goths are offering peace for 5 years \r\nin exchange for 12000 sesterces.\r\n\r\n"
              "Do you accept their offer?");
    EXPECT_EQ(englishText({MessageId::Overrun, {"Dacia"}}), "Dacia has been overrun");
    // A name is put in as it is, even one that looks like a place.
    EXPECT_EQ(englishText({MessageId::Reconquered, {"%1 and %2"}}), "We have reconquered %1 and %2");
    // A place without its parameter stays visible rather than vanishing.
    EXPECT_EQ(englishText({MessageId::AttackFailed, {}}), "Our attack on %1 failed");
    EXPECT_EQ(englishText({MessageId::Farmers, {"unused"}}), "Farmers");
}

// Front ends that know only text get the English table through the defaults.
class TextOnlyPresenter : public Presenter {
public:
    void tell(const std::string& text) override { shown.push_back("tell " + text); }
    bool askWithLabels(const std::string& text, const std::string& yes, const std::string& no) override {
        shown.push_back("ask " + text + "|" + yes + "|" + no);
        return true;
    }
    void report(const std::string& text) override { shown.push_back("report " + text); }
    void news(const std::string& line) override { shown.push_back("news " + line); }
    std::vector<std::string> shown;
};

TEST(Messages, ThePresenterShowsTheEnglishTextByDefault) {
    TextOnlyPresenter p;
    Presenter& presenter = p;
    presenter.tell({MessageId::PlagueEnded, {}});
    EXPECT_TRUE(presenter.ask({MessageId::BonusDemand, {"10000"}}));
    presenter.askWithLabels({MessageId::SettleTribe, {"Belgica"}}, {MessageId::Farmers, {}}, {MessageId::Soldiers, {}});
    presenter.report({MessageId::SassanidsMassing, {}});
    presenter.news({MessageId::ProvinceRebelled, {"Britannia"}});
    ASSERT_EQ(p.shown.size(), 5u);
    EXPECT_EQ(p.shown[0], "tell Princeps,\r\n\r\nThe plague has finally ended.");
    EXPECT_EQ(p.shown[1], "ask " + englishText({MessageId::BonusDemand, {"10000"}}) + "||");
    EXPECT_EQ(p.shown[2], "ask " + englishText({MessageId::SettleTribe, {"Belgica"}}) + "|Farmers|Soldiers");
    EXPECT_EQ(p.shown[3], "report Princeps,\r\n\r\nThe Sassanids are massing troops across the Tigris River!");
    EXPECT_EQ(p.shown[4], "news Britannia has rebelled");
}

// The worked examples of the terminal protocol hold these lines as the
// protocol printed them before the texts moved into the table.
TEST(Messages, TheProtocolPrintsTheTablesText) {
    std::string examples;
    for (const char* name : {"new-game", "opening", "scenario-260"}) {
        std::ifstream in(std::string(AUROVANE_SOURCE_DIR) + "/tests/cli/examples/" + name + ".transcript",
                         std::ios::binary);
        ASSERT_TRUE(in) << name;
        std::ostringstream text;
        text << in.rdbuf();
        examples += text.str();
    }
    const std::pair<const char*, Message> lines[] = {
        {"tell ", {MessageId::AllMoved, {}}},
        {"ask ", {MessageId::PeaceOffer, {"Franks", "6", "22000"}}},
        {"report ", {MessageId::BarbariansSighted, {"Visigoths"}}},
        {"report ", {MessageId::SassanidsMassing, {}}},
        {"tell ", {MessageId::EndsRebelled, {}}},
        {"tell ", {MessageId::LegionLimitHint, {}}},
    };
    for (const auto& [verb, message] : lines)
        EXPECT_NE(examples.find(verb + jsonString(englishText(message))), std::string::npos) << verb;
}

}  // namespace
