#pragma once
// Qt tells only the application object that the desktop's palette changed;
// RelayPaletteChanges passes it on to every widget, as a style change
// reaches every widget, so controls redraw what they drew ahead of time in
// the old colours. TApplication::Initialize calls it.
void RelayPaletteChanges();
