#include "editor/SelectionPanel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "client/EditorSession.h"
#include "editor/PowerNames.h"
#include "qtcommon/view/ShownNames.h"
#include "engine/Game.h"

namespace editor {

SelectionPanel::SelectionPanel(EditorSession& session, QWidget* parent) : QWidget(parent), session_(session) {
    Game& game = session.game();
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("provinces"));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // By name, as a designer looks a province up.
    std::vector<Province*> byName(game.provinceTable.begin(), game.provinceTable.end());
    std::sort(byName.begin(), byName.end(), [](const Province* a, const Province* b) { return a->name() < b->name(); });
    for (Province* p : byName) {
        auto* item = new QListWidgetItem(list_);
        item->setData(Qt::UserRole, game.indexOf(*p));
    }
    auto* listLabel = new QLabel(tr("P&rovinces (Shift or Ctrl for more):"), this);
    listLabel->setWordWrap(true);
    listLabel->setBuddy(list_);

    holder_ = new QComboBox(this);
    holder_->setObjectName(QStringLiteral("holder"));
    const auto powers = game.empires();
    std::vector<Empire*> choices(powers.begin(), powers.end());
    choices.push_back(nullptr);
    for (Empire* e : choices)
        holder_->addItem(powerName(game, e), QVariant::fromValue(static_cast<void*>(e)));
    setHolder_ = new QPushButton(tr("Se&t holder"), this);
    setHolder_->setToolTip(tr("Gives every selected province to this holder. The frontier lands beyond the Rhine, "
                              "the Danube and the Euphrates keep theirs."));

    count_ = new QSpinBox(this);
    count_->setObjectName(QStringLiteral("count"));
    count_->setRange(1, MaxLegionsAtOnce);
    add_ = new QPushButton(tr("&Add"), this);
    add_->setToolTip(tr("Adds this many legions of its holder to every selected province that has one."));
    remove_ = new QPushButton(tr("Re&move"), this);
    remove_->setToolTip(tr("Removes up to this many legions of its holder from every selected province."));

    // Each label over its row, so the narrow panel never cuts one off.
    auto* holderLabel = new QLabel(tr("Hol&der:"), this);
    holderLabel->setBuddy(holder_);
    // The button under the holders' list, which a longer language's names fill.
    auto* holderRow = new QHBoxLayout;
    holderRow->addStretch();
    holderRow->addWidget(setHolder_);
    auto* legionsLabel = new QLabel(tr("Le&gions to add or remove in each:"), this);
    legionsLabel->setWordWrap(true);
    legionsLabel->setBuddy(count_);
    auto* legionRow = new QHBoxLayout;
    legionRow->addWidget(count_);
    legionRow->addWidget(add_);
    legionRow->addWidget(remove_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listLabel);
    layout->addWidget(list_, 1);
    layout->addWidget(holderLabel);
    layout->addWidget(holder_);
    layout->addLayout(holderRow);
    layout->addWidget(legionsLabel);
    layout->addLayout(legionRow);

    connect(list_, &QListWidget::itemSelectionChanged, this, [this] { takeListSelection(); });
    connect(setHolder_, &QPushButton::clicked, this, [this] {
        if (setHolder) setHolder(static_cast<Empire*>(holder_->currentData().value<void*>()));
    });
    connect(add_, &QPushButton::clicked, this, [this] {
        if (addLegions) addLegions(count_->value());
    });
    connect(remove_, &QPushButton::clicked, this, [this] {
        if (removeLegions) removeLegions(count_->value());
    });
    refresh();
}

void SelectionPanel::refresh() {
    refreshing_ = true;
    Game& game = session_.game();
    for (int row = 0; row < list_->count(); ++row) {
        QListWidgetItem* item = list_->item(row);
        Province& p = *game.provinceAtIndex(item->data(Qt::UserRole).toInt());
        const Empire* holder = game.ownerOf(p);
        const int legions = holder ? holder->countLegionsIn(p) : 0;
        item->setText(tr("%1: %2, %n legion(s)", nullptr, legions).arg(view::shownName(p.name()), powerName(game, holder)));
        item->setSelected(session_.isSelected(p));
    }
    refreshing_ = false;
    updateButtons();
}

void SelectionPanel::takeListSelection() {
    if (refreshing_) return;
    std::vector<Province*> chosen;
    for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->isSelected())
            chosen.push_back(session_.game().provinceAtIndex(list_->item(row)->data(Qt::UserRole).toInt()));
    session_.setSelection(chosen);
    updateButtons();
    if (selectionChanged) selectionChanged();
}

void SelectionPanel::updateButtons() {
    const bool any = !session_.selection().empty();
    setHolder_->setEnabled(session_.ownerMenuEnabled());
    add_->setEnabled(any);
    remove_->setEnabled(any);
}

}  // namespace editor
