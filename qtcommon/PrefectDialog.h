#pragma once
#include <QCoreApplication>
#include <QDialog>

class QLabel;
class QPushButton;
namespace view { class Pictures; }

// Draws the game's parchment (a warm page with a dark frame) over a widget's
// whole area; the dialogs of both programs stand on it.
void paintParchment(QWidget* widget, qreal scale);
// The look of the buttons on the parchment, for a given scale, with a
// focus ring plain to see on every control a dialog may hold.
QString parchmentButtonStyle(qreal scale);
// How much bigger than at 1366x768 the dialogs over `owner` are drawn, as
// its window is bigger, kept between 0.75 and 2.
qreal dialogScaleFor(const QWidget* owner);
// Centres a dialog over its owner window (over the screen without one).
void centreOver(QWidget* dialog, const QWidget* owner);

// The Praetorian Prefect's message (OK) or question (Yes, the default, and
// No) on the game's parchment, with his portrait, sized for its text and
// scaled with the owner window. A message is answered by any means; Escape
// and the close box answer a question No, and Enter presses the button that
// has the focus.
class AdvisorDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(AdvisorDialog)
public:
    enum Kind { Message, Question };
    // The answers, as the rules' callers know the buttons.
    enum Answer { None = 0, Ok = 2, Yes = 3, No = 4 };

    AdvisorDialog(QWidget* parent, const view::Pictures& pictures, Kind kind, const QString& text,
                  const QString& yesLabel = {}, const QString& noLabel = {});

    int answer() const { return answer_; }
    QPushButton* yesButton() const { return yes_; }
    QPushButton* noButton() const { return no_; }
    QPushButton* okButton() const { return ok_; }
    QString text() const;

    void reject() override;  // Escape and the close box

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QPushButton* addAnswer(const QString& label, Answer answer);

    Kind kind_;
    qreal scale_;
    int answer_ = None;
    QPushButton* yes_ = nullptr;
    QPushButton* no_ = nullptr;
    QPushButton* ok_ = nullptr;
    QLabel* text_ = nullptr;
};
