// The window as a screen reader meets it: only Qt's accessible interfaces,
// no pixels and no coordinates.
#include <QAccessible>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <functional>

#include "tests/gui/GuiTestSupport.h"

namespace {

QAccessibleInterface* findPart(QAccessibleInterface* root, const std::function<bool(QAccessibleInterface*)>& wanted) {
    if (!root) return nullptr;
    if (wanted(root)) return root;
    for (int i = 0; i < root->childCount(); ++i)
        if (QAccessibleInterface* found = findPart(root->child(i), wanted)) return found;
    return nullptr;
}

QAccessibleInterface* named(QAccessibleInterface* root, QAccessible::Role role, const QString& start) {
    return findPart(root, [&](QAccessibleInterface* i) {
        return i->role() == role && i->text(QAccessible::Name).startsWith(start);
    });
}

// How many announcements the reader can review.
qsizetype announced(QAccessibleInterface* said) {
    const QString all = said->text(QAccessible::Description);
    return all.isEmpty() ? 0 : all.count('\n') + 1;
}

TEST(Accessibility, AReaderFindsTheProvincesGivesAnOrderEndsTheYearAndHearsWhatHappened) {
    Harness h;
    h.window->show();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(h.window.get());
    QAccessibleInterface* list = named(window, QAccessible::List, QStringLiteral("Provinces"));
    ASSERT_TRUE(list);
    ASSERT_EQ(list->childCount(), 30);
    // In map order, each told whole.
    for (int i = 0; i < 30; ++i)
        EXPECT_TRUE(list->child(i)
                        ->text(QAccessible::Name)
                        .startsWith(QString::fromStdString(h.game.provinceTable[std::size_t(i)]->name()) + '.'));
    for (const char* part : {"YEAR: 235 AD", "MILITARY REPORT", "Legend.", "Information line"})
        EXPECT_TRUE(named(window, QAccessible::StaticText, QString::fromLatin1(part))) << part;
    EXPECT_TRUE(named(window, QAccessible::StaticText, "Legend.")
                    ->text(QAccessible::Name)
                    .contains("Free land: white, with dots."));

    // A province with Roman legions ready, and the first place they may march to.
    QAccessibleInterface* from = findPart(list, [](QAccessibleInterface* i) {
        return i->role() == QAccessible::ListItem && !i->text(QAccessible::Name).contains("legions: 0 ready") &&
               i->text(QAccessible::Name).contains("Roman legions:");
    });
    ASSERT_TRUE(from);
    const QString fromText = from->text(QAccessible::Name);
    const QString toName =
        fromText.section(QStringLiteral("Marches to: "), 1).section(QRegularExpression("[,.]"), 0, 0);
    QAccessibleInterface* to = named(list, QAccessible::ListItem, toName + '.');
    ASSERT_TRUE(to) << toName.toStdString();
    QAccessibleInterface* said = findPart(window, [&](QAccessibleInterface* i) {
        return i->role() == QAccessible::StaticText && i->parent() == from->parent()->parent() &&
               i->parent()->indexOfChild(i) == i->parent()->childCount() - 1;
    });
    ASSERT_TRUE(said);

    from->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    EXPECT_TRUE(from->state().focused);
    EXPECT_EQ(said->text(QAccessible::Name),
              fromText.section(' ', 0, 0) + ' ' + fromText.section(QStringLiteral(". "), 1, 2) + '.');
    const qsizetype before = announced(said);
    from->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    to->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // The outcome is said once, and the list tells the legions where they now stand.
    const QString outcome = said->text(QAccessible::Name);
    EXPECT_TRUE(outcome.contains(toName)) << outcome.toStdString();
    // Taken up, the target highlighted, the outcome: each said once.
    EXPECT_EQ(announced(said), before + 3);
    EXPECT_NE(from->text(QAccessible::Name), fromText);

    // An order the rules refuse is said too: legions that have just moved cannot move again.
    to->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_NE(said->text(QAccessible::Name), outcome);

    QAccessibleInterface* map = named(window, QAccessible::Client, "The map of the Roman Empire");
    ASSERT_TRUE(map);
    ASSERT_TRUE(map->actionInterface()->actionNames().contains("End the year"));
    map->actionInterface()->doAction("End the year");
    EXPECT_EQ(h.game.year(), 236);
    EXPECT_TRUE(said->text(QAccessible::Name).startsWith("The year 235 AD"))
        << said->text(QAccessible::Name).toStdString();
    EXPECT_TRUE(named(window, QAccessible::StaticText, "YEAR: 236 AD"));
}

}  // namespace
