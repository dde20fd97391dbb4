#pragma once
#include <QByteArray>
#include <QString>

// Output files (result files, PDF files) of runs that may go on at the same time
// in several copies of the program on one installation. A name is taken by
// creating the file exclusively, so that no two runs ever choose the same one;
// a file is written under a temporary name that only its writer uses and gets
// its final name in one rename, so that nobody ever sees it half-written.

// Creates the file exclusively (empty). False when it exists already or cannot
// be made; error (optional) then says why, empty when it simply exists.
bool reserveFile(const QString& nativeFile, QString* error = nullptr);

// Removes a file reserved by reserveFile that was never written (still empty).
void releaseReservedFile(const QString& nativeFile);

// The temporary name a file has while this process writes it: hidden, beside
// the final one, carrying the process id and a random part.
QString privatePartName(const QString& nativeFile);

// Removes the hidden temporary files in a folder whose writer has ended (its
// process is gone); files of running copies stay.
void removeStalePartFiles(const QString& nativeDir);

// A file that is written whole under its private temporary name and replaces
// the final file only on commit; dropped without a trace when not committed.
class OutputFile {
public:
    explicit OutputFile(QString nativeFile);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    bool open();
    // Buffered; false once a write failed (commit then fails too).
    bool write(const QByteArray& bytes);
    // Flushes to disk and renames over the final file.
    bool commit();
    QString fileName() const { return mFile; }
    QString errorString() const { return mError; }

private:
    bool flush();

    QString mFile;
    QString mPart;
    QString mError;
    QByteArray mBuffer;
    int mFd = -1;
};
