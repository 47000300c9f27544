#pragma once
#include <optional>
#include <string>
#include <vector>

// Every text the rules show their player, by what it says. The English
// wording lives in one table (MessageTexts.cpp); a front end that speaks
// another language translates by id and fills in the same parameters.
enum class MessageId {
    // The advisor.
    AllMoved,
    TigrisRule,
    TeutoburgRule,
    TreasuryPlundered,
    MoneyRunningOut,
    TreasuryEmpty,
    LegionLimitHint,
    PlagueStarted,
    PlagueEnded,
    EgyptHint,
    BritanniaHint,
    DaciaHint,
    NorthAfricaHint,
    BonusUnaffordable,
    BonusDropped,
    LegionsRebelled,  // %1 the legions' group
    RebellionHint,
    BritanniaRevolt,
    AegyptusRevolt,
    GrainRiot,
    JudeaOverthrown,
    EndsRebelled,
    // Scripted events.
    CarausiusRebellion,
    EgyptiansRebellion,
    LiciniusMarch,
    ConstantineUsurper,
    AlaricMarch,
    SaxonsPrepare,
    VandalsCross,
    HunsMass,
    // Enemy reports and the news lines that follow them.
    BarbariansSighted,  // %1 the tribe
    BarbariansCrossed,  // %1 the tribe
    SassanidsMassing,
    SassanidsCrossed,
    // News lines.
    AttackFailed,      // %1 the province
    EnemyDefeated,     // %1 the province
    RaidSucceeded,     // %1 the province
    Reconquered,       // %1 the province
    Overrun,           // %1 the province
    ProvinceRebelled,  // %1 the province
    // Questions and their buttons.
    BonusDemand,  // %1 the sesterces
    PeaceOffer,   // %1 the tribe, %2 the years, %3 the sesterces
    SettleTribe,  // %1 the province
    Farmers,
    Soldiers,
    Defeated,
    CrisisSurvived,
    WestOutlasted,
    // The welcome at the start and on request.
    WelcomeQuestion,
    HintProvinces,
    HintMoving,
    HintEndTurn,
    HintGoal,
    HintHelp,
};

// The last id; a table over all ids runs up to it.
constexpr MessageId LastMessageId = MessageId::HintHelp;

struct Message {
    MessageId id;
    // Names and numbers, in the order %1, %2, ... of the text.
    std::vector<std::string> params;
};

// The English wording with its %1..%9 places still open: the source text a
// translation catalogue is built from.
const char* englishSource(MessageId id);

// The English text with the parameters put in; a place without a parameter
// stays as it is written.
std::string englishText(const Message& message);

// A line of the year's log (kept in English, as saved games keep it) read back
// as the news message it was written from, so that a front end can tell it in
// its own language; nullopt for a line no news message wrote.
std::optional<Message> loggedMessage(const std::string& line);
