#pragma once
#include <QCoreApplication>
#include <QDialog>

class QLabel;
class QPushButton;

// A message of the program's own, not the Prefect's (the editor's About): a
// title written large on the game's parchment, the text under it and OK, as
// wide as its title needs so that no frame elides it. Escape, Enter and the
// close box close it.
class ParchmentMessage : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(ParchmentMessage)
public:
    ParchmentMessage(QWidget* parent, const QString& title, const QString& text);
    QPushButton* okButton() const { return ok_; }
    QString text() const;

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    qreal scale_;
    QLabel* text_ = nullptr;
    QPushButton* ok_ = nullptr;
};
