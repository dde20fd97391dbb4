#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>

// Q-data fill-in lines: the data that the failure-rate model of a component's
// class could use (field list, the "QRM" column of ARMILQRM; "A/B" asks for
// either key) but that the position's stress data (WorkStr(6)) do not carry,
// appended to the block Poz (lines 1..Apz) as "QRM:" lines with a blank to fill
// in per missing item. Every component position gets at least an empty line and
// a bare "QRM:" line.
void QrmFeld(const QString& fields, QStringList& Poz, int16_t& Apz);

// The Q-data feedback form: every position of "pol" (Tp2) with its fill-in
// lines, then a page for new global data, comments, the sender and the return
// address of the ini section [qrmadr]. Prints into the open print job.
void DruckQrm(bool M_ARSoList, bool M_ARBew);
