#pragma once

#include <QWidget>

#include <array>

#include "ControlText.h"
#include "Levels.h"
#include "RandomNumbers.h"
#include "RuntimeServices.h"
#include "Simulator.h"
#include "WindowPort.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace zarno {

// The program's one window. It creates its controls from the layout table, forwards their
// events to the simulation's handlers and carries out what the simulation asks of the window.
class Zarno : public QWidget, public WindowPort {
    Q_OBJECT

public:
    Zarno(RuntimeServices& services, RandomNumbers& random, QWidget* parent = nullptr);

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
    const ControlText& levelText() const override { return levelText_; }
    std::span<const ControlText, numberBoxes> numberTexts() const override { return numberTexts_; }
    int fastModeValue() const override;
    void setEnabled(Control control, bool enabled) override;
    void setVisible(Control control, bool visible) override;
    void addItem(Control control, std::string_view item) override;
    void setCaption(LabelId label, std::string_view caption) override;
    void showMessage(std::string_view text) override;
    void pumpEvents() override;
    void endProgram() override;

    using QWidget::setEnabled;
    using QWidget::setVisible;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    // Runs a handler that may draw rows; captions are presented when it returns.
    template <class Handler>
    void whileDrawing(Handler handler);
    void presentCaptions();
    void connectHandlers();
    void setTabOrder();
    void trackText(QComboBox* box, ControlText& text);
    QWidget* widget(Control control) const { return controls_[static_cast<std::size_t>(control)]; }

    RuntimeServices& services_;
    char separator_;
    ControlText levelText_;
    std::array<ControlText, numberBoxes> numberTexts_;
    std::array<QWidget*, static_cast<std::size_t>(Control::count)> controls_{};
    std::array<QLabel*, LabelId::count> labels_{};
    // The latest caption of every label. While rows are drawn they reach the labels at most
    // once per screen frame, since repainting costs far more than a row; otherwise at once.
    std::array<std::string, LabelId::count> captions_;
    std::array<bool, LabelId::count> captionPending_{};
    bool anyCaptionPending_ = false;
    int drawing_ = 0;  // nested draw loops under way
    std::uint64_t nextFrame_ = 0;
    std::uint64_t frameInterval_ = 0;
    Simulator simulator_;
    bool shown_ = false;
};

}  // namespace zarno
