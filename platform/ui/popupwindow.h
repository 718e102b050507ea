#pragma once
// Drop-down windows: top-level, frameless, kept above the other windows and
// placed in screen coordinates (their control's Left and Top), even while
// their control stands on a parent control. A popup that does not activate
// shows without taking the focus from the window that has it and never
// accepts the focus.
class QWidget;

enum class TPopupActivation { NoActivate, Activate };

// Makes the widget such a window and keeps it one whenever it is given
// another parent.
void MakePopupWindow(QWidget* Widget, TPopupActivation Activation);
