#pragma once

#include <QTimer>
#include <QWidget>

#include <array>

#include "core/Levels.h"
#include "core/RowEngine.h"
#include "core/Simulator.h"
#include "core/WindowPort.h"
#include "platform/RuntimeServices.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace zarno {

// The program's one window. It creates its controls from the layout table, forwards their
// events to the simulation's handlers and carries out what the simulation asks of its controls.
class Zarno : public QWidget, public WindowPort {
    Q_OBJECT

public:
    Zarno(RuntimeServices& services, RowEngine& engine, QWidget* parent = nullptr);

    Simulator& simulator() { return simulator_; }

    QCheckBox* chkFast = nullptr;
    QLabel* lblZarno = nullptr;
    QPushButton* cmdExit = nullptr;
    QLabel* lblTaso = nullptr;
    QComboBox* cmbTaso = nullptr;
    QLabel* lblRiveja = nullptr;
    QLabel* lblArvontoja = nullptr;
    QLabel* txtTasot = nullptr;
    std::array<QComboBox*, numberBoxes> cmbNumero{};
    QPushButton* cmdAloitaArvonta = nullptr;
    QPushButton* cmdReset = nullptr;
    QPushButton* cmdTauko = nullptr;
    QPushButton* cmdJatka = nullptr;

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
    // Runs a handler that may draw rows, presenting the results once per screen frame meanwhile.
    template <class Handler>
    void whileDrawing(Handler handler);
    void connectHandlers();
    void setTabOrder();
    QWidget* widget(Control control) const { return controls_[static_cast<std::size_t>(control)]; }

    RuntimeServices& services_;
    char separator_;
    std::array<QWidget*, static_cast<std::size_t>(Control::count)> controls_{};
    std::array<QLabel*, LabelId::count> labels_{};
    // Repainting costs far more than a row, so while rows are drawn the results reach the
    // labels at most once per screen frame.
    QTimer frame_;
    int drawing_ = 0;  // nested draw loops under way
    Simulator simulator_;
    bool shown_ = false;
};

}  // namespace zarno
