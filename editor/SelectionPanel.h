#pragma once
#include <QCoreApplication>
#include <QWidget>
#include <functional>

class Empire;
class QComboBox;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace editor {

class EditorSession;

// The side panel of the editor: every province in a list that takes many at
// once (Shift and Ctrl as in any list, kept in step with the map), the
// holder to give them all, and how many legions to add or remove in each.
// Everything here is reached from the keyboard.
class SelectionPanel : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(editor::SelectionPanel)
public:
    SelectionPanel(EditorSession& session, QWidget* parent = nullptr);

    // What the buttons ask of the window, which records each change for undo.
    std::function<void()> selectionChanged;
    std::function<void(Empire*)> setHolder;
    std::function<void(int)> addLegions;
    std::function<void(int)> removeLegions;

    // Shows the session's selection and every province's holder and legions.
    void refresh();

    QListWidget* list() const { return list_; }
    QComboBox* holderChoice() const { return holder_; }
    QSpinBox* countField() const { return count_; }
    QPushButton* setHolderButton() const { return setHolder_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* removeButton() const { return remove_; }

private:
    void takeListSelection();
    void updateButtons();

    EditorSession& session_;
    QListWidget* list_;
    QComboBox* holder_;
    QSpinBox* count_;
    QPushButton* setHolder_;
    QPushButton* add_;
    QPushButton* remove_;
    bool refreshing_ = false;
};

}  // namespace editor
