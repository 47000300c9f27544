#pragma once
// The quiz inside the game: the questions of the quiz page (one copy of them,
// in the page), each with its answers to choose from, checked on request.
#include <QCoreApplication>
#include <QDialog>
#include <optional>
#include <vector>

class QButtonGroup;
class QLabel;

struct QuizQuestion {
    QString question;
    QStringList answers;
    int right = 0;
};

// How the page marks the answers: its verdicts' words (%1 the right answer;
// in `score` %1 the right ones, %2 all) and the score that earns `passed`.
struct QuizMarking {
    int passMark = 0;
    QString correct, notQuite, noAnswer, score, allRight, passed, failed;
};

// The questions of the quiz page's list; none when the page holds none.
std::vector<QuizQuestion> quizQuestions(const QString& pageHtml);
// The page's marking; nullopt when the page has none.
std::optional<QuizMarking> quizMarking(const QString& pageHtml);

class QuizDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(QuizDialog)
public:
    QuizDialog(QWidget* parent, std::vector<QuizQuestion> questions, QuizMarking marking);

    // Marks every answer and gives the score; how many were right.
    int check();
    // Clears every choice and mark.
    void startAgain();
    QButtonGroup* choices(std::size_t question) const { return groups_[question]; }
    QString score() const;

    // Shows the quiz of the page at `path` modally; false when the page holds no quiz.
    static bool showQuiz(QWidget* parent, const QString& path);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    qreal scale_;
    std::vector<QuizQuestion> questions_;
    QuizMarking marking_;
    std::vector<QButtonGroup*> groups_;
    std::vector<QLabel*> verdicts_;
    QLabel* score_ = nullptr;
};
