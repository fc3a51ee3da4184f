#include "ui/Layout.h"

#include <array>
#include <cmath>

#include "core/text/Texts.h"

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

// The Tab order: the number boxes first, then the rest in this order.
constexpr int tabAfterBoxes = numberBoxes;

std::vector<ControlSpec> buildLayout() {
    using K = ControlKind;
    std::vector<ControlSpec> layout = {
        {.name = "chkFast",
         .kind = K::checkBox,
         .caption = std::string(texts::fastMode),
         .rect = {120, 120, 1095, 255},
         .control = Control::chkFast,
         .tab = tabAfterBoxes + 7},
        {.name = "lblZarno",
         .kind = K::label,
         .caption = std::string(texts::title),
         .rect = {2760, 120, 930, 435},
         .font = {18, true, true},
         .sizedToText = true},
        {.name = "cmdExit",
         .kind = K::button,
         .caption = std::string(texts::quit),
         .rect = {5040, 120, 1095, 375},
         .tab = tabAfterBoxes + 2,
         .onClick = &Zarno::cmdExit_Click},
        {.name = "lblTaso",
         .kind = K::label,
         .caption = std::string(texts::levelHeading),
         .rect = {360, 600, 615, 255},
         .font = headingFont},
        {.name = "cmbTaso",
         .kind = K::editableCombo,
         .caption = "2",
         .rect = {360, 960, 615, 315},
         .control = Control::cmbTaso,
         .tab = tabAfterBoxes + 4,
         .onClick = &Zarno::cmbTaso_Click},
        {.name = "lblRiveja",
         .kind = K::label,
         .caption = std::string(texts::rowsDrawn),
         .rect = {1920, 960, 2670, 195},
         .sizedToText = true},
        {.name = "lblArvontoja",
         .kind = K::label,
         .caption = "0",
         .rect = {4600, 960, 1455, 255},
         .label = LabelId::rowCounter()},
        {.name = "txtTasot",
         .kind = K::label,
         .caption = std::string(texts::numbersHeading),
         .rect = {360, 1440, 1095, 255},
         .font = headingFont},
    };
    for (int i = 0; i < numberBoxes; ++i) {
        layout.push_back({.name = numberBoxName(i),
                          .kind = K::listCombo,
                          .rect = {360, 1800 + 480 * i, 1215, 315},
                          .control = numberBox(i),
                          .tab = 1 + i});
    }
    for (const FrameRow& frame : frames) {
        TwipRect rect = frameCorner;
        rect.height = frame.height;
        const Control container = levelFrame(frame.level);
        layout.push_back({.name = frameName(frame.level),
                          .kind = K::frame,
                          .caption = std::string(texts::frame) + std::to_string(frame.level),
                          .rect = rect,
                          .hidden = true,
                          .control = container});
        for (int k = frame.level; k >= 0; --k) {
            const int top = hitLabelTop + hitLabelStep * (frame.level - k);
            layout.push_back({.name = hitLabelName(frame.level, k),
                              .kind = K::label,
                              .caption = std::string(texts::hitsLabel[static_cast<std::size_t>(k)]),
                              .rect = {resultLabelLeft, top, resultLabelWidth, resultLabelHeight},
                              .in = container,
                              .label = LabelId::hits(frame.level, k)});
        }
        layout.push_back(
            {.name = winningsLabelName(frame.level),
             .kind = K::label,
             .caption = std::string(texts::winningsHeading),
             .rect = {resultLabelLeft, frame.winningsTop, resultLabelWidth, resultLabelHeight},
             .in = container,
             .label = LabelId::winnings(frame.level)});
    }
    const ControlSpec buttons[] = {
        {.name = "cmdAloitaArvonta",
         .kind = K::button,
         .caption = std::string(texts::start),
         .rect = {2160, 6960, 1695, 495},
         .font = {12, true, false},
         .control = Control::cmdAloitaArvonta,
         .tab = tabAfterBoxes + 1,
         .onClick = &Zarno::cmdAloitaArvonta_Click},
        {.name = "cmdReset",
         .kind = K::button,
         .caption = std::string(texts::startOver),
         .rect = {240, 7080, 1335, 375},
         .hidden = true,
         .control = Control::cmdReset,
         .tab = tabAfterBoxes + 6,
         .onClick = &Zarno::cmdReset_Click},
        {.name = "cmdTauko",
         .kind = K::button,
         .caption = std::string(texts::pause),
         .rect = {4200, 7080, 1335, 375},
         .control = Control::cmdTauko,
         .tab = tabAfterBoxes + 5,
         .onClick = &Zarno::cmdTauko_Click},
        {.name = "cmdJatka",
         .kind = K::button,
         .caption = std::string(texts::resume),
         .rect = {4200, 7080, 1335, 375},
         .hidden = true,
         .control = Control::cmdJatka,
         .tab = tabAfterBoxes + 3,
         .onClick = &Zarno::cmdJatka_Click},
        // In the space right of the result frames, which no control uses at any level.
        {.name = "cmdKaavio",
         .kind = K::button,
         .caption = std::string(texts::chartButton),
         .rect = {5520, 1440, 735, 375},
         .tab = tabAfterBoxes + 8,
         .onClick = &Zarno::cmdKaavio_Click},
        // Under the number boxes, which end above it at every level.
        {.name = "cmdOppitunti",
         .kind = K::button,
         .caption = std::string(texts::lessonButton),
         .rect = {360, 6540, 1215, 375},
         .tab = tabAfterBoxes + 9,
         .onClick = &Zarno::cmdOppitunti_Click},
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

}  // namespace zarno::ui
