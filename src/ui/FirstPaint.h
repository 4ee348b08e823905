#pragma once
class QWidget;

namespace tw {

// For timing start-up from outside: with TANKWISE_QUIT_AFTER_FIRST_PAINT set in the
// environment, the program ends as soon as `window` has been painted once. Nothing
// happens otherwise.
void QuitAfterFirstPaintIfAsked(QWidget* window);

}  // namespace tw
