#pragma once
// The look of the standard controls at the sizes the windows were laid out
// for: check boxes and radio buttons have a 13-pixel box or ring with their
// caption 4 pixels after it, as on the desktop the descriptions come from.
// TApplication::Initialize puts it over the window system's own style.
void UseDesktopStyle();
