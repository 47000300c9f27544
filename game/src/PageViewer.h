#pragma once
#include <QCoreApplication>
#include <QDialog>

class QTextBrowser;
class QUrl;

// The game's own viewer for its help and history pages, on the game's
// parchment: the page with its links, and Close.
class PageViewer : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(PageViewer)
public:
    PageViewer(QWidget* parent, const QUrl& page);
    QTextBrowser* browser() const { return browser_; }

    // Shows `page` modally; false when it is no file of ours.
    static bool showPage(QWidget* parent, const QUrl& page);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    qreal scale_;
    QTextBrowser* browser_;
};
