#pragma once
#include <QFile>
#include <QString>
#include <array>

// Work files of the ranking lists and of the component list by groups, all in
// Tp2 (WorkStr 11). Per method m (1 norm "s", 2 user list "a", 3 MIL-HDBK-217F
// "m"): "pfuiqs" + suffix the sub-Q-lists of "pol" at or above the limit "Qs%",
// "filebt" + suffix every merged component, "pfuibt" + suffix those at or above
// "Bt%"; each line carries its share of the method's total in its R section
// ("Pros", "Proa", "Prom"). "gr." + group: the component positions of one group
// with their effective quantity.

// The six component files the driver keeps open while the groups are merged:
// index m of pfuibt and filebt, 1..3.
struct ComponentRankingFiles {
    std::array<QFile, 4> pfuibt;
    std::array<QFile, 4> filebt;
    // Deletes old files and opens all six empty for appending; throws when one
    // cannot be opened.
    void open();
    void close();
};

// Writes the three "pfuiqs" files from "pol" (message 256 in the message list).
void PfuiQsDatei();

// Writes one "gr." file per component group from qpo, each component position
// with its quantity times the quantities of all enclosing sub-lists; the
// effective quantity of positions without a class code is added to unassigned.
void GruppenDateien(double& unassigned);

// Merges the components of one group file that agree in designation and stress
// data into one line with the summed quantity, rewrites the group file with
// them and appends each to the open component files of the methods with totals.
void PfuiBtDatei(const QString& path, ComponentRankingFiles& files);

// "ja" when the stored stress section agrees with the current one (WorkStr 6)
// in every key that changes a failure rate, else "nein".
void GleicheFeinDaten(const QString& stored, QString& result);

// Sorts the percent files "pfui" + kind ("qs" or "bt") of the methods of the run
// by descending share. A file of more than 100 lines is replaced by the line
// "ABBRUCH100" (with a message box unless ADruck) and the sort stops there.
void SortPfui(const QString& kind, bool ADruck);

// File suffix, result key and percent key of method m (1..3).
QString methodSuffix(int m);
QString percentKey(int m);
