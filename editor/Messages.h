#pragma once
#include <functional>
#include <string>

class QWidget;
namespace view {
class Pictures;
}

namespace editor {

// A message with one OK button ("Scenario saved", the "Error" messages of
// the dialogs, the reader's "ERROR" messages), shown as the game shows its
// messages: the Prefect on the parchment, under the caption. Every box of the
// editor goes through here so that tests can see the boxes without a person
// to press OK. The texts are UTF-8, as the model's.
void showMessageBox(QWidget* parent, const std::string& caption, const std::string& text);
// The pictures the boxes are drawn with (the Prefect's portrait); until set,
// the portrait's stand-in.
void setMessagePictures(const view::Pictures* pictures);

// Replaces how boxes are shown; an empty function restores the real boxes.
using MessageBoxHandler =
    std::function<void(QWidget* parent, const std::string& caption, const std::string& text)>;
void setMessageBoxHandler(MessageBoxHandler handler);

}  // namespace editor
