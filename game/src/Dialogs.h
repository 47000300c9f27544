#pragma once
#include <QDialog>
#include <functional>
#include <string>


class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class GameSounds;
namespace view { class Pictures; class Graphic; }

// The top-left corner at which the advisor and lesson dialogs stand:
// (screen width / 2 − 300, screen height / 2 − 200) of the given widget's screen.
QPoint advisorDialogCorner(const QWidget* reference);
// Centres a dialog on its screen.
void centreOnScreen(QWidget* dialog, const QWidget* reference);

// A dialog that only shows one picture: the splash, the About and credits
// picture and the results. With a timeout it closes by itself; a click or a
// key closes the borderless ones at once. OK, Enter, Escape and the close box
// close it.
class PictureDialog : public QDialog {
public:
    PictureDialog(QWidget* parent, const view::Pictures& pictures, int pictureId, QSize size,
                  const QString& caption, bool borderless, int timeoutMs);
    // Drawn over the picture on every paint (the results' counts).
    std::function<void(QPainter&)> overlay;

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    const view::Pictures& pictures_;
    int picture_;
    bool borderless_;
    QWidget* reference_;
};

// The Praetorian Prefect's two dialogs: 108, a message with OK, and 107, a
// question with Yes (the default) and No that cannot be escaped.
class AdvisorDialog : public QDialog {
public:
    enum Kind { Message, Question };
    AdvisorDialog(QWidget* parent, const view::Pictures& pictures, Kind kind, const QString& text,
                  const QString& yesLabel = {}, const QString& noLabel = {});

    // Button ids: 2 for OK (and No is 4, Yes is 3), as the rules' callers know them.
    int answer() const { return answer_; }
    QPushButton* yesButton() const { return yes_; }
    QPushButton* noButton() const { return no_; }
    QPushButton* okButton() const { return ok_; }
    QString text() const;

    void reject() override;  // Escape and the close box

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    Kind kind_;
    int answer_ = 0;
    QPushButton* yes_ = nullptr;
    QPushButton* no_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPlainTextEdit* edit_ = nullptr;
};

// The advisor's dialogs in the window.
class WindowAdvisor {
public:
    WindowAdvisor(QWidget* owner, const view::Pictures& pictures) : owner_(owner), pictures_(pictures) {}

    // Tests answer the dialogs themselves: called with each dialog before it runs.
    std::function<void(AdvisorDialog&)> beforeExec;

    // The 8-bit text of the rules as the dialogs show it.
    static QString displayText(const std::string& text);

    // An informational message with one OK button.
    void tell(const std::string& text);
    // A question whose two buttons carry the given labels (empty: Yes and No); true for the first.
    bool askWithLabels(const std::string& text, const std::string& yesLabel, const std::string& noLabel);
    bool ask(const std::string& text) { return askWithLabels(text, {}, {}); }

private:
    QWidget* owner_;
    const view::Pictures& pictures_;
};

// History lesson dialog 105: a 600x400 picture; except for the introduction,
// a play/stop button at (75, 18) toggles the narration.
class LessonDialog : public QDialog {
public:
    LessonDialog(QWidget* parent, const view::Pictures& pictures, GameSounds& sounds, int picture);
    bool narrationPlaying() const { return narrationPlaying_; }
    // The button's click, at a point of the 600x400 picture.
    void clickAt(QPoint p);

    void done(int r) override;

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    const view::Pictures& pictures_;
    GameSounds& sounds_;
    int picture_;
    bool narrationPlaying_ = false;
    QWidget* reference_;
};
