#pragma once

#include <QTimer>
#include <QWidget>

#include <array>
#include <atomic>
#include <memory>
#include <vector>

#include "core/Simulator.h"
#include "core/WindowPort.h"
#include "core/engine/Lottery.h"
#include "core/engine/RowEngine.h"
#include "core/text/Wording.h"
#include "platform/RuntimeServices.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace zarno {

class ChartWindow;

// The program's main window. It creates its controls from the layout table, runs the handlers the
// table gives them, and carries out what the simulation asks of its controls. A run goes on in
// ticks from the window's event loop: when the engine wakes it because rows are ready, and once a
// screen frame, which is also when the captions are presented.
class Zarno : public QWidget, public WindowPort {
    Q_OBJECT

public:
    Zarno(RuntimeServices& services, RowEngine& engine, QWidget* parent = nullptr);
    ~Zarno() override;

    Simulator& simulator() { return simulator_; }

    // Opens the chart window, or raises it when it is open.
    void cmdKaavio_Click();
    ChartWindow* chartWindow() const { return chart_.get(); }

    QWidget* widget(Control control) const { return controls_[static_cast<std::size_t>(control)]; }
    QPushButton* button(Control control) const;
    QComboBox* comboBox(Control control) const;
    QCheckBox* checkBox(Control control) const;
    QComboBox* numberBox(int index) const { return comboBox(zarno::numberBox(index)); }
    QGroupBox* frmZarno(int level) const;
    QLabel* label(LabelId id) const { return labels_[static_cast<std::size_t>(id.index())]; }

    // WindowPort
    std::string text(Control control) const override;
    int fastModeValue() const override;
    void setEnabled(Control control, bool enabled) override;
    void setVisible(Control control, bool visible) override;
    void addItem(Control control, std::string_view item) override;
    void setCaption(LabelId label, std::string_view caption) override;
    void setToolTip(LabelId label, std::string_view text) override;

    using QWidget::setEnabled;
    using QWidget::setToolTip;
    using QWidget::setVisible;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void setExpectations();
    // Commits the rows that are ready; presents the captions on a frame, or when no run goes on.
    void tick(bool frame);
    // From a worker thread: rows are ready. At most one wake waits in the event queue.
    void wake();
    Q_INVOKABLE void tickOnWake();

    RowEngine& engine_;
    Wording wording_;
    std::array<QWidget*, static_cast<std::size_t>(Control::count)> controls_{};
    std::array<QLabel*, LabelId::count> labels_{};
    std::vector<QWidget*> tabOrder_;
    QTimer frame_;
    std::atomic<bool> wakePosted_{false};
    Simulator simulator_;
    std::unique_ptr<ChartWindow> chart_;
    bool shown_ = false;
};

}  // namespace zarno
