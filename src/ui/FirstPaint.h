#pragma once
class QWidget;

namespace tw {

// For timing start-up from outside: with TANKWISE_QUIT_AFTER_FIRST_PAINT set in the
// environment, the program prints "first paint at N" (N: the system's steady clock in
// nanoseconds, which every process shares) as soon as `window` has been painted once,
// and ends. Nothing happens otherwise.
void QuitAfterFirstPaintIfAsked(QWidget* window);

}  // namespace tw
