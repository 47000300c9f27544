#include "editor/SelectionPanel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <vector>

#include "editor/EditorSession.h"
#include "editor/PowerNames.h"
#include "engine/Game.h"

namespace editor {

SelectionPanel::SelectionPanel(EditorSession& session, QWidget* parent) : QWidget(parent), session_(session) {
    Game& game = session.game();
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("provinces"));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (Province* p : game.provinceTable) {
        auto* item = new QListWidgetItem(list_);
        item->setData(Qt::UserRole, game.indexOf(*p));
    }
    auto* listLabel = new QLabel(tr("P&rovinces (Shift or Ctrl for more):"), this);
    listLabel->setBuddy(list_);

    holder_ = new QComboBox(this);
    holder_->setObjectName(QStringLiteral("holder"));
    const auto powers = game.empires();
    std::vector<Empire*> choices(powers.begin(), powers.end());
    choices.push_back(nullptr);
    for (Empire* e : choices)
        holder_->addItem(powerName(game, e), QVariant::fromValue(static_cast<void*>(e)));
    setHolder_ = new QPushButton(tr("Se&t holder"), this);

    count_ = new QSpinBox(this);
    count_->setObjectName(QStringLiteral("count"));
    count_->setRange(1, MaxLegionsAtOnce);
    add_ = new QPushButton(tr("&Add"), this);
    remove_ = new QPushButton(tr("Re&move"), this);

    auto* form = new QFormLayout;
    auto* holderRow = new QHBoxLayout;
    holderRow->addWidget(holder_, 1);
    holderRow->addWidget(setHolder_);
    form->addRow(tr("Hol&der:"), holderRow);
    auto* legionRow = new QHBoxLayout;
    legionRow->addWidget(count_);
    legionRow->addWidget(add_);
    legionRow->addWidget(remove_);
    form->addRow(tr("Le&gions:"), legionRow);
    // The form's labels take the mnemonics to their fields.
    for (int row = 0; row < form->rowCount(); ++row)
        if (auto* label = qobject_cast<QLabel*>(form->itemAt(row, QFormLayout::LabelRole)->widget()))
            label->setBuddy(row == 0 ? static_cast<QWidget*>(holder_) : count_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listLabel);
    layout->addWidget(list_, 1);
    layout->addLayout(form);

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
        const QString name = QString::fromStdString(p.name());
        item->setText(legions == 1 ? tr("%1 - %2, 1 legion").arg(name, powerName(game, holder))
                                   : tr("%1 - %2, %3 legions").arg(name, powerName(game, holder)).arg(legions));
        item->setSelected(session_.isSelected(p));
    }
    refreshing_ = false;
    updateButtons();
}

void SelectionPanel::takeListSelection() {
    if (refreshing_) return;
    std::vector<Province*> chosen;
    // In the order the map lists them: the list shows the table's order.
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
