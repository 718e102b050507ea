#pragma once
// Changing a picture behind its change handler's back, for an image that
// converts or clears its own picture.
class TGraphic;
class TPicture;

// Sets the picture's graphic (a copy; nullptr clears it) without calling
// the picture's OnChange; the handler stays, also when setting fails.
void SetGraphicQuietly(TPicture& Picture, const TGraphic* Graphic);
