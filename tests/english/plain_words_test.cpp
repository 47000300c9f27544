// What a person reads: corrected English and plain paragraphs at a terminal,
// while scripts keep the rules' words letter for letter.
#include <cstdio>
#include <sstream>

#include <unistd.h>

#include <gtest/gtest.h>

#include "cli/PlainEnglish.h"
#include "cli/Session.h"
#include "cli/TerminalWords.h"
#include "client/PlaySession.h"
#include "engine/Game.h"
#include "english/CorrectedEnglish.h"

TEST(CorrectedEnglish, MendsTheRulesWordsAndLeavesGoodOnesAlone) {
    EXPECT_EQ(correctedEnglish("Princeps,\r\n\r\nThe Visigoth king Aleric is marching on Rome!"),
              "Princeps,\r\n\r\nThe Visigoth king Alaric is marching on Rome!");
    EXPECT_EQ(correctedEnglish("The empire has been hit by a plague!  This is will\r\nreduce tax revenue"),
              "The empire has been hit by a plague!  This will\r\nreduce tax revenue");
    EXPECT_EQ(correctedEnglish("Marcommani territory (hostile)"), "Marcomanni territory (hostile)");
    EXPECT_EQ(correctedEnglish("The North african legions have rebelled!"), "The North African legions have rebelled!");
    // Sums read like the farmers' 5,000, whichever digits the rules wrote.
    EXPECT_EQ(correctedEnglish("in exchange for 16000 sesterces. A bonus of 120500 sesterces, 5,000 sesterces, "
                               "900 sesterces"),
              "in exchange for 16,000 sesterces. A bonus of 120,500 sesterces, 5,000 sesterces, 900 sesterces");
    const std::string good = "Princeps,\r\n\r\nThe Saxons are preparing to attack Britannia!";
    EXPECT_EQ(correctedEnglish(good), good);
    EXPECT_EQ(groupedThousands(-1234567), "-1,234,567");
    EXPECT_EQ(groupedThousands(0), "0");
}

TEST(PlainEnglish, ParagraphsAreRefilledToTheTerminalsWidth) {
    const std::string text =
        "Princeps,\r\n\r\nAll the units in the province have already moved.\r\nNotice how the legion icon appears "
        "grayed out.  You will be\r\nable to move grayed out legions again next turn.";
    const std::string plain = plainParagraphs(text, 30);
    EXPECT_EQ(plain,
              "Princeps,\n"
              "\n"
              "All the units in the province\n"
              "have already moved. They can\n"
              "take new orders next turn.\n");
    // A word longer than the line stands alone rather than being cut.
    EXPECT_EQ(wrapped("a Constantinopolitanorumque b", 20, 2), "  a\n  Constantinopolitanorumque\n  b\n");
    // The English catalogue's plural forms count as the terminal always has.
    EXPECT_EQ(TerminalWords("en").counted("%n legion(s)", 1), "1 legion");
    EXPECT_EQ(TerminalWords("en").counted("%n plague(s)", 0), "0 plagues");
}

namespace {

std::string play(bool plain, const std::string& orders) {
    PlaySession game(42);
    std::istringstream in(orders);
    std::ostringstream out;
    Session::Options options{std::string("y"), plain, 80};
    Session(game, in, out, options).run();
    return out.str();
}

}  // namespace

TEST(PlainEnglish, ThePersonReadsCorrectedWordsTheScriptTheRulesOwn) {
    const std::string orders = "scenario 410\nend\nend\nquit\nend\n";
    const std::string protocol = play(false, orders);
    EXPECT_NE(protocol.find("tell \"Princeps,\\r\\n\\r\\nThe Visigoth king Aleric is marching on Rome!\""),
              std::string::npos);
    EXPECT_NE(protocol.find("Tigris River"), std::string::npos);
    // quit ends a script too, with the protocol's own line.
    EXPECT_EQ(protocol.substr(protocol.size() - 5), "quit\n");

    const std::string person = play(true, orders);
    EXPECT_NE(person.find("The Visigoth king Alaric is marching on Rome!"), std::string::npos);
    EXPECT_EQ(person.find("Aleric"), std::string::npos);
    EXPECT_NE(person.find("across the Tigris river!"), std::string::npos);
    EXPECT_EQ(person.substr(person.size() - 16), "Vale, Princeps.\n");
}

TEST(PlainEnglish, EveryOrderSaysWhatBecameOfIt) {
    const std::string person = play(true,
                                    "drop Italia Raetia\n"
                                    "drop Italia Italia\n"
                                    "drop Italia Britannia\n"
                                    "drop Dacia Thracia\n"
                                    "drop Syria Mesopotamia\n"
                                    "dropat Italia 5 5\n"
                                    "dropat Italia 260 210\n"
                                    "dropat Dacia 250 160\n"
                                    "dropat Italia 250 160\n"
                                    "map\n");
    // In the words the window and the page use.
    EXPECT_NE(person.find("> A legion moved from Italia to Raetia.\n"), std::string::npos);
    EXPECT_NE(person.find("> No order: the legions already stand in Italia. Choose another province.\n"),
              std::string::npos);
    EXPECT_NE(person.find("> A legion marches from Italia to Britannia.\n"), std::string::npos);
    EXPECT_NE(person.find("> No order: no Roman legion in Dacia can go.\n"), std::string::npos);
    EXPECT_NE(person.find("Roman troops will not cross it"), std::string::npos);
    // A drop at a map point says the same, or why the mouse gave no order.
    EXPECT_NE(person.find("> No order: there is no province there. Drop the legion on a province.\n"),
              std::string::npos);
    EXPECT_NE(person.find("> No order: the legions already stand in Italia. Choose another province.\n"
                          "235 AD > No order: no Roman legion in Dacia can go.\n"
                          "235 AD > A legion moved from Italia to Raetia.\n"),
              std::string::npos);
    EXPECT_EQ(person.find("Nothing happened"), std::string::npos);
    // Counts agree with their nouns; each province names its neighbours.
    EXPECT_NE(person.find("1 Roman legion (1 ready)"), std::string::npos);
    EXPECT_NE(person.find("3 Roman legions (0 ready)"), std::string::npos);
    EXPECT_NE(person.find("    next to Palestina, Armenia, Mesopotamia, Lydia, Cappadocia\n"), std::string::npos);
}

TEST(PlainEnglish, EveryLineFitsTheTerminalAndEveryRefusalSaysWhatWasWrong) {
    const std::string orders =
        "help\nmap\nskill 7\ndrop Italy Raetia\ndrop Pannonai Italia\nload /no/such/folder/rome.avn\n"
        "\x1b[4~\n\x1b[A\x1bOP\ndrop Italia\nend\nend\nend\nend\nstatus\nquit\n";
    for (int width : {40, 80}) {
        PlaySession game(5);
        std::istringstream in(orders);
        std::ostringstream out;
        Session(game, in, out, {std::string("y"), true, width}).run();
        const std::string person = out.str();
        std::istringstream lines(person);
        for (std::string line; std::getline(lines, line);) {
            // Input is not echoed here: what follows a prompt starts a line at a terminal.
            while (line.find(" AD > ") != std::string::npos) line.erase(0, line.find(" AD > ") + 6);
            EXPECT_LE(line.size(), static_cast<std::size_t>(width)) << line;
        }
        // The same words at every width, read as one text.
        std::string text;
        for (std::size_t i = 0; i < person.size(); ++i) {
            if (person[i] != '\n') {
                text += person[i];
                continue;
            }
            text += ' ';
            while (i + 1 < person.size() && person[i + 1] == ' ') ++i;
        }
        EXPECT_EQ(text.find("!."), std::string::npos);
        EXPECT_NE(text.find("News: The Sassanids have crossed the Tigris! "), std::string::npos);
        EXPECT_NE(text.find("There is no skill level 7: type skill 0 (easy), 1 (normal) or 2 (hard)."),
                  std::string::npos);
        EXPECT_NE(text.find("no province called Italy; did you mean Italia?"), std::string::npos);
        EXPECT_NE(text.find("no province called Pannonai; did you mean Pannonia?"), std::string::npos);
        EXPECT_NE(text.find("could not load \"/no/such/folder/rome.avn\": there is no such file."), std::string::npos);
        EXPECT_NE(text.find("Incomplete order: type drop FROM TO."), std::string::npos);
        // Keys a terminal sends as sequences are neither echoed nor taken for orders.
        EXPECT_EQ(text.find("[4~"), std::string::npos);
        EXPECT_EQ(text.find("Unknown order"), std::string::npos);
        // Each battle of the year's end is told with its winner.
        EXPECT_NE(text.find("Battles as the year ended: Syria: we won and threw back the Sassanids. "
                            "Syria: the Sassanids won and took it from us."),
                  std::string::npos);
    }
}

TEST(PlainEnglish, ALoadedScenarioOpensWithItsTitleAndBriefing) {
    const std::string file = testing::TempDir() + "aurovane-briefing-" + std::to_string(::getpid()) + ".avn";
    {
        PlaySession designer(3);
        designer.game().scenarioTitle = "The Rhine, 250 AD";
        designer.game().scenarioBriefing = "Dear students,\n\nHold the Rhine.";
        ASSERT_TRUE(designer.game().saveToFile(file).ok);
    }
    const std::string person = play(true, "load " + file + "\nquit\n");
    EXPECT_NE(person.find("\nThe Rhine, 250 AD\n\nDear students,\n\nHold the Rhine.\n"), std::string::npos) << person;
    // A script's transcript stays as it was: nothing for a load that worked.
    EXPECT_EQ(play(false, "load " + file + "\nquit\n"), "quit\n");
    std::remove(file.c_str());
}
