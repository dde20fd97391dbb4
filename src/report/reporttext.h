#pragma once
#include <QString>
#include <QStringList>
#include <array>

// Small helpers shared by the report sections.

// Error counters of a run, indexed -1 to 3 as the report reads them: -1 missing
// sub-Q-lists, 0 codes that bar every method, 1..3 codes that bar one method.
struct ErrCounts {
    std::array<int, 5> n{};
    int& operator[](int i) { return n[size_t(i + 1)]; }
    int operator[](int i) const { return n[size_t(i + 1)]; }
};

// Message text in a language, converted from the OEM code page (printed lines,
// result-file rows, window lines).
QString msgAnsi(int id, int language, const QStringList& args = {});
// Message text in a language, kept in the OEM code page (listing records).
QString msgOem(int id, int language, const QStringList& args = {});

// The numeric value of a key of a parameter string (0 when missing).
double numParam(const QString& list, const QString& key);

// Result keys of the three methods by the report's method index 1..3.
inline const std::array<QString, 4> kResultKeys = {QString(), QStringLiteral("Fit"), QStringLiteral("Fita"),
                                                   QStringLiteral("Fitm")};

// The listing record buffer WorkStr(22) set to letter, text and the end mark,
// padded or cut to the record length.
void setListRecord(const QString& letter, const QString& text);

// Width of a text in the current print font.
double printWidth(const QString& text);

// Design path of a work file in a scratch directory (WorkStr slot 10 or 11).
QString scratchFile(int slot, const QString& name);
