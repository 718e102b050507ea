#pragma once
// The exit and enter messages of a focus change. CM_EXIT goes to the
// control that loses the focus and to each of its parents that the focus
// leaves altogether, innermost first; CM_ENTER goes to each control the
// focus comes into from outside, outermost first, down to the one that
// takes it. The focus moving between a control and its own children leaves
// and enters nothing; a form (a control without a parent) hears only of its
// own widget's focus. Another window, or none, counts as outside.
class TControl;

// Starts following the focus; called before a control can take it.
void FollowFocusChanges();

// For the control whose widget is losing the focus, before its WM_KILLFOCUS.
void SendFocusExits(TControl* Losing);
// For the control whose widget took the focus, after its WM_SETFOCUS.
void SendFocusEnters(TControl* Taking);
