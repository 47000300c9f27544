#include "editor/Messages.h"

#include <QMessageBox>

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
    QMessageBox box(QMessageBox::NoIcon, fromRulesText(caption), fromRulesText(text), QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace editor
