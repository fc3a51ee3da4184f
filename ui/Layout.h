#pragma once

#include <QRect>
#include <QString>

#include <optional>
#include <string>
#include <vector>

#include "ui/Controls.h"
#include "ui/Zarno.h"

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

// What a click on a control runs.
using Handler = void (Zarno::*)();

// One control as the window creates it, and everything that refers to it.
struct ControlSpec {
    QString name;  // also the widget's objectName
    ControlKind kind = ControlKind::label;
    std::string caption;  // the Finnish source text, translated when the control is made
    TwipRect rect;
    FontSpec font;
    bool hidden = false;
    bool sizedToText = false;   // grows to fit its caption
    std::optional<Control> in;  // the frame it lies in; else it lies on the window itself
    // How the window's rules and its captions address it, if they do.
    std::optional<Control> control;
    std::optional<LabelId> label;
    int tab = 0;                // its place in the Tab order, from 1; 0 when Tab passes it by
    Handler onClick = nullptr;  // for a combo box: choosing an entry of its list
};

inline constexpr TwipRect clientArea{0, 0, 6345, 7860};

// Every control of the window, containers before their contents.
const std::vector<ControlSpec>& windowLayout();

// Names of controls that come in families.
QString hitLabelName(int level, int hits);
QString winningsLabelName(int level);
QString numberBoxName(int index);
QString frameName(int level);

}  // namespace zarno::ui
