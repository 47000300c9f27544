#include "editor/HelpDialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "client/EditorSession.h"
#include "qtcommon/PrefectDialog.h"

namespace editor {

QString HelpDialog::pageText() {
    return tr("<h2>The Aurovane scenario editor</h2>"
              "<p>A scenario is a starting position for the game: who holds each province, how many legions "
              "stand where, the year, the treasury and the plague, with a title and a briefing for the player.</p>"
              "<h3>Choosing provinces</h3>"
              "<p>Click a province to select it. Shift-click or Ctrl-click adds a province to the selection or "
              "takes it out. Drag across the map to select every province the band touches (with Shift or Ctrl, "
              "they are added). Click the sea to select nothing. The list on the right selects too: use the arrow "
              "keys, Shift and Ctrl as in any list. Edit &gt; Select All (Ctrl+A) takes every province.</p>"
              "<h3>Holders and legions</h3>"
              "<p>Choose the holder on the right and press <b>Set holder</b>, or right-click a selected province "
              "and use the Owner menu: every selected province changes hands at once. A province that changes "
              "hands loses the legions of its old holder. The seven frontier lands beyond the Rhine, the Danube "
              "and the Euphrates keep their holders.</p>"
              "<p>Set the number of legions and press <b>Add</b> or <b>Remove</b>: each selected province "
              "gains or loses that many legions of its holder (at most %1 at a time). A province without a "
              "holder takes no legions.</p>"
              "<h3>The year, the treasury and the plague</h3>"
              "<p>Scenario &gt; Options. The year may be from %2 to %3 AD: the game decides the fate of the "
              "West as 476 begins, so a scenario must start before it. The treasury must be above 0.</p>"
              "<h3>Title and briefing</h3>"
              "<p>Scenario &gt; Title and Briefing. When the scenario is opened in the game, the Prefect reads "
              "the briefing to the player.</p>"
              "<h3>Undo</h3>"
              "<p>Edit &gt; Undo (Ctrl+Z) takes back the last change; Edit &gt; Redo (Ctrl+Shift+Z or Ctrl+Y) "
              "makes it again. The title bar shows an asterisk while there are changes not yet saved.</p>"
              "<h3>Saving and trying</h3>"
              "<p>File &gt; Save (Ctrl+S) and Save As (Ctrl+Shift+S) write the scenario; open it in the game with "
              "File &gt; Load. File &gt; Play this Scenario (F5) starts the game with the scenario as it "
              "stands, saved or not.</p>")
        .arg(MaxLegionsAtOnce)
        .arg(FirstYear)
        .arg(LastScenarioYear);
}

HelpDialog::HelpDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Aurovane Editor Help"));
    setStyleSheet(parchmentButtonStyle(1.0));
    page_ = new QTextBrowser(this);
    page_->setObjectName(QStringLiteral("helpPage"));
    // Links never lead out of the editor.
    page_->setOpenLinks(false);
    page_->setHtml(pageText());
    page_->setStyleSheet(QStringLiteral("QTextBrowser { background: transparent; border: none; color: #2b1d0e; }"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 16);
    layout->addWidget(page_);
    layout->addWidget(buttons);
    resize(640, 600);
}

void HelpDialog::paintEvent(QPaintEvent*) { paintParchment(this, 1.0); }

}  // namespace editor
