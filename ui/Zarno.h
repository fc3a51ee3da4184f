#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/rules/RunControl.h"
#include "core/series/Series.h"
#include "core/text/Wording.h"
#include "ui/Controls.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace zarno {

class ChartWindow;
class LessonWindow;

// The program's main window: a view of a series and the controls that drive it. It creates its
// controls from the layout table, and each click runs one transition of the run's rules, whose
// state alone decides every control's flags. Rows are committed in ticks from the event loop:
// when the engine wakes the window because rows are ready, and once a screen frame, which is also
// when the captions are presented. Messages are modal to the window and open without an event
// loop of their own; while one shows, no row is committed.
class Zarno : public QWidget {
    Q_OBJECT

public:
    explicit Zarno(Series& series, QWidget* parent = nullptr);
    ~Zarno() override;

    // What a click runs, as the layout table gives it; for the level box, choosing an entry of
    // its list.
    void cmdAloitaArvonta_Click();
    void cmdTauko_Click();
    void cmdJatka_Click();
    void cmdReset_Click();
    void cmdExit_Click();
    void cmbTaso_Click();
    // Opens the chart window, or raises it when it is open.
    void cmdKaavio_Click();
    // Opens the lesson, or raises it, its play the level and the numbers the window holds.
    void cmdOppitunti_Click();

    // Commits the rows that are ready until the deadline, as the event loop's ticks do; presents
    // the captions on a frame, or when the run has stopped. Commits nothing while a message shows.
    Tick tick(Series::Deadline deadline, bool frame = false);

    const RunControl& run() const { return run_; }
    // The message the window shows, if one is open.
    QMessageBox* message() const { return message_; }
    ChartWindow* chartWindow() const { return chart_.get(); }
    LessonWindow* lessonWindow() const { return lesson_.get(); }

    QWidget* widget(Control control) const { return controls_[static_cast<std::size_t>(control)]; }
    QPushButton* button(Control control) const;
    QComboBox* comboBox(Control control) const;
    QCheckBox* checkBox(Control control) const;
    QComboBox* numberBox(int index) const { return comboBox(zarno::numberBox(index)); }
    QGroupBox* frmZarno(int level) const;
    QLabel* label(LabelId id) const { return labels_[static_cast<std::size_t>(id.index())]; }

signals:
    // Quit was clicked or the window closed: the program is to end.
    void quitRequested();
    // Rows are ready, or more are to be committed after the events that wait: emitted on any
    // thread, taken on the window's.
    void rowsReady();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void setExpectations();
    // What the form holds, read when a run starts or continues.
    std::optional<double> levelValue() const;
    Entries entries() const;
    // The play the chart shows: the series' own, or before it has a row one of the level the level
    // box names.
    Play chartPlay() const;
    // After a transition: the controls as its state has them, and a tick, so that a stopped run
    // presents its last figures at once.
    void transitioned(std::optional<Refusal> refusal = std::nullopt);
    void applyRunState();
    void presentCaptions();
    void presentJackpot(const SeriesSnapshot& now);
    // A message, with a check box of `choice` under its text where one is given.
    void showMessage(const QString& text, const QString& choice = {});
    void quit();
    // From a worker thread: rows are ready. At most one wake waits in the event queue.
    void wake();
    void tickOnWake();

    Series& series_;
    RunControl run_;
    Wording wording_;
    std::array<QWidget*, static_cast<std::size_t>(Control::count)> controls_{};
    std::array<QLabel*, LabelId::count> labels_{};
    std::vector<QWidget*> tabOrder_;
    QTimer frame_;
    std::atomic<bool> wakePosted_{false};
    QPointer<QMessageBox> message_;
    std::unique_ptr<ChartWindow> chart_;
    std::unique_ptr<LessonWindow> lesson_;
    SeriesSnapshot presented_;  // what the captions show
    std::string caption_;       // reused for every caption
    bool shown_ = false;
};

}  // namespace zarno
