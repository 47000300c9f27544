#pragma once
#include <QCoreApplication>
#include <QDialog>
#include <functional>

class QPushButton;
class GameSounds;
namespace view { class Pictures; }

// The pictures the dialogs show, by their ids.
enum DialogPicture : int {
    SplashPicture = 165,   // 640x480
    AboutPicture = 267,    // 600x400, also the credits
    PlayPicture = 231,     // the lesson's narration button
    StopPicture = 232,
};

// A dialog that shows one picture: the splash, the About and credits
// picture, the results, the history lessons. With a timeout it closes by
// itself; a click or a key closes the borderless ones at once. The others
// stand in a frame without minimise and maximise buttons, scaled with the
// window, with a Close button under the picture; Enter, Escape and the close
// box close them too.
class PictureDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(PictureDialog)
public:
    PictureDialog(QWidget* parent, const view::Pictures& pictures, int pictureId, QSize size,
                  const QString& caption, bool borderless, int timeoutMs);
    // Drawn over the picture on every paint, in the picture's own pixels (the
    // results' counts).
    std::function<void(QPainter&)> overlay;

    QPushButton* closeButton() const { return close_; }
    // The words of the About and credits picture, for a reader who cannot see it.
    static QString creditsText();
    // Where the picture stands in the dialog, and the picture's pixel under a dialog point.
    QRect pictureRect() const;
    QPoint toPicture(QPoint dialogPoint) const;

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void repaintPicture(QRect pictureArea);

    // The language the picture is drawn in (view::Pictures::graphic): the
    // windows' own; the English picture where none is drawn in it.
    QString language_;

private:
    const view::Pictures& pictures_;
    int picture_;
    QSize size_;
    bool borderless_;
    qreal scale_;
    QPushButton* close_ = nullptr;
};

// A history lesson: a 600x400 picture; except for the introduction, a
// play/stop button at (75, 18) of the picture toggles the narration. Where
// the machine has no audio output the button stays at play and, once
// pressed, says beside itself that no sound can play.
class LessonDialog : public PictureDialog {
    Q_DECLARE_TR_FUNCTIONS(LessonDialog)
public:
    LessonDialog(QWidget* parent, const view::Pictures& pictures, GameSounds& sounds, int picture);
    bool narrationPlaying() const { return narrationPlaying_; }
    // Whether the picture says that no sound can play here.
    bool saysSilent() const { return silenceShown_; }
    // The button's click, at a point of the 600x400 picture.
    void clickAt(QPoint p);
    // The narration's button under the picture, for the keyboard.
    QPushButton* narrationButton() const { return narration_; }

    void done(int r) override;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void showNarrationState();

    GameSounds& sounds_;
    QPushButton* narration_ = nullptr;
    int picture_;
    bool narrationPlaying_ = false;
    bool silenceShown_ = false;  // the play button was pressed on a machine without sound
};
