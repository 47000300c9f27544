// The window in the pseudo language, every text marked and 40 % longer, as
// German, French, Italian and Spanish texts can run: the lines painted on the
// screen stay in their boxes and no dialog cuts off its words.
#include <QAbstractButton>
#include <QLabel>
#include <QLibraryInfo>
#include <QPainter>
#include <gtest/gtest.h>

#include "qtcommon/CatalogueTranslator.h"
#include "game/src/PageViewer.h"
#include "game/src/QuizDialog.h"
#include "qtcommon/FatalErrors.h"
#include "rules/LessonTable.h"
#include "tests/gui/GuiTestSupport.h"

namespace {

struct LongerLanguage {
    LongerLanguage() {
        testApp();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QString problem;
        longer = CatalogueTranslator::fromFile(QStringLiteral(AUROVANE_PSEUDO_CATALOGUE), problem);
        EXPECT_TRUE(longer) << problem.toStdString();
        if (longer) QCoreApplication::installTranslator(longer.get());
        // Qt's own words (the file dialog's) in one of the long languages.
        if (qt.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt);
    }
    ~LongerLanguage() {
        QCoreApplication::removeTranslator(&qt);
        if (longer) QCoreApplication::removeTranslator(longer.get());
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    std::unique_ptr<CatalogueTranslator> longer;
    QTranslator qt;
};

// The rightmost column a drawing inks in the rows from `top` to `top + height`.
int inkRight(const std::function<void(QPainter&)>& draw, int top, int height = 30) {
    QImage image(view::LayoutWidth + 400, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.translate(0, -top);
    draw(p);
    p.end();
    int right = -1;
    for (int y = 0; y < height; ++y)
        for (int x = image.width() - 1; x > right; --x)
            if (qAlpha(reinterpret_cast<const QRgb*>(image.constScanLine(y))[x])) right = x;
    return right;
}

// What of a dialog is cut off: a label or a button smaller than its words need.
QStringList clippedParts(QWidget& dialog) {
    QStringList found;
    const QString name = dialog.metaObject()->className() + QStringLiteral(" '") + dialog.windowTitle() + "': ";
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&dialog)) continue;
        const auto* label = qobject_cast<QLabel*>(w);
        const auto* button = qobject_cast<QAbstractButton*>(w);
        const QSize least = w->minimumSizeHint();
        if ((label || button) && (w->width() < least.width() || w->height() < least.height() ||
                                  (label && label->wordWrap() && label->height() < label->heightForWidth(label->width()))))
            found << name + (label ? label->text() : button->text()).left(40);
    }
    return found;
}

// Runs `open`, looking at each modal dialog it shows and closing it.
QStringList clippedInDialogs(const std::function<void()>& open) {
    QStringList found;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&found] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget()); d && d->isVisible()) {
            found << clippedParts(*d);
            d->reject();
        }
    });
    look.start(20);
    open();
    return found;
}

TEST(LongerLanguage, TheScreensPaintedLinesStayInTheirBoxes) {
    LongerLanguage language;
    Harness h;
    h.window->show();
    // A year played: the reports and the chronicle of its news.
    h.window->rightRelease(QPoint());
    std::vector<GameScreen::TextLine> lines = h.screen.economicReportLines();
    for (const GameScreen::TextLine& l : h.screen.militaryReportLines()) lines.push_back(l);
    ASSERT_GT(lines.size(), 12u) << "the year's news in the chronicle";
    QStringList outside;
    const auto inkOf = [](const GameScreen::TextLine& l) { return inkRight([&l](QPainter& p) { GameScreen::drawLines(p, {l}); }, l.y); };
    std::vector<const Province*> shown{nullptr};
    shown.insert(shown.end(), h.game.provinceTable.begin(), h.game.provinceTable.end());
    for (const Province* p : shown) {
        const GameScreen::InfoLine info = h.screen.provinceInfo(p);
        lines.insert(lines.end(), info.texts.begin(), info.texts.end());
        // The coins stand between the tax value's words and the attributes.
        if (!info.coins.empty() && (inkOf(info.texts[1]) >= info.coins.front().first || info.coins.back().first + 20 >= info.texts[2].x))
            outside << QStringLiteral("the coins of ") + info.texts[0].text;
    }
    ASSERT_GT(lines.size(), 100u);
    constexpr int Ink = 1;  // a glyph's ink may reach a pixel past its advance
    for (const GameScreen::TextLine& l : lines)
        if (const int right = inkOf(l); l.width <= 0 || right > l.x + l.width + Ink)
            outside << QStringLiteral("%1 (to %2 of %3)").arg(l.text).arg(right).arg(l.x + l.width);
    for (const view::ScenePiece& piece : view::legendPieces(h.pictures, 0))
        if (piece.look.startsWith(QStringLiteral("legend text")) &&
            inkRight(piece.draw, piece.area.top(), piece.area.height()) > view::LegendTextRight + Ink)
            outside << piece.look;
    EXPECT_TRUE(outside.isEmpty()) << outside.join(QStringLiteral("\n  ")).toStdString();
}

TEST(LongerLanguage, NoDialogCutsOffItsWordsOrButtons) {
    LongerLanguage language;
    Harness h;
    h.window->show();
    QStringList clipped;
    h.window->advisor().beforeExec = [&clipped](AdvisorDialog& d) {
        QTimer::singleShot(0, &d, [&clipped, &d] {
            clipped << clippedParts(d);
            d.reject();
        });
    };
    // The Prefect's message, question and question with answers of its own.
    h.window->tell(Message{MessageId::WelcomeQuestion, {}});
    h.window->ask(Message{MessageId::WelcomeQuestion, {}});
    h.window->askWithLabels(Message{MessageId::SettleTribe, {"Gallia"}}, Message{MessageId::Farmers, {}},
                            Message{MessageId::Soldiers, {}});
    // The pages and the quiz as the game shows them, the files, About, a
    // lesson, the results and the end on an internal error.
    h.window->openUrl = [w = h.window.get()](const QUrl& url) {
        return (url.fileName() == QLatin1String("quiz.html") && QuizDialog::showQuiz(w, url.toLocalFile())) ||
               PageViewer::showPage(w, url);
    };
    for (int command : {Command::About, Command::Quiz, Command::Tutorial, Command::Load, Command::Save})
        clipped << clippedInDialogs([&] { h.window->action(command)->trigger(); });
    h.window->lessonShown = nullptr;
    h.window->resultsShown = nullptr;
    clipped << clippedInDialogs([&] { h.window->showHistoryLesson(LessonTable.front()); });
    clipped << clippedInDialogs([&] { h.window->results(0, 0, 0); });
    clipped << clippedInDialogs([] { reportInternalError(nullptr, "the order book is torn", true); });
    EXPECT_TRUE(clipped.isEmpty()) << clipped.join(QStringLiteral("\n  ")).toStdString();
}

}  // namespace
