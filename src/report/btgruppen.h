#pragma once
#include <QIODevice>

// Prints the merged components of the group files "gr.01" to "gr.99" of Tp2 in
// group order, as in the detail report, then the quantity of components that
// belong to no group (message 271) when there are any.
void DruckBtGruppen(double unassigned, bool MArchPage, bool M_ARSoList, bool M_ARBew);

// The component list of the result file: a title row, the column titles and
// units of the stored method, then one row per component of its component list
// file, each written to ergfile at once. A method without error-free totals gets
// the title and message 255 in WorkStr(21), for the caller to write.
void AusFileBtListe(bool M_ARBew, QIODevice& ergfile);
