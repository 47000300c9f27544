// The editor in the pseudo language the build makes, every text marked and
// 40 % longer than the English, as German, French, Italian or Spanish may be: no word of
// the window, its painted scene or its dialogs may be cut off or run into
// another, at the desk's 1366x768 and at the window's smallest size.
// With AUROVANE_EDITOR_SHOTS=folder every screen is also saved there.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <functional>

#include "EditorFixture.h"
#include "editor/EditorWindow.h"
#include "editor/Messages.h"
#include "editor/SelectionPanel.h"
#include "qtcommon/CatalogueTranslator.h"
#include "qtcommon/LanguageMenu.h"
#include "qtcommon/view/MapDrawing.h"

namespace editor::test {
namespace {

// The advisor's words in the advisor's box, as the program shows them.
class BoxAdvisor : public Presenter {
public:
    void tell(const std::string& text) override { showMessageBox(nullptr, {}, text); }
    bool askWithLabels(const std::string& text, const std::string&, const std::string&) override {
        tell(text);
        return false;
    }
};

// The words of `top` and its children that their boxes cut: a label, button
// or list of choices smaller than its text needs, or reaching out of its window.
QStringList cutTexts(QWidget* top) {
    QStringList cut;
    QList<QWidget*> widgets = top->findChildren<QWidget*>();
    widgets.prepend(top);
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(top) && w != top) continue;
        auto* label = qobject_cast<QLabel*>(w);
        QString text = label ? label->text() : QString();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) text = b->text();
        if (auto* c = qobject_cast<QComboBox*>(w)) text = c->currentText();
        if (text.isEmpty() || (!label && !qobject_cast<QAbstractButton*>(w) && !qobject_cast<QComboBox*>(w))) continue;
        const QSize need = label && label->wordWrap() ? QSize(0, label->heightForWidth(w->width())) : w->minimumSizeHint();
        const QRect inTop(w->mapTo(top, QPoint(0, 0)), w->size());
        if (w->width() < need.width() || w->height() < need.height() || !top->rect().contains(inTop))
            cut << QStringLiteral("%1 %2x%3 needs %4x%5: %6")
                       .arg(QString::fromLatin1(w->metaObject()->className()))
                       .arg(w->width()).arg(w->height()).arg(need.width()).arg(need.height()).arg(text.left(40));
    }
    return cut;
}

// The window's own questions and welcome, shown as the program shows them.
class OpenWindow : public EditorWindow {
public:
    using EditorWindow::EditorWindow;
    using EditorWindow::askDiscardChanges;
    using EditorWindow::showWelcome;
    // Never the real game: the message that it is missing.
    QString gameProgram() const override { return {}; }
};

std::string told(const QStringList& cut) { return cut.join(QLatin1Char('\n')).toStdString(); }

class LongerLanguage : public EditorFixture {
protected:
    void SetUp() override {
        testApplication();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QString problem;
        longer = CatalogueTranslator::fromFile(QStringLiteral(AUROVANE_PSEUDO_CATALOGUE), problem);
        ASSERT_TRUE(longer) << problem.toStdString();
        QCoreApplication::installTranslator(longer.get());
        EditorFixture::SetUp();
        setMessageBoxHandler({});
        game().setPresenter(&boxes);
        pictures.load();
        setMessagePictures(&pictures);
        // Shown below, where the test looks at it.
        session->welcomeShown = true;
        window = std::make_unique<OpenWindow>(*session, pictures);
    }
    void TearDown() override {
        window.reset();
        setMessagePictures(nullptr);
        EditorFixture::TearDown();
        QCoreApplication::removeTranslator(longer.get());
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void shoot(QWidget* w, const QString& name) {
        const QString folder = qEnvironmentVariable("AUROVANE_EDITOR_SHOTS");
        if (!folder.isEmpty()) w->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
    }

    // Opens whatever `open` shows modally, looks at it, then closes it.
    QStringList cutInModal(const QString& name, const std::function<void()>& open) {
        QStringList cut;
        bool seen = false;
        QTimer look;
        QObject::connect(&look, &QTimer::timeout, [&] {
            QWidget* shown = QApplication::activeModalWidget();
            if (!shown || seen) return;
            seen = true;
            shoot(shown, name);
            cut << cutTexts(shown);
            if (shown->width() > 1366 || shown->height() > 768) cut << name + QStringLiteral(" is larger than the screen");
            if (auto* d = qobject_cast<QDialog*>(shown)) d->reject();
            else shown->close();
        });
        look.start(20);
        open();
        EXPECT_TRUE(seen) << name.toStdString();
        return cut;
    }

    // The painted scene's words: the status line's pieces apart and on the
    // scene, the notes within their column.
    QStringList cutInScene() {
        QStringList cut;
        const QFontMetrics fm(view::screenFont());
        int end = 0;
        for (const EditorWindow::PlacedLabel& l : window->statusLine()) {
            if (l.x < end) cut << QStringLiteral("status piece over the one before: ") + l.text;
            end = l.x + fm.horizontalAdvance(l.text) + fm.averageCharWidth();
            if (l.x + fm.horizontalAdvance(l.text) > EditorWindow::SceneWidth) cut << QStringLiteral("status piece off the scene: ") + l.text;
        }
        // The notes' column leaves the scene's right edge bare: a word painted there ran past it.
        const QImage scene = window->renderScene();
        for (int y = 0; y < EditorWindow::SceneHeight; ++y)
            for (int x = EditorWindow::SceneWidth - 12; x < EditorWindow::SceneWidth; ++x)
                if (scene.pixel(x, y) != qRgb(0, 0, 0)) return cut << QStringLiteral("the notes run off the scene");
        return cut;
    }

    std::unique_ptr<CatalogueTranslator> longer;
    BoxAdvisor boxes;
    view::Pictures pictures;
    std::unique_ptr<OpenWindow> window;
};

TEST_F(LongerLanguage, NoWordOfTheWindowTheSceneOrADialogIsCut) {
    for (const QSize size : {QSize(1366, 768), window->minimumSizeHint()}) {
        SCOPED_TRACE(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString());
        window->resize(size);
        window->show();
        session->select(&province("Italia"));
        window->panel().refresh();
        window->pointerAt(QPoint(windowPointIn(province("Italia")).first, windowPointIn(province("Italia")).second));
        QApplication::processEvents();
        shoot(window.get(), QStringLiteral("editor-%1x%2").arg(size.width()).arg(size.height()));
        EXPECT_EQ(told(cutTexts(window.get()) + cutInScene()), "");
    }
    EXPECT_EQ(told(cutInModal("options", [&] { window->optionsCommand(); })), "");
    EXPECT_EQ(told(cutInModal("briefing", [&] { window->briefingCommand(); })), "");
    EXPECT_EQ(told(cutInModal("help", [&] { window->helpCommand(); })), "");
    EXPECT_EQ(told(cutInModal("about", [&] { window->aboutCommand(); })), "");
    EXPECT_EQ(told(cutInModal("welcome", [&] { window->showWelcome(); })), "");
    EXPECT_EQ(told(cutInModal("discard", [&] { window->askDiscardChanges(); })), "");
    EXPECT_EQ(told(cutInModal("no-game", [&] { window->playCommand(); })), "");
    EXPECT_EQ(told(cutInModal("open", [&] { window->loadCommand(); })), "");
    EXPECT_EQ(told(cutInModal("save", [&] { window->saveAsCommand(); })), "");
    EXPECT_EQ(told(cutInModal("language", [&] { showMessageBox(window.get(), "Language", languageChosenText("es").toStdString()); })), "");
    QMenu* menu = window->buildProvinceMenu(window.get());
    menu->popup(QPoint(200, 200));
    QApplication::processEvents();
    shoot(menu, QStringLiteral("province-menu"));
    EXPECT_EQ(told(cutTexts(menu)), "");
    delete menu;
}

}  // namespace
}  // namespace editor::test
