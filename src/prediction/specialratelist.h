#pragma once
#include <QHash>
#include <QString>
#include <optional>

// The user's special failure-rate list, a workbook read once at the start of a
// prediction pass. Its sheet "VERS" holds the column "Version", its sheet "AR"
// the columns "Bezeichnung" (designation), "AR" (failure rate) and "TSA" (kind
// of designation: "S" item number, "A" user number, "T" type); the column names
// stand in the first row. The program only reads the list.
struct SpecialRateList {
    // The highest version as three characters ("12" gives "012"); nullopt when
    // the list holds no version.
    std::optional<QString> version;

    // The rate of a designation of a kind, with "." as decimal point; nullopt
    // when the list does not hold it. Designations and kinds are compared
    // without regard to case, as the list was always searched.
    std::optional<QString> rate(const QString& designation, const QString& kind) const;

    // (designation, kind), both upper-cased -> rate; the first row of a pair wins.
    QHash<QString, QString> rates;

    static QString keyOf(const QString& designation, const QString& kind);
};

// Reads the list from the workbook at a native path. nullopt when the file
// cannot be read or lacks a sheet or column; error then names the file.
std::optional<SpecialRateList> readSpecialRateList(const QString& path, QString* error);
