#include "game/src/QuizDialog.h"

#include <QButtonGroup>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QVBoxLayout>

#include "qtcommon/PrefectDialog.h"
#include "qtcommon/view/MapDrawing.h"

std::vector<QuizQuestion> quizQuestions(const QString& page) {
    // The page's list reads {q: "...", a: ["...", ...], right: N}.
    static const QRegularExpression item(
        QStringLiteral("\\{\\s*q:\\s*\"([^\"]*)\",\\s*a:\\s*\\[([^\\]]*)\\],\\s*right:\\s*(\\d+)\\s*\\}"));
    static const QRegularExpression quoted(QStringLiteral("\"([^\"]*)\""));
    std::vector<QuizQuestion> out;
    for (auto it = item.globalMatch(page); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QuizQuestion q{m.captured(1), {}, m.captured(3).toInt()};
        for (auto a = quoted.globalMatch(m.captured(2)); a.hasNext();) q.answers << a.next().captured(1);
        if (q.right >= 0 && q.right < q.answers.size()) out.push_back(q);
    }
    return out;
}

std::optional<QuizMarking> quizMarking(const QString& page) {
    static const QRegularExpression object(QStringLiteral("const marking = \\{([^}]*)\\}"));
    static const QRegularExpression member(QStringLiteral("(\\w+):\\s*(?:\"([^\"]*)\"|(\\d+))"));
    const QRegularExpressionMatch m = object.match(page);
    if (!m.hasMatch()) return std::nullopt;
    QuizMarking marking;
    const std::pair<const char*, QString*> words[] = {
        {"correct", &marking.correct}, {"notQuite", &marking.notQuite}, {"noAnswer", &marking.noAnswer},
        {"score", &marking.score},     {"allRight", &marking.allRight}, {"passed", &marking.passed},
        {"failed", &marking.failed}};
    for (auto it = member.globalMatch(m.captured(1)); it.hasNext();) {
        const QRegularExpressionMatch w = it.next();
        if (w.captured(1) == QLatin1String("passMark")) marking.passMark = w.captured(3).toInt();
        for (const auto& [name, text] : words)
            if (w.captured(1) == QLatin1String(name)) *text = w.captured(2);
    }
    return marking;
}

QuizDialog::QuizDialog(QWidget* parent, std::vector<QuizQuestion> questions, QuizMarking marking)
    : QDialog(parent), scale_(dialogScaleFor(parent)), questions_(std::move(questions)), marking_(std::move(marking)) {
    setWindowTitle(tr("Quiz: the Late Roman Empire"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setStyleSheet(parchmentButtonStyle(scale_) +
                  QStringLiteral("QLabel, QRadioButton { color: #2b1d0e; } QScrollArea, QScrollArea > QWidget > QWidget"
                                 " { background: transparent; border: 0; }"));
    QFont body = view::screenFont();
    body.setPixelSize(view::textPixels(int(17 * scale_ + 0.5)));
    setFont(body);

    auto* page = new QWidget;
    auto* list = new QVBoxLayout(page);
    for (std::size_t i = 0; i < questions_.size(); ++i) {
        auto* title = new QLabel(QStringLiteral("%1. %2").arg(i + 1).arg(questions_[i].question), page);
        title->setWordWrap(true);
        QFont bold = body;
        bold.setBold(true);
        title->setFont(bold);
        list->addWidget(title);
        auto* group = new QButtonGroup(page);
        for (int j = 0; j < questions_[i].answers.size(); ++j) {
            auto* answer = new QRadioButton(questions_[i].answers[j], page);
            // A reader moving among the answers hears what they answer.
            answer->setAccessibleDescription(title->text());
            group->addButton(answer, j);
            list->addWidget(answer);
        }
        groups_.push_back(group);
        auto* verdict = new QLabel(page);
        verdicts_.push_back(verdict);
        list->addWidget(verdict);
    }
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);

    score_ = new QLabel(this);
    score_->setWordWrap(true);
    auto* checkButton = new QPushButton(tr("Check my answers"), this);
    auto* againButton = new QPushButton(tr("Start again"), this);
    auto* closeButton = new QPushButton(tr("Close"), this);
    connect(checkButton, &QPushButton::clicked, this, [this] { check(); });
    connect(againButton, &QPushButton::clicked, this, [this] { startAgain(); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(checkButton);
    buttons->addWidget(againButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    const int margin = int(20 * scale_);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addWidget(scroll, 1);
    layout->addWidget(score_);
    layout->addLayout(buttons);
    if (parent) resize(parent->window()->size() * 3 / 4);
    checkButton->setDefault(true);
}

int QuizDialog::check() {
    int right = 0;
    for (std::size_t i = 0; i < questions_.size(); ++i) {
        const int chosen = groups_[i]->checkedId();
        const QuizQuestion& q = questions_[i];
        if (chosen == q.right) {
            ++right;
            verdicts_[i]->setStyleSheet(QStringLiteral("color: #14561e;"));
            verdicts_[i]->setText(marking_.correct);
        } else {
            verdicts_[i]->setStyleSheet(QStringLiteral("color: #a01414;"));
            verdicts_[i]->setText((chosen < 0 ? marking_.noAnswer : marking_.notQuite).arg(q.answers[q.right]));
        }
    }
    const int all = int(questions_.size());
    const QString words = right == all                 ? marking_.allRight
                          : right >= marking_.passMark ? marking_.passed
                                                       : marking_.failed;
    score_->setText(marking_.score.arg(right).arg(all) + QLatin1Char(' ') + words);
    return right;
}

void QuizDialog::startAgain() {
    for (QButtonGroup* g : groups_) {
        g->setExclusive(false);
        for (QAbstractButton* b : g->buttons()) b->setChecked(false);
        g->setExclusive(true);
    }
    for (QLabel* v : verdicts_) v->clear();
    score_->clear();
}

QString QuizDialog::score() const { return score_->text(); }

void QuizDialog::paintEvent(QPaintEvent*) { paintParchment(this, scale_); }

bool QuizDialog::showQuiz(QWidget* parent, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QString page = QString::fromUtf8(file.readAll());
    std::vector<QuizQuestion> questions = quizQuestions(page);
    const std::optional<QuizMarking> marking = quizMarking(page);
    if (questions.empty() || !marking) return false;
    QuizDialog d(parent, std::move(questions), *marking);
    d.exec();
    return true;
}
