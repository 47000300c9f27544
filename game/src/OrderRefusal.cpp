#include "game/src/OrderRefusal.h"

#include <QCoreApplication>

#include "engine/Game.h"

namespace {

QString tr(const char* text) { return QCoreApplication::translate("OrderRefusal", text); }
QString nameOf(const Province& p) { return QString::fromLatin1(p.name().c_str()); }

}  // namespace

QString orderRefusal(Game& game, const Province* source, const Province* target) {
    if (!source) return tr("No order: press on one of your legions, then drag it to a province.");
    const QString from = nameOf(*source);
    if (game.romans.countLegionsIn(*source) == 0) return tr("No order: there is no Roman legion in %1.").arg(from);
    if (!game.romans.hasReadyLegionIn(*source)) {
        for (const auto& l : game.romans.legions)
            if (l->province->sameAs(*source) && l->hasRoute && !l->moved)
                return tr("No order: the legions in %1 are already marching.").arg(from);
        return tr("No order: the legions in %1 have already moved this year.").arg(from);
    }
    if (!target) return tr("No order: there is no province there. Drop the legion on a province.");
    const QString to = nameOf(*target);
    if (target->sameAs(*source)) return tr("No order: drag the legions of %1 to another province.").arg(from);
    const bool neighbour = Province::isNeighbour(*target, *source) || Province::isNeighbour(*source, *target);
    if (target->isFrontier()) {
        const Empire* holder = game.ownerOf(*target);
        if (!holder || holder->countLegionsIn(*target) == 0)
            return tr("Frontier closed: our legions enter %1 only to attack an enemy army there.").arg(to);
        if (!neighbour)
            return tr("Too far: %1 can be attacked only from a province next to it.").arg(to);
    }
    if (game.findRoute(const_cast<Province&>(*source), const_cast<Province&>(*target)).size() < 2)
        return tr("No route: no way leads from %1 to %2.").arg(from, to);
    return tr("No order: no legion in %1 is free to march to %2.").arg(from, to);
}
