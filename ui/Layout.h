#pragma once

#include <QRect>
#include <QString>

#include <string_view>
#include <vector>

#include "core/WindowPort.h"
#include "platform/qt/QtText.h"

namespace zarno::ui {

// Positions and sizes are designed in twips: 1440 to the inch, 15 to a device-independent
// pixel at 96 dots per inch. Qt's high-DPI scaling takes it from there.
inline constexpr int twipsPerPixel = 15;

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

QRect toPixels(const TwipRect& twips);

enum class ControlKind { button, checkBox, label, editableCombo, listCombo, frame };

struct FontSpec {
    double points = 8.25;  // MS Sans Serif
    bool bold = false;
    bool underline = false;
};

// One control as the window creates it.
struct ControlSpec {
    QString name;  // also the widget's objectName
    ControlKind kind = ControlKind::label;
    QString caption;
    TwipRect rect;
    FontSpec font;
    bool hidden = false;
    bool sizedToText = false;  // grows to fit its caption
    // A frame's own level; for a result label, the level of the frame it lies in; else 0, for a
    // control that lies on the window itself.
    int level = 0;
};

inline constexpr TwipRect clientArea{0, 0, 6345, 7860};

// Every control of the window, containers before their contents.
const std::vector<ControlSpec>& windowLayout();

// The order in which Tab moves through the controls.
const std::vector<QString>& tabOrder();

// Names of the controls and labels the simulation addresses.
QString controlName(Control control);
QString labelName(LabelId label);
QString hitLabelName(int level, int hits);
QString winningsLabelName(int level);
QString numberBoxName(int index);
QString frameName(int level);

}  // namespace zarno::ui
