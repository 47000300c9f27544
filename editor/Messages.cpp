#include "editor/Messages.h"

#include "qtcommon/ParchmentMessage.h"
#include "qtcommon/RulesText.h"

namespace editor {

namespace {
MessageBoxHandler& handler() {
    static MessageBoxHandler h;
    return h;
}
}  // namespace

void setMessageBoxHandler(MessageBoxHandler h) { handler() = std::move(h); }

void showMessageBox(QWidget* parent, const std::string& caption, const std::string& text) {
    if (handler()) {
        handler()(parent, caption, text);
        return;
    }
    ParchmentMessage box(parent, fromRulesText(caption), fromRulesText(text));
    box.exec();
}

}  // namespace editor
