#include "ui/Layout.h"

#include <array>
#include <cmath>

#include "core/Texts.h"

namespace zarno::ui {
namespace {

constexpr FontSpec headingFont{9.75, true, false};

// The result frames: all at the same corner and width, differing in height; inside, one label
// per hit count from L at the top down to 0, then the winnings label.
struct FrameRow {
    int level;
    int height;
    int winningsTop;
};
constexpr std::array<FrameRow, 9> frames{{
    {2, 1935, 1560},
    {3, 2295, 1800},
    {4, 2775, 2280},
    {5, 3135, 2640},
    {6, 3495, 3000},
    {7, 3975, 3360},
    {8, 4335, 3720},
    {9, 4695, 4080},
    {10, 4935, 4440},
}};
constexpr TwipRect frameCorner{2040, 1440, 3375, 0};

// Captions up to 4 000 000 000 rows must stay readable: the result labels are wider than
// designed and reach to the frame's inner edge.
constexpr int resultLabelLeft = 120;
constexpr int resultLabelWidth = 3135;
constexpr int hitLabelTop = 360;
constexpr int hitLabelStep = 360;
constexpr int resultLabelHeight = 255;

std::vector<ControlSpec> buildLayout() {
    using K = ControlKind;
    std::vector<ControlSpec> layout = {
        {.name = "chkFast",
         .kind = K::checkBox,
         .caption = qtext(texts::fastMode),
         .rect = {120, 120, 1095, 255}},
        {.name = "lblZarno",
         .kind = K::label,
         .caption = qtext(texts::title),
         .rect = {2760, 120, 930, 435},
         .font = {18, true, true},
         .sizedToText = true},
        {.name = "cmdExit",
         .kind = K::button,
         .caption = qtext(texts::quit),
         .rect = {5040, 120, 1095, 375}},
        {.name = "lblTaso",
         .kind = K::label,
         .caption = qtext(texts::levelHeading),
         .rect = {360, 600, 615, 255},
         .font = headingFont},
        {.name = "cmbTaso", .kind = K::editableCombo, .caption = "2", .rect = {360, 960, 615, 315}},
        {.name = "lblRiveja",
         .kind = K::label,
         .caption = qtext(texts::rowsDrawn),
         .rect = {1920, 960, 2670, 195},
         .sizedToText = true},
        {.name = "lblArvontoja", .kind = K::label, .caption = "0", .rect = {4600, 960, 1455, 255}},
        {.name = "txtTasot",
         .kind = K::label,
         .caption = qtext(texts::numbersHeading),
         .rect = {360, 1440, 1095, 255},
         .font = headingFont},
    };
    for (int i = 0; i < numberBoxes; ++i) {
        layout.push_back({.name = numberBoxName(i),
                          .kind = K::listCombo,
                          .rect = {360, 1800 + 480 * i, 1215, 315}});
    }
    for (const FrameRow& frame : frames) {
        TwipRect rect = frameCorner;
        rect.height = frame.height;
        layout.push_back({.name = frameName(frame.level),
                          .kind = K::frame,
                          .caption = qtext(texts::frame) + QString::number(frame.level),
                          .rect = rect,
                          .hidden = true,
                          .level = frame.level});
        for (int k = frame.level; k >= 0; --k) {
            const int top = hitLabelTop + hitLabelStep * (frame.level - k);
            layout.push_back({.name = hitLabelName(frame.level, k),
                              .kind = K::label,
                              .caption = qtext(texts::hitsLabel[static_cast<std::size_t>(k)]),
                              .rect = {resultLabelLeft, top, resultLabelWidth, resultLabelHeight},
                              .level = frame.level});
        }
        layout.push_back(
            {.name = winningsLabelName(frame.level),
             .kind = K::label,
             .caption = qtext(texts::winningsHeading),
             .rect = {resultLabelLeft, frame.winningsTop, resultLabelWidth, resultLabelHeight},
             .level = frame.level});
    }
    const ControlSpec buttons[] = {
        {.name = "cmdAloitaArvonta",
         .kind = K::button,
         .caption = qtext(texts::start),
         .rect = {2160, 6960, 1695, 495},
         .font = {12, true, false}},
        {.name = "cmdReset",
         .kind = K::button,
         .caption = qtext(texts::startOver),
         .rect = {240, 7080, 1335, 375},
         .hidden = true},
        {.name = "cmdTauko",
         .kind = K::button,
         .caption = qtext(texts::pause),
         .rect = {4200, 7080, 1335, 375}},
        {.name = "cmdJatka",
         .kind = K::button,
         .caption = qtext(texts::resume),
         .rect = {4200, 7080, 1335, 375},
         .hidden = true},
    };
    layout.insert(layout.end(), std::begin(buttons), std::end(buttons));
    return layout;
}

}  // namespace

QRect toPixels(const TwipRect& twips) {
    const auto px = [](int t) { return static_cast<int>(std::lround(t / double{twipsPerPixel})); };
    return QRect(px(twips.left), px(twips.top), px(twips.width), px(twips.height));
}

const std::vector<ControlSpec>& windowLayout() {
    static const std::vector<ControlSpec> layout = buildLayout();
    return layout;
}

const std::vector<QString>& tabOrder() {
    static const std::vector<QString> order = [] {
        std::vector<QString> names;
        for (int i = 0; i < numberBoxes; ++i) {
            names.push_back(numberBoxName(i));
        }
        for (const char* name : {"cmdAloitaArvonta", "cmdExit", "cmdJatka", "cmbTaso", "cmdTauko",
                                 "cmdReset", "chkFast"}) {
            names.push_back(QString::fromLatin1(name));
        }
        return names;
    }();
    return order;
}

QString numberBoxName(int index) {
    return QStringLiteral("cmbNumero(%1)").arg(index);
}

QString frameName(int level) {
    return QStringLiteral("frmZarno%1").arg(level);
}

// The names keep two irregular spellings: lblzarno22 is all lower case, and the winnings labels
// of levels 2 and 3 end in a lower-case "voitot".
QString hitLabelName(int level, int hits) {
    if (level == 2 && hits == 2) {
        return QStringLiteral("lblzarno22");
    }
    return QStringLiteral("lblZarno%1%2").arg(level).arg(hits);
}

QString winningsLabelName(int level) {
    return QStringLiteral("lblZarno%1%2").arg(level).arg(level <= 3 ? "voitot" : "Voitot");
}

QString controlName(Control control) {
    const int value = static_cast<int>(control);
    if (value >= static_cast<int>(Control::frmZarno2)) {
        return frameName(value - static_cast<int>(Control::frmZarno2) + minLevel);
    }
    if (value >= static_cast<int>(Control::cmbNumero0)) {
        return numberBoxName(value - static_cast<int>(Control::cmbNumero0));
    }
    static const std::array<const char*, 7> names = {
        "cmdAloitaArvonta", "cmdTauko", "cmdJatka", "cmdReset", "cmdExit", "cmbTaso", "chkFast"};
    return QString::fromLatin1(names[static_cast<std::size_t>(value)]);
}

QString labelName(LabelId label) {
    if (label == LabelId::rowCounter()) {
        return QStringLiteral("lblArvontoja");
    }
    for (int level = minLevel; level <= maxLevel; ++level) {
        if (label == LabelId::winnings(level)) {
            return winningsLabelName(level);
        }
        for (int k = 0; k <= level; ++k) {
            if (label == LabelId::hits(level, k)) {
                return hitLabelName(level, k);
            }
        }
    }
    return {};
}

}  // namespace zarno::ui
