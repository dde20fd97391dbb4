#pragma once
#include "qlist/qslfile.h"

#include <QString>

// One pass over the position file: reads "qpo" and writes "qpoh" in the second
// scratch directory (WorkStr 11); finish() closes both and gives "qpoh" the name
// "qpo". Both files are closed whatever way the pass is left; a pass left by an
// exception keeps "qpo" as it was and drops the half-written "qpoh".
class WorkFilePass {
public:
    WorkFilePass();
    ~WorkFilePass();
    WorkFilePass(const WorkFilePass&) = delete;
    WorkFilePass& operator=(const WorkFilePass&) = delete;

    bool atEnd() { return mIn.atEnd(); }
    QString readLine() { return mIn.readPhysicalLine(); }
    void writeLine(const QString& line) { mOut.writeLine(line); }
    void finish();

    static QString qpoPath();
    static QString qpohPath();

private:
    QslLineReader mIn;
    QslLineWriter mOut;
    bool mFinished = false;
};

// The numeric value of the quantity "Stck" of a line (0 when absent).
double quantityOf(const QString& line);
