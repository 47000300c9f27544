#include "rules/WelcomeHints.h"

#include "rules/Presenter.h"

void tellWelcomeHints(Presenter& advisor) {
    if (advisor.ask(Message{MessageId::WelcomeQuestion, {}})) {
        for (MessageId hint : {MessageId::HintProvinces, MessageId::HintMoving, MessageId::HintEndTurn,
                               MessageId::HintGoal})
            advisor.tell(Message{hint, {}});
    }
    advisor.tell(Message{MessageId::HintHelp, {}});
}
