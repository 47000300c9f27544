#include "game/src/OrderOutcome.h"

#include <QCoreApplication>

#include "model/Province.h"

namespace {

QString tr(const char* text) { return QCoreApplication::translate("OrderOutcome", text); }
QString nameOf(const Province& p) { return QString::fromLatin1(p.name().c_str()); }

}  // namespace

QString orderOutcome(OrderResult result, const Province& source, const Province& target) {
    const QString from = nameOf(source);
    const QString to = nameOf(target);
    switch (result) {
        case OrderResult::Moved: return tr("A legion moved from %1 to %2.").arg(from, to);
        case OrderResult::Occupied: return tr("A legion occupied %1: no enemy defended it.").arg(to);
        case OrderResult::Won: return tr("Victory: %1 is ours.").arg(to);
        case OrderResult::Raided: return tr("Our raid into %1 won the battle; the legion returns to %2.").arg(to, from);
        case OrderResult::Fought: return tr("We won the battle in %1, but enemy legions still hold it.").arg(to);
        case OrderResult::Lost: return tr("Our attack on %1 failed: one legion lost.").arg(to);
        case OrderResult::Marching: return tr("A legion marches from %1 to %2.").arg(from, to);
        case OrderResult::NoLegion: return tr("No order: no Roman legion in %1 can go.").arg(from);
        case OrderResult::NotReady: return tr("No order: the legions in %1 are already marching.").arg(from);
        case OrderResult::AllMoved: return tr("No order: the legions in %1 have already moved this year.").arg(from);
        case OrderResult::SameProvince: return tr("No order: drag the legions of %1 to another province.").arg(from);
        case OrderResult::FrontierClosed:
            return tr("Frontier closed: our legions enter %1 only to attack an enemy army there.").arg(to);
        case OrderResult::NoRoute:
            if (target.isFrontier()) return tr("Too far: %1 can be attacked only from a province next to it.").arg(to);
            return tr("No route: no way leads from %1 to %2.").arg(from, to);
    }
    return {};
}

QString nothingPickedUp() { return tr("No order: press on one of your legions, then drag it to a province."); }

QString noProvinceThere() { return tr("No order: there is no province there. Drop the legion on a province."); }
