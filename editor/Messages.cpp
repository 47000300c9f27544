#include "editor/Messages.h"

#include <QMessageBox>
#include <QString>

#include "english/CorrectedEnglish.h"

namespace editor {

namespace {
MessageBoxHandler& handler() {
    static MessageBoxHandler h;
    return h;
}
}  // namespace

std::string toDisplayText(const std::string& rulesText) {
    const std::string text = correctedEnglish(rulesText);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

void setMessageBoxHandler(MessageBoxHandler h) { handler() = std::move(h); }

void showMessageBox(QWidget* parent, const std::string& caption, const std::string& text) {
    if (handler()) {
        handler()(parent, caption, text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QString::fromLocal8Bit(caption),
                    QString::fromLocal8Bit(toDisplayText(text)), QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace editor
