#pragma once

// Marks a text for Qt's lupdate, which collects it for translation in the context "Zarno"; here it
// stays the Finnish source text, and the window translates it when it shows it. The same
// definition as Qt's own, so that either may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
