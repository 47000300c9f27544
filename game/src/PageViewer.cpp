#include "game/src/PageViewer.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

PageViewer::PageViewer(QWidget* parent, const QUrl& page) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    browser_ = new QTextBrowser(this);
    // Links to other pages of ours stay in the viewer; others go to whatever
    // the desktop has.
    browser_->setOpenExternalLinks(true);
    browser_->setSource(page);
    setWindowTitle(browser_->documentTitle().isEmpty() ? tr("Aurovane") : browser_->documentTitle());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addWidget(buttons);
    if (parent) resize(parent->window()->size() * 3 / 4);
}

bool PageViewer::showPage(QWidget* parent, const QUrl& page) {
    if (!page.isLocalFile() || !QFileInfo::exists(page.toLocalFile())) return false;
    PageViewer viewer(parent, page);
    viewer.exec();
    return true;
}
