#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <deque>

// Q-list files: one text file per Q-list (Windows-1252). Every stored line is "*",
// the text and the end mark (254); a long logical line may go on over several
// physical lines, each but the last ending in the continuation mark (195) and each
// continuation beginning with one character that is not part of the text.
// Line 1 is the head key list, line 2 "Be=" and the description, then positions.

// "00000" + n, last five characters (42 -> "00042").
QString LnFormat(long n);
// The number without leading zeros; at least its last character stays ("00000" ->
// "0"); the empty text stays empty.
QString LnKurz(const QString& ln);
// The design path of Q-list number ln (5 digits) of database letter qz below the
// Q-list root: root\<qz><d1>\<d2d3>\<d4d5>.
QString QslPfad(const QString& qz, const QString& ln);

// Reads physical lines of a text file (CR LF, LF or CR ends a line).
class QslLineReader {
public:
    QslLineReader() = default;
    explicit QslLineReader(const QString& designPath) { open(designPath); }
    bool open(const QString& designPath);
    bool isOpen() const { return mFile.isOpen(); }
    bool atEnd();
    QString readPhysicalLine();
    void close() { mFile.close(); }
    const QString& errorString() const { return mError; }

private:
    bool fill();
    QFile mFile;
    QByteArray mBuffer;
    qsizetype mPos = 0;
    bool mEof = false;
    QString mError;
};

// Writes text lines (Windows-1252, CR LF) to a work file, buffered.
class QslLineWriter {
public:
    QslLineWriter() = default;
    explicit QslLineWriter(const QString& designPath) { open(designPath); }
    ~QslLineWriter();
    bool open(const QString& designPath);
    bool isOpen() const { return mFile.isOpen(); }
    void writeLine(const QString& text);
    // Flushes and closes; throws TarnError when the data could not be written.
    void close();

private:
    void flush();
    QFile mFile;
    QByteArray mBuffer;
};

// The next logical line of a Q-list file, without its marks.
QString QslZeileLesen(QslLineReader& file);

// Writes a position line of a sub-list into the work file. Lines without a
// quantity write nothing. The comment from the first "!" on is cut off; a component
// line gets the inherited Rw and Chpfg in its S section. line is the line buffer
// WorkStr 20 and may be changed. True when the line refers to a sub-list (Qm value).
bool QslZeileSchreiben(QslLineWriter& file, QString& line, const QString& Rw, const QString& Chpfg);

// The bytes of a Q-list file of lines ("*", text, end mark, CR LF each).
QByteArray qslFileBytes(const QStringList& lines);
// Stores lines as a Q-list file ("*", text, end mark, CR LF each), replacing the
// file atomically. Throws TarnError when it cannot be written.
void writeQslFile(const QString& designPath, const QStringList& lines);
// All logical lines of a Q-list file; throws TarnError when it cannot be opened.
QStringList readQslFile(const QString& designPath);
