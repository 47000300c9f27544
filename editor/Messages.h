#pragma once
#include <functional>
#include <string>

class QWidget;

namespace editor {

// A plain message box with one OK button ("Game saved" / "Alert", the
// "Error" messages of the options dialog, the reader's "ERROR" messages).
// Every box of the editor goes through here so that tests can see the boxes
// without a person to press OK.
void showMessageBox(QWidget* parent, const std::string& caption, const std::string& text);

// Replaces how boxes are shown; an empty function restores the real boxes.
using MessageBoxHandler =
    std::function<void(QWidget* parent, const std::string& caption, const std::string& text)>;
void setMessageBoxHandler(MessageBoxHandler handler);

// Texts of the model use "\r\n" line breaks; Qt wants plain line feeds. The
// words are shown in corrected English.
std::string toDisplayText(const std::string& text);

}  // namespace editor
