#pragma once
#include "workbook/workbook.h"

#include <QByteArray>

// Reads the worksheets of a binary workbook (Excel 5.0 to 2003: BIFF5 or BIFF8
// records in a compound file) into book. Every offset, count and length the file
// holds is checked against the bytes that are there before it is used, so a
// damaged or crafted file gives a reason, never a read outside the file; a
// workbook with more cells than the limits allow is refused.
//
// Cells come back as the .xlsx reader gives them: numbers (dates too, as their
// serial number) as the shortest text with "." that reads back to the same
// value; text as it stands; a formula as its stored result; a boolean as "1" or
// "0"; an error value as its text ("#N/A"). Chart and macro sheets are left out.
// Throws WorkbookFailure.
void readBinaryWorkbook(const QByteArray& file, Workbook& book, const WorkbookLimits& limits);
