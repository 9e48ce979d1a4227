#pragma once

#include <QPropertyAnimation>
#include <QWidget>
#include <TamsuToolKit/Export.h>

// Category NSWindow (Fade). NSWindow maps to a top-level QWidget; the alpha to
// QWidget::windowOpacity, animated by a QPropertyAnimation owned by the window.
// Starting one fade stops a fade still running on the same window.
namespace TamsuToolKit::Fade {

inline constexpr int FadeDurationMs = 300;

// Opacity 0, show, raise and activate, then animate the opacity to 1.
TAMSUTOOLKIT_EXPORT QPropertyAnimation* fadeIn(QWidget* window);

// Animate the opacity to 0. The window stays shown, fully transparent; hiding it
// is the caller's business (the returned animation's finished() helps).
TAMSUTOOLKIT_EXPORT QPropertyAnimation* fadeOut(QWidget* window);

} // namespace TamsuToolKit::Fade
