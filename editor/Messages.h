#pragma once
#include <functional>
#include <string>

class QWidget;

namespace editor {

// A plain message box with one OK button ("Scenario saved", the "Error"
// messages of the options dialog, the reader's "ERROR" messages). Every box
// of the editor goes through here so that tests can see the boxes without a
// person to press OK. The texts are UTF-8, as the model's.
void showMessageBox(QWidget* parent, const std::string& caption, const std::string& text);

// Replaces how boxes are shown; an empty function restores the real boxes.
using MessageBoxHandler =
    std::function<void(QWidget* parent, const std::string& caption, const std::string& text)>;
void setMessageBoxHandler(MessageBoxHandler handler);

}  // namespace editor
