#include "rules/Messages.h"

#include "model/TranslationMarks.h"

const char* englishSource(MessageId id) {
    switch (id) {
    case MessageId::AllMoved:
        return QT_TRANSLATE_NOOP("Messages",
                                 "Princeps,\r\n\r\nAll the units in the province have already moved.\r\nNotice how "
                                 "the legion icon appears grayed out.  You will be\r\nable to move grayed out legions "
                                 "again next turn.");
    case MessageId::TigrisRule:
        return QT_TRANSLATE_NOOP("Messages",
                                 "The Romans believed the Tigris river was the\r\n\"natural\" border of the empire. "
                                 "Roman\r\ntroops will not cross it unless there is an\r\nimmediate military threat.");
    case MessageId::TeutoburgRule:
        return QT_TRANSLATE_NOOP("Messages",
                                 "In 9 AD, a Roman army of 15,000 men was ambushed\r\nand massacred in the Teutoburg "
                                 "Forest of Germania.\r\nConsequently, Roman troops will not enter that "
                                 "\r\nterritory unless there are barbarians to attack.");
    case MessageId::TreasuryPlundered:
        return QT_TRANSLATE_NOOP("Messages",
                                 "Princeps,\r\n\r\nOur enemies have reached Rome and plundered\r\nthe Imperial "
                                 "treasury!");
    case MessageId::MoneyRunningOut:
        return QT_TRANSLATE_NOOP("Messages",
                                 "Princeps,\r\n\r\nWe are running out of money!\r\nWe should conquer new provinces to "
                                 "increase our tax base.");
    case MessageId::TreasuryEmpty:
        return QT_TRANSLATE_NOOP("Messages",
                                 "Princeps,\r\n\r\nThe treasury is empty! The legions are starting to disband.");
    case MessageId::LegionLimitHint:
        return QT_TRANSLATE_NOOP("Messages",
                                 "Princeps,\r\n\r\nThe number of legions we can raise depends on\r\nhow many "
                                 "provinces we control.  To increase\r\nthe maximum number of legions we can "
                                 "recruit,\r\nwe must conquer more provinces.");
    case MessageId::PlagueStarted:
        return QT_TRANSLATE_NOOP("Messages",
                                 "Princeps,\r\n\r\nThe empire has been hit by a plague!  This is will\r\nreduce tax "
                                 "revenue and slow the creation of new\r\nlegions.");
    case MessageId::PlagueEnded:
        return QT_TRANSLATE_NOOP("Messages", "Princeps,\r\n\r\nThe plague has finally ended.");
    case MessageId::EgyptHint:
        return QT_TRANSLATE_NOOP("Messages",
                                 "Hint: Egypt was strategically important to\r\nthe Romans because it produced much "
                                 "of the grain which was \r\ndispensed for free to Rome's huge number of urban "
                                 "poor.\r\n\r\nIn this game, this province will pay three times the tax\r\nand allow "
                                 "you to put two extra legions in the field.");
    case MessageId::BritanniaHint:
        return QT_TRANSLATE_NOOP("Messages",
                                 "Hint: Britannia was a valuable province.  It\r\nproduced huge amounts of lead, "
                                 "which was used\r\nthe way plastics are used today.\r\n\r\nBritannia will pay twice "
                                 "the standard tax amount,\r\nbut may rebel if no legions are stationed there.\r\n");
    case MessageId::DaciaHint:
        return QT_TRANSLATE_NOOP("Messages",
                                 "Hint:  Dacia was the only part of the Roman Empire\r\non the far side of the Danube "
                                 "river, and defending\r\nit against the Goths became increasingly expensive.\r\nThe "
                                 "Romans abandonned it in either 271 or 275 AD.\r\n\r\nIn this game, Dacia pays half "
                                 "the normal tax\r\nand does not raise legions.");
    case MessageId::NorthAfricaHint:
        return QT_TRANSLATE_NOOP("Messages",
                                 "Hint:  The North African provinces produced\r\nmost of Rome's grain "
                                 "supply.\r\n\r\nNot controlling at least one North African\r\nprovince will result "
                                 "in food riots in Rome.");
    case MessageId::BonusUnaffordable:
        return QT_TRANSLATE_NOOP("Messages", "Princeps,\r\n\r\nWe do not have that much in the treasury.");
    case MessageId::BonusDropped:
        return QT_TRANSLATE_NOOP("Messages", "Princeps,\r\n\r\nThe troops have backed down from their demands.");
    case MessageId::LegionsRebelled:
        return QT_TRANSLATE_NOOP("Messages",
                                 "Princeps,\r\n\r\nThe %1 have rebelled! They have\r\nproclaimed their commander the "
                                 "new Emperor and are\r\nmarching on Rome!");
    case MessageId::RebellionHint:
        return QT_TRANSLATE_NOOP("Messages",
                                 "When a province rebels it is shown in white, and any legions\r\nin it are shown in "
                                 "red.  You no longer control rebelling\r\nlegions.  To regain control of a "
                                 "rebelling province you\r\nmust move a non-rebelling legion into it.");
    case MessageId::BritanniaRevolt:
        return QT_TRANSLATE_NOOP("Messages",
                                 "Princeps,\r\n\r\nThe tribes of Britannia have rebelled against Roman "
                                 "rule!\r\n\r\nWe should send a legion there to restore order.");
    case MessageId::AegyptusRevolt:
        return QT_TRANSLATE_NOOP("Messages",
                                 "Princeps,\r\n\r\nThe people of Aegyptus have rebelled against Roman "
                                 "rule!\r\n\r\nWe should send a legion there to restore order.");
    case MessageId::GrainRiot:
        return QT_TRANSLATE_NOOP("Messages",
                                 "Princeps,\r\n\r\nThe people of Italia are rioting over the lack of "
                                 "grain!\r\n\r\nWe should send a legion there to restore order.");
    case MessageId::JudeaOverthrown:
        return QT_TRANSLATE_NOOP("Messages",
                                 "Palestina has been overthrown by the\r\nPeople's Front of Judea (the PFJ)!");
    case MessageId::EndsRebelled:
        return QT_TRANSLATE_NOOP("Messages",
                                 "Princeps,\r\n\r\nThe eastern and western ends of the empire\r\nhave rebelled!");
    case MessageId::CarausiusRebellion:
        return QT_TRANSLATE_NOOP("Messages",
                                 "The governor of Britannia, Marcus Carausius, has rebelled\r\nand several provinces "
                                 "in Gaul have joined him!");
    case MessageId::EgyptiansRebellion:
        return QT_TRANSLATE_NOOP("Messages", "Princeps,\r\nThe Egyptians have rebelled!");
    case MessageId::LiciniusMarch:
        return QT_TRANSLATE_NOOP("Messages",
                                 "Princeps,\r\n\r\nThe eastern emperor Licinius is trying to claim\r\nthe whole "
                                 "empire for himself. He is marching on \r\nRome with 3 legions!");
    case MessageId::ConstantineUsurper:
        return QT_TRANSLATE_NOOP("Messages",
                                 "Princeps,\r\n\r\nA usurper in Britannia calling himself Constantine III,\r\nhas "
                                 "rebelled, and is marching in Gaul!");
    case MessageId::AlaricMarch:
        return QT_TRANSLATE_NOOP("Messages", "Princeps,\r\n\r\nThe Visigoth king Aleric is marching on Rome!");
    case MessageId::SaxonsPrepare:
        return QT_TRANSLATE_NOOP("Messages", "Princeps,\r\n\r\nThe Saxons are preparing to attack Britannia!");
    case MessageId::VandalsCross:
        return QT_TRANSLATE_NOOP("Messages", "Princeps,\r\n\r\nA tribe called the Vandals is crossing the Rhine river!");
    case MessageId::HunsMass:
        return QT_TRANSLATE_NOOP("Messages", "Princeps,\r\n\r\nThe Huns have massed a large army across the Rhine!");
    case MessageId::BarbariansSighted:
        return QT_TRANSLATE_NOOP("Messages", "Princeps,\r\n\r\nAn army of %1 has been sighted on the frontier!");
    case MessageId::BarbariansCrossed: return QT_TRANSLATE_NOOP("Messages", "The %1 have crossed the frontier!");
    case MessageId::SassanidsMassing:
        return QT_TRANSLATE_NOOP("Messages", "Princeps,\r\n\r\nThe Sassanids are massing troops across the Tigris River!");
    case MessageId::SassanidsCrossed: return QT_TRANSLATE_NOOP("Messages", "The Sassanids have crossed the Tigris!");
    case MessageId::AttackFailed: return QT_TRANSLATE_NOOP("Messages", "Our attack on %1 failed");
    case MessageId::EnemyDefeated: return QT_TRANSLATE_NOOP("Messages", "Enemy legion in %1 defeated");
    case MessageId::RaidSucceeded: return QT_TRANSLATE_NOOP("Messages", "Our raid into %1 was successful");
    case MessageId::Reconquered: return QT_TRANSLATE_NOOP("Messages", "We have reconquered %1");
    case MessageId::Overrun: return QT_TRANSLATE_NOOP("Messages", "%1 has been overrun");
    case MessageId::ProvinceRebelled: return QT_TRANSLATE_NOOP("Messages", "%1 has rebelled");
    case MessageId::BonusDemand:
        return QT_TRANSLATE_NOOP("Messages",
                                 "Princeps,\r\n\r\nThe legions are demanding a bonus of %1 sesterces.\r\n\r\nDo you "
                                 "wish to pay them?");
    case MessageId::PeaceOffer:
        return QT_TRANSLATE_NOOP("Messages",
                                 "Princeps,\r\n\r\nThe %1 are offering peace for %2 years \r\nin exchange for %3 "
                                 "sesterces.\r\n\r\nDo you accept their offer?");
    case MessageId::SettleTribe:
        return QT_TRANSLATE_NOOP("Messages",
                                 "A tribe from across the Rhine is asking to settle in\r\n%1.  Should we settle them "
                                 "as farmers to\r\nincrease tax revenue, or press them into military "
                                 "service?\r\n\r\n[Settling them as farmers will put 5,000 sesterces into\r\nthe "
                                 "treasury]");
    case MessageId::Farmers: return QT_TRANSLATE_NOOP("Messages", "Farmers");
    case MessageId::Soldiers: return QT_TRANSLATE_NOOP("Messages", "Soldiers");
    case MessageId::Defeated:
        return QT_TRANSLATE_NOOP("Messages",
                                 "Princeps,\r\n\r\nOur empire has been defeated.\r\n\r\nTentate Iterum? (Would you "
                                 "like to play again?)");
    case MessageId::CrisisSurvived:
        return QT_TRANSLATE_NOOP("Messages",
                                 "Congratulations!\r\n\r\nYou have survived Rome's \"Crisis of the Third "
                                 "Century\"\r\nDo you want to keep playing until 476 AD?");
    case MessageId::WestOutlasted:
        return QT_TRANSLATE_NOOP("Messages",
                                 "Congratulations! You have outlasted the Western\r\nRoman Empire.\r\n\r\nDo you wish "
                                 "to play again?\r\n");
    case MessageId::WelcomeQuestion:
        return QT_TRANSLATE_NOOP("Messages",
                                 "Welcome, Princeps\r\n\r\nI am your advisor and I will be providing you with\r\n"
                                 "information to help you guide the Roman Empire\r\nthrough the \"Crisis of the Third "
                                 "Century.\"\r\n\r\nWould you like a few hints on playing before we start?");
    case MessageId::HintProvinces:
        return QT_TRANSLATE_NOOP("Messages",
                                 "Your empire consists of provinces.  Each turn, your provinces\r\nwill pay taxes and "
                                 "create legions for you. Roman provinces are\r\nshown in light-red.  Enemey-held "
                                 "provinces are other colors");
    case MessageId::HintMoving:
        return QT_TRANSLATE_NOOP("Messages",
                                 "To move a legion, left-click and drag it where you want it to\r\ngo.  If there are "
                                 "enemy legions in the destination or any\r\nprovinces on the way, your legion will "
                                 "attack them");
    case MessageId::HintEndTurn:
        return QT_TRANSLATE_NOOP("Messages",
                                 "When you have moved all your legions, your enemies will move\r\ntheir legions.  If "
                                 "you dont want to move all your legions, \r\njust right-click the mouse to advance "
                                 "the game one turn.");
    case MessageId::HintGoal:
        return QT_TRANSLATE_NOOP("Messages",
                                 "Your goal is to hold on to as many Roman provinces\r\nas possible. To win, you must "
                                 "control at least one\r\nprovince when the \"Crisis of the Third Century\" "
                                 "ends\r\nin 285 AD - Good luck, Princeps!\r\n");
    case MessageId::HintHelp:
        return QT_TRANSLATE_NOOP("Messages",
                                 "If at any time you need help, you can refer to\r\nthe video tutorial under the Help "
                                 "menu.\r\n\r\nGood luck, Princeps!");
    }
    return "";
}

std::string englishText(const Message& message) {
    const std::string source = englishSource(message.id);
    std::string text;
    for (std::size_t i = 0; i < source.size(); ++i) {
        const char next = i + 1 < source.size() ? source[i + 1] : '\0';
        const std::size_t place = static_cast<std::size_t>(next - '1');
        if (source[i] == '%' && next >= '1' && next <= '9' && place < message.params.size()) {
            text += message.params[place];
            ++i;
        } else {
            text += source[i];
        }
    }
    return text;
}

std::optional<Message> loggedMessage(const std::string& line) {
    // The log's lines have one place, %1, with text on either side of it.
    static constexpr MessageId logged[] = {MessageId::AttackFailed,      MessageId::EnemyDefeated,
                                           MessageId::RaidSucceeded,     MessageId::Reconquered,
                                           MessageId::Overrun,           MessageId::ProvinceRebelled,
                                           MessageId::BarbariansCrossed, MessageId::SassanidsCrossed};
    for (MessageId id : logged) {
        const std::string source = englishSource(id);
        const std::size_t place = source.find("%1");
        if (place == std::string::npos) {
            if (line == source) return Message{id, {}};
            continue;
        }
        const std::string before = source.substr(0, place), after = source.substr(place + 2);
        if (line.size() > before.size() + after.size() && line.compare(0, before.size(), before) == 0 &&
            line.compare(line.size() - after.size(), after.size(), after) == 0)
            return Message{id, {line.substr(before.size(), line.size() - before.size() - after.size())}};
    }
    return std::nullopt;
}
