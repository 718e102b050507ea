#pragma once
// What the grid library sets up when it loads and takes down when it
// unloads: the storage interceptors of the columns (a column's stored width
// under automatic fitting, a collection's stored column order) and the
// program's default grid style.
class TDBGridLtStyle;

// The style grids use unless given another; nullptr once the library has
// shut down.
TDBGridLtStyle* DefaultGridStyle();
