#pragma once
#include <QFile>
#include <QString>
#include <vector>

// The user-specific evaluation of a Q-list report: every sub-Q-list of the
// position list "pol" (Tp2) classified by its mean norm failure rate into the
// classes of the file "bew.an" of the user-list directory, with its MTBF and the
// counts of its component positions. Printed (MDruck), as SYLK rows of the result
// file (MFile; the rows of each sub-Q-list are appended to ergfile, the closing
// rows stay in WorkStr(21) for the caller), and with the ini key "Resbs2pro" of
// [fewe] on, as the fixed-column text files ".bs2" and ".pro" beside ErgFile.
void BewertungQsl(bool MDruck, bool MFile, const QString& ErgFile, bool MArchPage, bool MHwNw, bool M_ARBew,
                  QFile& ergfile);

// One class of "bew.an": Name=Low/High, the mean m belongs to it when
// Low < m <= High (single precision).
struct BewKlasse {
    QString name;
    float low = 0;
    float high = 0;
};

// The classes of a class text: lines stripped of leading blanks, empty lines
// skipped, the rest joined into one comma list; empty items are skipped.
std::vector<BewKlasse> readClasses(const QString& text);

// The first class in list order that the mean belongs to; empty when none does.
QString classOf(const std::vector<BewKlasse>& classes, double mean);

// The three rows of the sub-Q-list whose sections PosTrenn put into the work
// strings; appends its SYLK cells to WorkStr(21).
void BewertungZeile(int n, const QString& Stc, QString& paperRow, QString& bs2Row, QString& proRow,
                    const std::vector<BewKlasse>& classes, bool MHwNw);

// The base name of the ".bs2" and ".pro" files: the result file's path up to the
// first "." of its file name ("erg.v2.slk" gives "erg"); points in folder names stay.
QString evaluationBase(const QString& ergFile);

// The ini value "Resbs2pro" as a truth value: "True" or a non-zero number is on;
// "False", zero, a missing key and anything else are off.
bool resbs2proOn(const QString& value);
