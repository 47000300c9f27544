#include "editor/Messages.h"

#include "qtcommon/PrefectDialog.h"
#include "qtcommon/RulesText.h"
#include "qtcommon/view/MapDrawing.h"

namespace editor {

namespace {
MessageBoxHandler& handler() {
    static MessageBoxHandler h;
    return h;
}

const view::Pictures*& messagePictures() {
    static const view::Pictures* pictures = nullptr;
    return pictures;
}
}  // namespace

void setMessageBoxHandler(MessageBoxHandler h) { handler() = std::move(h); }

void setMessagePictures(const view::Pictures* pictures) { messagePictures() = pictures; }

void showMessageBox(QWidget* parent, const std::string& caption, const std::string& text) {
    if (handler()) {
        handler()(parent, caption, text);
        return;
    }
    static const view::Pictures standIns;
    const view::Pictures& pictures = messagePictures() ? *messagePictures() : standIns;
    AdvisorDialog box(parent, pictures, AdvisorDialog::Message, fromRulesText(text));
    box.setWindowTitle(fromRulesText(caption));
    box.exec();
}

}  // namespace editor
