#include "printing/printdevice.h"
#include "frame/workslots.h"
#include "frame/paramstring.h"
#include "frame/outputfiles.h"
#include "frame/paths.h"
#include "frame/program.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// Qt's PDF writer takes two buffers of about 17 MB for every page and frees
// them when the page ends. Above the allocator's mapping threshold each of them
// is mapped and unmapped again, and below it the freed top of the heap is
// trimmed and grown again: a long report spent more time in that than in
// drawing. While a document is written, such buffers stay in the heap and
// are reused; when the last document ends, the heap is trimmed once.
int gDocumentsHoldingHeap = 0;

void holdHeapForPages()
{
#if defined(__GLIBC__)
    if (gDocumentsHoldingHeap++ == 0) {
        mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
        mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
    }
#endif
}

void releaseHeap()
{
#if defined(__GLIBC__)
    if (--gDocumentsHoldingHeap == 0) {
        // The allocator's starting values.
        mallopt(M_MMAP_THRESHOLD, 128 * 1024);
        mallopt(M_TRIM_THRESHOLD, 128 * 1024);
        malloc_trim(0);
    }
#endif
}

// A paint device of 1440 dpi, so that font metrics come out in twips.
const QPaintDevice* twipDevice()
{
    static QImage image = [] {
        QImage i(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = qRound(1440.0 / 0.0254);
        i.setDotsPerMeterX(dotsPerMeter);
        i.setDotsPerMeterY(dotsPerMeter);
        return i;
    }();
    return &image;
}

QFont qtFont(const PrinterFont& f)
{
    QFont font(f.name);
    font.setPointSizeF(f.size > 0 ? f.size : 1);
    font.setBold(f.bold);
    font.setUnderline(f.underline);
    return font;
}
} // namespace

double qtTextWidth(const PrinterFont& font, const QString& text)
{
    return QFontMetricsF(qtFont(font), twipDevice()).horizontalAdvance(text);
}

double qtTextHeight(const PrinterFont& font, const QString&)
{
    // The printer object's text height is the line height of the font, whatever
    // the text.
    return QFontMetricsF(qtFont(font), twipDevice()).height();
}

double PrintDevice::textWidth(const PrinterFont& font, const QString& text) const
{
    return qtTextWidth(font, text);
}

double PrintDevice::textHeight(const PrinterFont& font, const QString& text) const
{
    return qtTextHeight(font, text);
}

QSizeF paperTwips(int paper)
{
    const QPageSize size(paper == PaperLetter ? QPageSize::Letter : QPageSize::A4);
    return size.sizePoints() * 20.0;
}

bool isPdfFile(const QString& nativeFile)
{
    QFile f(nativeFile);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return f.read(5) == "%PDF-";
}

QString newResultPdfName()
{
    QString dir = GetParam(prog().Cf, QStringLiteral("ResDir"));
    if (dir.isEmpty())
        dir = prog().WorkStr[Slot::ProgramDir];
    const QString nativeDir = QFileInfo(nativePath(dir)).absoluteFilePath();
    QDir().mkpath(nativeDir);
    const QString stem = QStringLiteral("TARN_") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_hhmmss"));
    // The name is taken by making the file: two runs printing in the same second
    // (copies of the program on one installation) never choose the same one.
    QString name = QDir(nativeDir).filePath(stem + QStringLiteral(".pdf"));
    QString error;
    for (int n = 2; !reserveFile(name, &error); ++n) {
        if (!error.isEmpty())
            return QString();
        name = QDir(nativeDir).filePath(stem + u'_' + QString::number(n) + QStringLiteral(".pdf"));
    }
    return QDir::cleanPath(name);
}

PdfPrintDevice::PdfPrintDevice(QString file) : mFile(std::move(file)) {}

PdfPrintDevice::~PdfPrintDevice()
{
    killDocument();
    letHeapGo();
}

int PdfPrintDevice::pageWidth() const
{
    return qRound(paperTwips(mPaper).width());
}

int PdfPrintDevice::pageHeight() const
{
    return qRound(paperTwips(mPaper).height());
}

void PdfPrintDevice::setPaperSize(int paper)
{
    mPaper = paper;
}

QPainter* PdfPrintDevice::beginDocument()
{
    killDocument();
    mError.clear();
    mReserved = mFile.isEmpty();
    mCurrentFile = mFile.isEmpty() ? newResultPdfName() : mFile;
    if (mCurrentFile.isEmpty()) {
        mError = QStringLiteral("no free file name in the result directory");
        return nullptr;
    }
    // The document grows under a temporary name of this process beside the
    // final one and gets the final name only when it is complete: a run killed
    // while printing leaves no cut file under the final name, and two copies of
    // the program never write into the same temporary file.
    mPartFile = privatePartName(mCurrentFile);
    // QPdfWriter does not create folders and would fail without a word.
    QDir().mkpath(QFileInfo(mCurrentFile).absolutePath());
    QFile probe(mPartFile);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        mError = probe.errorString();
        dropReservation();
        return nullptr;
    }
    probe.close();
    mWriter = std::make_unique<QPdfWriter>(mPartFile);
    mWriter->setResolution(1440);
    mWriter->setCreator(QStringLiteral("TARN"));
    mWriter->setPageSize(QPageSize(mPaper == PaperLetter ? QPageSize::Letter : QPageSize::A4));
    mWriter->setPageMargins(QMarginsF(0, 0, 0, 0));
    mPainter = std::make_unique<QPainter>();
    if (!mHoldsHeap) {
        holdHeapForPages();
        mHoldsHeap = true;
    }
    if (!mPainter->begin(mWriter.get())) {
        mError = QStringLiteral("cannot write %1").arg(mCurrentFile);
        mPainter.reset();
        mWriter.reset();
        letHeapGo();
        QFile::remove(mPartFile);
        dropReservation();
        return nullptr;
    }
    return mPainter.get();
}

bool PdfPrintDevice::newPage()
{
    return mWriter && mWriter->newPage();
}

bool PdfPrintDevice::endDocument()
{
    if (!mPainter)
        return false;
    const bool ended = mPainter->end();
    mPainter.reset();
    mWriter.reset(); // closes the file
    letHeapGo();
    if (!ended || !isPdfFile(mPartFile) ||
        ::rename(QFile::encodeName(mPartFile).constData(), QFile::encodeName(mCurrentFile).constData()) != 0) {
        QFile::remove(mPartFile);
        dropReservation();
        if (mError.isEmpty())
            mError = QStringLiteral("cannot write %1").arg(mCurrentFile);
        return false;
    }
    mPartFile.clear();
    mReserved = false;
    return true;
}

void PdfPrintDevice::letHeapGo()
{
    if (mHoldsHeap) {
        mHoldsHeap = false;
        releaseHeap();
    }
}

void PdfPrintDevice::killDocument()
{
    if (!mPainter && !mWriter)
        return;
    if (mPainter && mPainter->isActive())
        mPainter->end();
    mPainter.reset();
    mWriter.reset();
    letHeapGo();
    // A dropped document leaves no half-written file behind.
    if (!mPartFile.isEmpty())
        QFile::remove(mPartFile);
    mPartFile.clear();
    dropReservation();
}

void PdfPrintDevice::dropReservation()
{
    // The name this device took for itself is given back when no document
    // came of it.
    if (mReserved)
        releaseReservedFile(mCurrentFile);
    mReserved = false;
}
