#include "game/src/ScreenAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <memory>
#include <vector>

#include "client/ProvinceDescription.h"
#include "engine/Game.h"
#include "game/src/MainWindow.h"
#include "qtcommon/view/MapDrawing.h"

namespace screenaccess {

void Announcements::add(const QString& text) {
    recent.append(text);
    while (recent.size() > Kept) recent.removeFirst();
}

namespace {

QString phrases(const std::vector<ScreenPhrase>& parts) {
    QStringList words;
    for (const ScreenPhrase& p : parts) words << view::screenText(p.form, p.args);
    return words.join(QLatin1Char(' '));
}

QString lines(const std::vector<GameScreen::TextLine>& shown) {
    QStringList words;
    for (const GameScreen::TextLine& l : shown) words << l.text.trimmed();
    return words.join(QStringLiteral(". "));
}

// The parts after the province list, in the order a reader walks them.
enum class Part { Provinces, Economy, Military, Legend, InfoLine, News, Announcement, Count };

class ScreenInterface;

// A part of the screen, or (`province` >= 0) an item of the province list.
// Parts have no object of their own: the screen's interface owns them.
class PartInterface : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PartInterface(ScreenInterface& screen, Part part, int province = -1)
        : screen_(screen), part_(part), province_(province) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface && province_ >= 0 ? static_cast<QAccessibleActionInterface*>(this)
                                                                      : nullptr;
    }

    // A province: "SetFocus" puts the keyboard's highlight on it, "Press"
    // does what Enter does there (takes its legions up, or sends them there).
    QStringList actionNames() const override { return {setFocusAction(), pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& name) override;

private:
    ScreenInterface& screen_;
    Part part_;
    int province_;
};

class ScreenInterface : public QAccessibleWidget {
public:
    explicit ScreenInterface(ScreenWidget* w) : QAccessibleWidget(w, QAccessible::Client) {
        for (int i = 0; i < int(Part::Count); ++i) registerPart(std::make_unique<PartInterface>(*this, Part(i)));
        for (int i = 0; i < ProvinceCount; ++i)
            registerPart(std::make_unique<PartInterface>(*this, Part::Provinces, i));
    }
    ~ScreenInterface() override {
        for (QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
    }

    ScreenWidget& screen() const { return *static_cast<ScreenWidget*>(widget()); }
    MainWindow& mainWindow() const { return screen().mainWindow(); }
    PartInterface* part(Part p) const { return parts_[std::size_t(p)]; }
    PartInterface* province(int i) const {
        return i >= 0 && i < ProvinceCount ? parts_[std::size_t(int(Part::Count) + i)] : nullptr;
    }
    int indexOfPart(const QAccessibleInterface* p) const {
        for (int i = 0; i < int(Part::Count); ++i)
            if (parts_[std::size_t(i)] == p) return i;
        return -1;
    }
    int indexOfProvince(const QAccessibleInterface* p) const {
        for (int i = 0; i < ProvinceCount; ++i)
            if (province(i) == p) return i;
        return -1;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return QCoreApplication::translate("ScreenAccessible", "The map of the Roman Empire");
        if (t == QAccessible::Description)
            return QCoreApplication::translate(
                "ScreenAccessible",
                "The provinces are a list; arrow keys or a name's first letters move the highlight, Enter "
                "takes the legions there up and Enter again sends them, Escape puts them down, E or Space "
                "ends the year.");
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return int(Part::Count); }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < int(Part::Count) ? part(Part(index)) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override { return indexOfPart(child); }
    QAccessibleInterface* focusChild() const override {
        const Province* cursor = mainWindow().keyboard().cursor();
        return cursor ? province(mainWindow().game().indexOf(*cursor)) : nullptr;
    }

    // The year's end is the screen's own action, as the right button and E are.
    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << endYearAction(); }
    void doAction(const QString& name) override {
        if (name == endYearAction())
            mainWindow().giveOrder({CarryOrder::Kind::EndTurn});
        else
            QAccessibleWidget::doAction(name);
    }
    static QString endYearAction() { return QCoreApplication::translate("ScreenAccessible", "End the year"); }

    // A layout rectangle on the desktop.
    QRect onScreen(const QRect& layout) const {
        const QRectF target = screen().targetRect();
        const qreal s = target.width() / mainWindow().gameScreen().layoutSize().width();
        const QRectF r(target.x() + layout.x() * s, target.y() + layout.y() * s, layout.width() * s,
                       layout.height() * s);
        return QRect(screen().mapToGlobal(r.topLeft().toPoint()), r.size().toSize());
    }

private:
    void registerPart(std::unique_ptr<PartInterface> p) {
        parts_.push_back(p.get());
        ids_.push_back(QAccessible::registerAccessibleInterface(p.release()));
    }
    std::vector<PartInterface*> parts_;
    std::vector<QAccessible::Id> ids_;
};

bool PartInterface::isValid() const { return screen_.isValid(); }
QWindow* PartInterface::window() const { return screen_.QAccessibleWidget::window(); }

QAccessibleInterface* PartInterface::parent() const {
    return province_ >= 0 ? static_cast<QAccessibleInterface*>(screen_.part(Part::Provinces)) : &screen_;
}

int PartInterface::childCount() const { return part_ == Part::Provinces && province_ < 0 ? ProvinceCount : 0; }

QAccessibleInterface* PartInterface::child(int index) const {
    return part_ == Part::Provinces && province_ < 0 ? screen_.province(index) : nullptr;
}

int PartInterface::indexOfChild(const QAccessibleInterface* child) const {
    return part_ == Part::Provinces && province_ < 0 ? screen_.indexOfProvince(child) : -1;
}

QAccessible::Role PartInterface::role() const {
    if (province_ >= 0) return QAccessible::ListItem;
    return part_ == Part::Provinces ? QAccessible::List : QAccessible::StaticText;
}

QAccessible::State PartInterface::state() const {
    QAccessible::State s;
    if (province_ >= 0) {
        s.focusable = s.selectable = true;
        const Province* cursor = screen_.mainWindow().keyboard().cursor();
        s.focused = s.selected = cursor && screen_.mainWindow().game().indexOf(*cursor) == province_;
    } else {
        s.readOnly = true;
    }
    return s;
}

QString PartInterface::text(QAccessible::Text t) const {
    MainWindow& w = screen_.mainWindow();
    const GameScreen& screen = w.gameScreen();
    const Game& game = w.game();
    if (province_ >= 0) {
        const Province* p = game.provinceAtIndex(province_);
        if (!p) return {};
        // The whole description is the item's name: a reader moving down the
        // list hears every fact the map shows, the province's name first.
        if (t == QAccessible::Name) return phrases(provinceDescription(game, *p));
        return {};
    }
    if (t == QAccessible::Description && part_ == Part::Announcement)
        return screen_.screen().announcements.recent.join(QLatin1Char('\n'));
    if (t != QAccessible::Name && t != QAccessible::Value) return {};
    switch (part_) {
        case Part::Provinces:
            return t == QAccessible::Name ? QCoreApplication::translate("ScreenAccessible", "Provinces") : QString();
        case Part::Economy: return lines(screen.economicReportLines());
        case Part::Military: return lines(screen.militaryReportLines());
        case Part::Legend:
            return QCoreApplication::translate("ScreenAccessible", "Legend.") + QLatin1Char(' ') +
                   phrases(legendDescription());
        case Part::InfoLine: {
            if (!screen.notice().isEmpty()) return screen.notice();
            const Province* shown = screen.hoveredProvince();
            if (!shown) return QCoreApplication::translate("ScreenAccessible", "Information line: no province shown.");
            return phrases(provinceDescription(game, *shown));
        }
        case Part::News: {
            const view::NewsPanel& panel = screen.newsPanel();
            if (!panel.isShown()) return QCoreApplication::translate("ScreenAccessible", "No year's news shown.");
            QStringList words{panel.title};
            for (const view::NewsPanel::Line& l : panel.lines) words << l.text;
            words << panel.footer;
            return words.join(QStringLiteral(". "));
        }
        case Part::Announcement: {
            const QStringList& recent = screen_.screen().announcements.recent;
            return recent.isEmpty() ? QString() : recent.last();
        }
        case Part::Count: break;
    }
    return {};
}

QRect PartInterface::rect() const {
    const int o = screen_.mainWindow().gameScreen().screenOffsetX();
    if (province_ >= 0) {
        const Province* p = screen_.mainWindow().game().provinceAtIndex(province_);
        if (!p) return {};
        const QPoint spot = view::legionSpot(*p, o);
        return screen_.onScreen(QRect(spot, QSize(LegionBoxWidth + 1, LegionBoxHeight + 1)));
    }
    switch (part_) {
        case Part::Provinces:
        case Part::News:
            return screen_.onScreen(QRect(o + view::MapLeft, view::MapTop, view::MapWidth, view::MapHeight));
        case Part::Economy: return screen_.onScreen(QRect(o + 1000, 90, 330, 210));
        case Part::Military: return screen_.onScreen(QRect(o + 1000, 310, 330, 300));
        case Part::Legend: return screen_.onScreen(QRect(o, 40, 170, 560));
        case Part::InfoLine:
        case Part::Announcement: {
            const view::LayoutRect& f = view::InfoFrame;
            return screen_.onScreen(QRect(o + f.x, f.y, f.w, f.h));
        }
        case Part::Count: break;
    }
    return {};
}

void PartInterface::doAction(const QString& name) {
    MainWindow& w = screen_.mainWindow();
    const Province* p = w.game().provinceAtIndex(province_);
    if (!p) return;
    if (name == setFocusAction() || name == pressAction()) w.highlightProvince(*p);
    if (name == pressAction()) w.chooseHighlighted();
}

QAccessibleInterface* screenFactory(const QString&, QObject* object) {
    if (auto* screen = dynamic_cast<ScreenWidget*>(object)) return new ScreenInterface(screen);
    return nullptr;
}

ScreenInterface* screenInterface(ScreenWidget* screen) {
    return dynamic_cast<ScreenInterface*>(QAccessible::queryAccessibleInterface(screen));
}

}  // namespace

void install() {
    static const bool installed = [] {
        QAccessible::installFactory(screenFactory);
        return true;
    }();
    (void)installed;
}

void announce(ScreenWidget* screen, const QString& text) {
    if (!screen || text.isEmpty()) return;
    screen->announcements.add(text);
    ScreenInterface* iface = screenInterface(screen);
    if (!iface) return;
    // Qt 6.4 has no announcement event: a reader hears a changed name of a
    // part it watches, and an alert at once.
    QAccessibleEvent changed(iface->part(Part::Announcement), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    QAccessibleEvent alert(iface->part(Part::Announcement), QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void highlightMoved(ScreenWidget* screen, int tableIndex) {
    ScreenInterface* iface = screenInterface(screen);
    if (!iface || !iface->province(tableIndex) || !screen->hasFocus()) return;
    QAccessibleEvent focus(iface->province(tableIndex), QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

}  // namespace screenaccess
