#pragma once

#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <tuple>

#include "core/document/LessonDocument.h"
#include "core/engine/StartThread.h"
#include "core/odds/LawCache.h"
#include "core/odds/LessonOdds.h"
#include "core/text/Wording.h"

class QCustomPlot;
class QLabel;
class QPagedPaintDevice;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTableWidget;

namespace zarno {

class IconArray;
struct LessonDrawing;

// The lesson, for a pupil in a class or a player at home, in four steps: how one plays, a guess at
// what that brings, the years lived among a thousand players who play alike, and the truth beside
// the guesses and the exact law. The thousand players' rows come from the same engine as every
// run; the exact law is worked out on a thread of its own.
class LessonWindow : public QWidget {
    Q_OBJECT

public:
    enum Step { playStep, guessStep, liveStep, truthStep };

    explicit LessonWindow(const Wording& wording, QWidget* parent = nullptr);
    ~LessonWindow() override;

    // The main window's level, and its numbers where they make a ticket of it.
    void setPlay(int level, std::optional<std::array<int, numberBoxes>> numbers);

    QStackedWidget* steps() const { return steps_; }
    QPushButton* previous() const { return previous_; }
    QPushButton* next() const { return next_; }
    QSpinBox* level() const { return level_; }
    QSpinBox* rowsPerWeek() const { return rowsPerWeek_; }
    QSpinBox* years() const { return years_; }
    QSpinBox* aheadGuess() const { return aheadGuess_; }
    QSpinBox* payoutGuess() const { return payoutGuess_; }
    QSpinBox* medianGuess() const { return medianGuess_; }
    IconArray* iconArray() const { return icons_; }
    QCustomPlot* fan() const { return fan_; }
    QTableWidget* truth() const { return truth_; }
    QTableWidget* rowShares() const { return rowShares_; }
    // The lesson as lived, once the thousand players are drawn.
    const std::optional<Lesson>& lesson() const { return lesson_; }
    // The year the icon array shows, 0 before the first.
    int yearShown() const { return yearShown_; }

    // Draws a new thousand players, and lets their years pass.
    void playYears();
    // Shows the last year at once.
    void showAtOnce();
    void saveAnswers();
    void saveAnswersTo(const QString& file);
    void saveReport();
    void saveReportTo(const QString& file);

signals:
    // The years are lived: every year shown, the truth ready to be seen.
    void lived();
    // From the working threads: rows are ready, or the exact law.
    void rowsReady();
    void lawReady();

private:
    using LawKey = std::tuple<int, int, int>;  // level, rows a week, years

    void goTo(int step);
    void choicesChanged();
    Play play() const;
    LessonGuesses guesses() const;
    void drawRows();
    void showYear(int year);
    void drawYear();
    void showTruth();
    const odds::LessonLaw* law();
    bool paintReport(QPagedPaintDevice& device);
    QString text(std::string_view finnish) const;

    const Wording& wording_;
    std::array<int, numberBoxes> numbers_{};
    bool numbersPicked_ = false;
    QStackedWidget* steps_;
    QPushButton* previous_;
    QPushButton* next_;
    QSpinBox* level_;
    QSpinBox* rowsPerWeek_;
    QSpinBox* years_;
    QLabel* stake_;
    QLabel* numbersLine_;
    QSpinBox* aheadGuess_;
    QSpinBox* payoutGuess_;
    QSpinBox* medianGuess_;
    QPushButton* play_;
    QPushButton* atOnce_;
    QLabel* seedLine_;
    QLabel* yearLine_;
    IconArray* icons_;
    QCustomPlot* fan_;
    QTableWidget* truth_;
    QLabel* kept_;
    QTableWidget* rowShares_;
    QPushButton* saveAnswers_;
    QPushButton* saveReport_;
    QTimer yearTimer_;
    int yearShown_ = 0;
    bool showAll_ = false;
    std::unique_ptr<LessonDrawing> drawing_;
    std::optional<Lesson> lesson_;
    odds::LawCache<LawKey, odds::LessonLaw> laws_;
};

}  // namespace zarno
