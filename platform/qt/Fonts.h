#pragma once

class QFont;

namespace zarno {

// The window's controls ask for MS Sans Serif. Where it is missing, this makes Qt use the font of
// the most similar metrics available. Safe to call more than once.
void installFontFallbacks();

// MS Sans Serif at a size in points as designed for 96 dots per inch, so that text keeps its
// proportion to the twip geometry whatever the screen's logical DPI.
QFont designFont(double points, bool bold = false, bool underline = false);

}  // namespace zarno
