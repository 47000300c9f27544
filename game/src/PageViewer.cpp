#include "game/src/PageViewer.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "qtcommon/PrefectDialog.h"

PageViewer::PageViewer(QWidget* parent, const QUrl& page) : QDialog(parent), scale_(dialogScaleFor(parent)) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    browser_ = new QTextBrowser(this);
    // Links to other pages of ours stay in the viewer; others go to whatever
    // the desktop has.
    browser_->setOpenExternalLinks(true);
    browser_->setSource(page);
    setWindowTitle(browser_->documentTitle().isEmpty() ? tr("Aurovane") : browser_->documentTitle());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // On the game's parchment, like every other dialog of the game.
    setStyleSheet(parchmentButtonStyle(scale_) +
                  QStringLiteral("QTextBrowser { background: #f6eacc; color: #2b1d0e; border: 1px solid #a8823c; }"));
    auto* layout = new QVBoxLayout(this);
    const int margin = int(16 * scale_);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addWidget(browser_);
    layout->addWidget(buttons);
    if (parent) resize(parent->window()->size() * 3 / 4);
}

void PageViewer::paintEvent(QPaintEvent*) { paintParchment(this, scale_); }

bool PageViewer::showPage(QWidget* parent, const QUrl& page) {
    if (!page.isLocalFile() || !QFileInfo::exists(page.toLocalFile())) return false;
    PageViewer viewer(parent, page);
    viewer.exec();
    return true;
}
