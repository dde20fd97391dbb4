#pragma once
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// Program-wide state of the Q-list report: the run totals that the sections
// read, the SYLK cursor of the result file and the report flags. Lives in
// Program; reached through reportState().
//
// Method index m: 1 norm YK 70412 ("Fit"), 2 user list ("Fita"), 3 MIL-HDBK-217F
// ("Fitm"); kind j: 0 mean, 1 minimum, 2 maximum. Index 0 of the method
// dimension is unused, so the code reads like the tables of the report.
using MethodTotals = std::array<std::array<double, 3>, 4>;

struct ReportState {
    // Totals of the run; PosList re-uses FitSum and FitSumHw as block sums, so
    // every section that reads the run totals from them runs before it.
    MethodTotals FitSum{};
    std::array<double, 4> FitSumHw{};
    // FitSum of each method that is free of errors in the run, zero otherwise.
    MethodTotals FitSumOk{};
    // Per component group g (0..n): GrpSum[g][0][0] the effective quantity,
    // GrpSum[g][m][j] the totals of method m of kind j.
    std::vector<MethodTotals> GrpSum;

    // Running cursor of the SYLK result file, reset by the driver per run.
    int16_t SlkY = 1;
    int16_t SlkX = 1;
    int16_t SlkXMax = 0;

    // The report shows maximum values only (control key "Mmax").
    bool MaxWerte = false;
    // Version (three digits) of the special failure-rate list of the run; set by
    // the Q-list run before the report.
    QString SonderArVersion;
};

ReportState& reportState();

// The group table of the run made anew with n + 1 zeroed groups, n being the
// second number of the configuration key "Ag".
void resetGroupTable();
