#pragma once
// Copy, cut, paste and clearing of the data grid's selection (or, with
// ForAll, of the whole grid). A copy puts the selection on the clipboard
// as text, "Csv", "Rich Text Format" and "VCLDBIF" together; a paste reads
// "VCLDBIF" when the clipboard holds it, else text.
class TCustomDBGridLt;

// The registered clipboard formats of the grid.
unsigned VCLDBIFClipboardFormat();
unsigned CsvClipboardFormat();
unsigned RtfClipboardFormat();

void CopyGridToClipboard(TCustomDBGridLt* Grid, bool ForAll);
// Copies, then clears.
void CutGridToClipboard(TCustomDBGridLt* Grid, bool ForAll);
void PasteGridFromClipboard(TCustomDBGridLt* Grid, bool ForAll);
// Deletes the marked records (or every record for the whole grid) or
// empties the fields of the selected cells or columns, after asking when
// the grid's Options hold dgConfirmDelete.
void ClearGridSelection(TCustomDBGridLt* Grid, bool ForAll);
