// The plain catalogue reader: a file from anywhere, so a broken one is refused
// whole with its reason and English stays; a good one translates by context
// and source, counts in the language's plural forms and fills forms.
#include <gtest/gtest.h>
#include <string>

#include "client/Catalogue.h"
#include "client/ScreenText.h"
#include "model/FileMessage.h"
#include "rules/Messages.h"

namespace {

const std::string Header = "aurovane-catalogue 1\nlanguage fr\nplural zero-one\nnumbers \xe2\x80\xaf 1\nlist  et \n";

Catalogue readOrFail(const std::string& text) {
    std::string problem;
    Catalogue c = Catalogue::read(text, problem);
    EXPECT_EQ(problem, "");
    return c;
}

}  // namespace

TEST(Catalogue, TranslatesByContextAndSourceCountsAndFillsForms) {
    const Catalogue c = readOrFail(Header +
                                   "m\tNames\tItalia\tItalie\n"
                                   "m\tScreenText\tTreasury: %1\tTr\xc3\xa9sor : %1\n"
                                   "m\tTab\ta\\tb\\\\c\tline\\r\\none\n"
                                   "n\tYearSummary\t%n province(s) revolt\t%n province se r\xc3\xa9volte\t%n provinces\n"
                                   "n\tScreenText\tSupport %n legions\t%n l\xc3\xa9gion\t%n l\xc3\xa9gions\n"
                                   "m\tMessages\t%1 has been overrun\t%1 a \xc3\xa9t\xc3\xa9 submerg\xc3\xa9" "e\n");
    EXPECT_EQ(c.language(), "fr");
    EXPECT_EQ(c.text("Names", "Italia"), "Italie");
    EXPECT_EQ(c.text("ScreenText", "Italia"), "Italia");  // another context: the source
    EXPECT_EQ(c.text("Tab", "a\tb\\c"), "line\r\none");
    EXPECT_EQ(c.counted("YearSummary", "%n province(s) revolt", 0), "0 province se r\xc3\xa9volte");
    EXPECT_EQ(c.counted("YearSummary", "%n province(s) revolt", 2), "2 provinces");
    EXPECT_EQ(c.counted("YearSummary", "%n legion(s)", 2), "2 legion(s)");
    EXPECT_EQ(c.filled("ScreenText", "Treasury: %1", {c.number(10200)}), "Tr\xc3\xa9sor : 10\xe2\x80\xaf" "200");
    // A counted screen line: the language's form for its count, never a bare %n.
    EXPECT_EQ(c.screenText(ScreenTextLine{0, 0, 0, "Support %n legions", {}, 1}), "1 l\xc3\xa9gion");
    EXPECT_EQ(c.screenText(ScreenTextLine{0, 0, 0, "Support %n legions", {}, 23}), "23 l\xc3\xa9gions");
    EXPECT_EQ(Catalogue().screenText(ScreenTextLine{0, 0, 0, "Support %n legions", {}, 1}), "Support 1 legions");
    EXPECT_EQ(c.word("Italia"), "Italie");
    EXPECT_EQ(c.word("1500"), "1\xe2\x80\xaf" "500");
    EXPECT_EQ(c.word("Marcommani"), "Marcomanni");  // untranslated names in corrected English
    EXPECT_EQ(c.screenText("Treasury: %1", {{"Italia, Roma, Marcommani"}}),
              "Tr\xc3\xa9sor : Italie, Roma et Marcomanni");
    // The year's news, logged in English, told as the message that wrote it.
    EXPECT_EQ(c.screenText("%1", {{"Italia has been overrun", true}}), "Italie a \xc3\xa9t\xc3\xa9 submerg\xc3\xa9" "e");
    EXPECT_EQ(c.news("Italia has been overrun"), "Italie a \xc3\xa9t\xc3\xa9 submerg\xc3\xa9" "e");
    EXPECT_EQ(c.news("The Marcommani rise"), "The Marcomanni rise");
    EXPECT_EQ(c.message(Message{MessageId::SaxonsPrepare, {}}), englishText(Message{MessageId::SaxonsPrepare, {}}));
}

TEST(Catalogue, TellsWhyAFileWasRefusedTheProvinceAsTheMapNamesIt) {
    const Catalogue c = readOrFail(Header + "m\tNames\tArmenia\tArm\xc3\xa9nie\n"
                                   "m\tFileMessages\t" + fileload::homelandMissing(Power::Sassanids) +
                                   "\tLigne %1 : %2 manque\n");
    const FileMessage homeland{fileload::homelandMissing(Power::Sassanids), {"1200", "Armenia"}, 2};
    // The line number stays as the reader wrote it; the name is the map's.
    EXPECT_EQ(c.fileMessage(homeland), "Ligne 1200 : Arm\xc3\xa9nie manque");
    EXPECT_EQ(Catalogue().fileMessage(homeland), englishFileMessage(homeland));
    EXPECT_EQ(c.fileMessage(FileMessage{fileopen::Missing, {}}), "Unable to open file");  // untranslated: the English
    EXPECT_EQ(c.fileMessage(FileMessage{}), "");
}

TEST(Catalogue, RefusesABrokenFileWholeAndStaysEnglish) {
    const std::string entry = "m\tNames\tItalia\tItalie\n";
    for (const std::string& broken : {
             std::string(), std::string("not a catalogue\n"), Header.substr(0, 30),
             "aurovane-catalogue 2\nlanguage fr\nplural zero-one\nnumbers . 1\nlist  et \n" + entry,
             "aurovane-catalogue 1\nlanguage fr\nplural many\nnumbers . 1\nlist  et \n" + entry,
             "aurovane-catalogue 1\nlanguage fr\nplural one\nnumbers . 9\nlist  et \n" + entry,
             "aurovane-catalogue 1\nlanguage fr\nplural one\nnumbers . 1\n" + entry,
             Header + entry + "x\tNames\tRoma\tRome\n", Header + "m\tNames\tItalia\n",
             Header + "m\tNames\tItalia\tIta\\qlie\n", Header + "m\tNames\tItalia\tItalie\\\n",
             Header + "m\tNames\tItalia\tIt\xc3\n", Header + "n\ta\tb\t1\t2\t3\t4\t5\t6\t7\n",
             Header + std::string(5 << 20, 'm')}) {
        std::string problem;
        const Catalogue c = Catalogue::read(broken, problem);
        EXPECT_NE(problem, "") << broken.substr(0, 80);
        EXPECT_EQ(c.language(), "en");
        EXPECT_EQ(c.text("Names", "Italia"), "Italia");
    }
    // Every cut of a good file either reads or is refused, never more.
    const std::string good = Header + entry + "n\ta\t%n b\t%n c\t%n d\n";
    for (std::size_t cut = 0; cut <= good.size(); ++cut) {
        std::string problem;
        Catalogue::read(good.substr(0, cut), problem);
    }
}
