#include "qlist/qslfile.h"
#include "frame/workslots.h"
#include "frame/codepage.h"
#include "frame/errors.h"
#include "frame/markers.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "position_line/posline.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

QString LnFormat(long n)
{
    return (QStringLiteral("00000") + QString::number(n)).right(5);
}

QString LnKurz(const QString& ln)
{
    qsizetype i = 0;
    while (i + 1 < ln.size() && ln[i] == u'0')
        ++i;
    return ln.mid(i);
}

QString QslPfad(const QString& qz, const QString& ln)
{
    return prog().WorkStr[Slot::VqlDir] + qz + ln.mid(0, 1) + u'\\' + ln.mid(1, 2) + u'\\' + ln.mid(3, 2);
}

// ---- reader

bool QslLineReader::open(const QString& designPath)
{
    mFile.close();
    mBuffer.clear();
    mPos = 0;
    mEof = false;
    mFile.setFileName(nativePath(designPath));
    if (!mFile.open(QIODevice::ReadOnly)) {
        mError = mFile.errorString();
        return false;
    }
    return true;
}

bool QslLineReader::fill()
{
    if (mEof)
        return false;
    if (mPos > 0) {
        mBuffer.remove(0, mPos);
        mPos = 0;
    }
    const QByteArray more = mFile.read(64 * 1024);
    if (more.isEmpty()) {
        mEof = true;
        return false;
    }
    mBuffer += more;
    return true;
}

bool QslLineReader::atEnd()
{
    if (mPos < mBuffer.size())
        return false;
    return !fill();
}

QString QslLineReader::readPhysicalLine()
{
    for (;;) {
        const qsizetype n = mBuffer.size();
        for (qsizetype i = mPos; i < n; ++i) {
            const char c = mBuffer[i];
            if (c != '\n' && c != '\r')
                continue;
            // A CR at the end of the buffer may be the first half of CR LF.
            if (c == '\r' && i + 1 == n && !mEof) {
                if (fill())
                    break; // rescan with more data
            }
            const qsizetype begin = mPos;
            const QString line = fromAnsi(mBuffer.mid(begin, i - begin));
            qsizetype next = i + 1;
            if (c == '\r' && next < mBuffer.size() && mBuffer[next] == '\n')
                ++next;
            mPos = next;
            return line;
        }
        if (mPos < mBuffer.size() && mEof) {
            const QString line = fromAnsi(mBuffer.mid(mPos));
            mPos = mBuffer.size();
            return line;
        }
        if (!fill()) {
            const QString line = fromAnsi(mBuffer.mid(mPos));
            mPos = mBuffer.size();
            return line;
        }
    }
}

// ---- writer

QslLineWriter::~QslLineWriter()
{
    try {
        if (mFile.isOpen())
            close();
    } catch (...) {
    }
}

bool QslLineWriter::open(const QString& designPath)
{
    mBuffer.clear();
    mFile.setFileName(nativePath(designPath));
    return mFile.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

void QslLineWriter::writeLine(const QString& text)
{
    mBuffer += toAnsi(text);
    mBuffer += "\r\n";
    if (mBuffer.size() >= 64 * 1024)
        flush();
}

void QslLineWriter::flush()
{
    if (mBuffer.isEmpty())
        return;
    if (mFile.write(mBuffer) != mBuffer.size())
        throw TarnError(QStringLiteral("Cannot write '%1': %2").arg(mFile.fileName(), mFile.errorString()),
                        ErrNo::PathFileAccess);
    mBuffer.clear();
}

void QslLineWriter::close()
{
    if (!mFile.isOpen())
        return;
    flush();
    mFile.close();
}

// ---- logical lines

QString QslZeileLesen(QslLineReader& file)
{
    QString text = file.readPhysicalLine();
    if (text.startsWith(u'*'))
        text.remove(0, 1);
    if (text.endsWith(EndeZeichen)) {
        text.chop(1);
        return text;
    }
    while (text.endsWith(FolgeZeichen) && !file.atEnd()) {
        QString next = file.readPhysicalLine();
        if (next.endsWith(EndeZeichen))
            next.chop(1);
        text.chop(1);
        text += next.mid(1);
    }
    return text;
}

bool QslZeileSchreiben(QslLineWriter& file, QString& line, const QString& Rw, const QString& Chpfg)
{
    if (GetParam(line, QStringLiteral("Stck")).isEmpty())
        return false;
    const qsizetype bang = line.indexOf(u'!');
    if (bang >= 0)
        line.truncate(bang);
    bool sublist = true;
    if (GetParam(line, QStringLiteral("Qm")).isEmpty()) {
        // The inherited keys are set on the line buffer; line may be another string.
        QString& buffer = prog().WorkStr[Slot::Line];
        buffer = line;
        PosRwSetz(Rw, Chpfg);
        line = buffer;
        sublist = false;
    }
    file.writeLine(line);
    return sublist;
}

QByteArray qslFileBytes(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& l : lines) {
        bytes += '*';
        bytes += toAnsi(l);
        bytes += char(EndeZeichenCode);
        bytes += "\r\n";
    }
    return bytes;
}

void writeQslFile(const QString& designPath, const QStringList& lines)
{
    const QString path = nativePath(designPath);
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        throw TarnError(QStringLiteral("Cannot write '%1': %2").arg(designPath, f.errorString()), ErrNo::PathFileAccess);
    const QByteArray bytes = qslFileBytes(lines);
    if (f.write(bytes) != bytes.size() || !f.commit())
        throw TarnError(QStringLiteral("Cannot write '%1': %2").arg(designPath, f.errorString()), ErrNo::PathFileAccess);
}

QStringList readQslFile(const QString& designPath)
{
    QslLineReader r;
    if (!r.open(designPath))
        throw TarnError(QStringLiteral("File not found: %1").arg(designPath), ErrNo::FileNotFound);
    QStringList out;
    while (!r.atEnd())
        out << QslZeileLesen(r);
    return out;
}
