#include "printing/pageinterpreter.h"
#include "frame/errors.h"
#include "frame/interaction.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "printing/pagestream.h"
#include "printing/printdevice.h"
#include "printing/printjob.h"

#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>

// ---- painter target

PainterTarget::PainterTarget(QPainter& painter) : mPainter(painter)
{
    if (painter.device())
        mDpi = painter.device()->logicalDpiY();
    mPainter.setRenderHint(QPainter::Antialiasing);
    mPainter.setRenderHint(QPainter::TextAntialiasing);
    mPainter.setPen(Qt::black);
    // Page twips to device units.
    mPainter.scale(mDpi / 1440.0, mDpi / 1440.0);
    applyFont();
}

void PainterTarget::placePage(const QRectF& frame, const QSizeF& page)
{
    if (page.width() <= 0 || page.height() <= 0)
        return;
    mFactor = frame.width() / page.width();
    mPainter.translate(frame.topLeft());
    mPainter.scale(frame.width() / page.width(), frame.height() / page.height());
    applyFont();
}

void PainterTarget::setFontName(const QString& name)
{
    mFontName = name;
    mFont.setFamily(name);
    if (name.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) != 0)
        mTextFamily = name;
    applyFont();
}

void PainterTarget::setFontSize(double points)
{
    // The interpreter scales sizes by the zoom; the painter's transform does too.
    mPoints = points / mFactor;
    applyFont();
}

void PainterTarget::applyFont()
{
    // World units are twips: a point size p must give p * 20 units after the
    // device's own point-to-pixel conversion.
    mFont.setPointSizeF(std::max(0.1, mPoints * 1440.0 / mDpi));
}

void PainterTarget::line(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    static const Qt::PenStyle styles[] = {Qt::SolidLine,   Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                          Qt::DashDotDotLine, Qt::NoPen,  Qt::SolidLine};
    const Qt::PenStyle style = (mDrawStyle >= 0 && mDrawStyle <= 6) ? styles[mDrawStyle] : Qt::SolidLine;
    // The draw width counts printer dots; take a 600 dpi printer's dot (2.4 twips)
    // so that rules look alike on every device.
    QPen pen(Qt::black, std::max(1, mDrawWidth) * 2.4, style);
    pen.setCapStyle(Qt::FlatCap);
    mPainter.setPen(pen);
    mPainter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    mPainter.setPen(Qt::black);
}

void PainterTarget::text(int32_t x, int32_t y, const QString& text)
{
    if (text.isEmpty())
        return;
    const bool symbol = mFontName.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0;
    QFont font = mFont;
    // A Greek letter of the Symbol layout (the pi of the factors) is taken from
    // the family of the text around it, so that it has that text's stroke and
    // size; a font without the letter falls back to one that has it.
    // A list of families is matched by name without the system's aliases, so
    // the text family goes in as the font it actually resolves to ("Courier
    // New" is an alias on most Linux systems).
    if (symbol)
        font.setFamilies(mTextFamily.isEmpty()
                             ? QStringList{QStringLiteral("Symbol"), QStringLiteral("DejaVu Sans")}
                             : QStringList{QFontInfo(QFont(mTextFamily)).family(), QStringLiteral("DejaVu Sans")});
    mPainter.setFont(font);
    const double ascent = QFontMetricsF(font, mPainter.device()).ascent();
    mPainter.drawText(QPointF(x, y + ascent), symbol ? symbolToUnicode(text) : text);
}

QString symbolToUnicode(const QString& text)
{
    // Lower-case letters of the Symbol font's layout.
    static const char16_t greek[26] = {0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, 0x03B7, 0x03B9,
                                       0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF, 0x03C0, 0x03B8, 0x03C1,
                                       0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6};
    QString out = text;
    for (QChar& c : out)
        if (c >= u'a' && c <= u'z')
            c = QChar(greek[c.unicode() - u'a']);
    return out;
}

// ---- header and pages

PageHeader readPageHeader(const QByteArray& header)
{
    PageHeader h;
    int pos = 2; // behind the "0"
    h.width = PrGetLong(header, pos);
    h.height = PrGetLong(header, pos);
    h.areaWidth = PrGetLong(header, pos);
    h.areaHeight = PrGetLong(header, pos);
    h.left = PrGetLong(header, pos);
    h.top = PrGetLong(header, pos);
    ++pos; // the "2"
    h.fontName = PrGetStr(header, pos);
    return h;
}

namespace {
QFile& sourceFile(PageSource source)
{
    PrintState& s = printState();
    QFile* f = source == PageSource::Archive ? s.archFile.get() : s.pageFile.get();
    if (!f)
        throw TarnError(QStringLiteral("Bad file name or number (no page file open)"), 52);
    return *f;
}

const QByteArray& sourceTable(PageSource source)
{
    const PrintState& s = printState();
    return source == PageSource::Archive ? s.PrArchTab : s.PrSeitenTab;
}

int32_t tableEntry(const QByteArray& table, int k)
{
    int pos = 4 * k - 3;
    return PrGetLong(table, pos);
}

QByteArray readAt(QFile& f, qint64 position, qint64 length)
{
    if (!f.seek(position - 1))
        throw TarnError(QStringLiteral("%1: %2").arg(f.fileName(), f.errorString()), ErrNo::PathFileAccess);
    QByteArray bytes = f.read(length);
    if (bytes.size() != length)
        throw TarnError(QStringLiteral("Input past end of file %1").arg(f.fileName()), 62);
    return bytes;
}
} // namespace

int pageCount(PageSource source)
{
    const QByteArray& table = sourceTable(source);
    return table.isEmpty() ? 0 : int(table.size() / 4 - 1);
}

QByteArray readHeaderPage(PageSource source)
{
    return readAt(sourceFile(source), 1, tableEntry(sourceTable(source), 1) - 1);
}

QByteArray readPage(PageSource source, int k)
{
    const QByteArray& table = sourceTable(source);
    const int32_t start = tableEntry(table, k);
    const int32_t end = tableEntry(table, k + 1);
    return readAt(sourceFile(source), start, end - start);
}

double zoomFactor(int zoom, const QSizeF& field, const PageHeader& h)
{
    if (zoom > 0)
        return zoom / 100.0;
    if (zoom == 0) {
        if (h.areaWidth <= 0 || h.areaHeight <= 0)
            return 1;
        return std::min({field.width() / h.areaWidth, field.height() / h.areaHeight, 1.0});
    }
    return 1;
}

void drawPageRecords(DrawTarget& target, const QByteArray& page, double factor)
{
    int pos = 1;
    while (pos <= page.size()) {
        const char op = page[pos - 1];
        ++pos;
        switch (op) {
        case '1': {
            const int32_t size = PrGetLong(page, pos);
            if (pos + 1 > page.size())
                throw InvalidArgumentError(QStringLiteral("Input past end of page stream"));
            target.setFontSize(size / 10.0 * factor);
            target.setFontBold(page[pos - 1] != '.');
            target.setFontUnderline(page[pos] != '.');
            pos += 2;
            break;
        }
        case '2': {
            const QString name = PrGetStr(page, pos);
            target.setFontName(name);
            if (target.fontName() != name) {
                target.text(0, 0, QString());
                target.setFontName(name);
            }
            break;
        }
        case '3': {
            const int32_t x = PrGetLong(page, pos);
            const int32_t y = PrGetLong(page, pos);
            target.text(x, y, PrGetStr(page, pos));
            break;
        }
        case '4': {
            const int32_t x = PrGetLong(page, pos);
            const int32_t y = PrGetLong(page, pos);
            const int32_t kind = PrGetLong(page, pos);
            const int32_t count = PrGetLong(page, pos);
            target.text(x, y, QString(count, QChar(kind == 1 ? 0x2500 : 0x2550)));
            break;
        }
        case '5':
            return;
        case '6': {
            target.setDrawStyle(PrGetLong(page, pos));
            target.setDrawWidth(PrGetLong(page, pos));
            const int32_t x1 = PrGetLong(page, pos);
            const int32_t y1 = PrGetLong(page, pos);
            const int32_t x2 = PrGetLong(page, pos);
            const int32_t y2 = PrGetLong(page, pos);
            target.line(x1, y1, x2, y2);
            break;
        }
        default:
            break; // not an opcode: the next byte is read as one
        }
    }
    throw InvalidArgumentError(QStringLiteral("Input past end of page stream"));
}

void PrZeigSeite(DrawTarget& target, int32_t k, int zoom, PageSource source)
{
    if (k == 0)
        return;
    const PageHeader h = readPageHeader(readHeaderPage(source));
    target.setFontName(h.fontName);

    const QSizeF page(h.width, h.height);
    const double factor = zoomFactor(zoom, target.fieldSize(), h);
    if (zoom == -2) {
        target.placePage(QRectF(QPointF(0, 0), page), page);
    } else if (zoom > 0) {
        target.placePage(QRectF(QPointF(0, 0), page * factor), page);
    } else if (zoom == 0) {
        target.placePage(QRectF(QPointF(-h.left * factor, -h.top * factor), page * factor), page);
    }
    printState().PrZoom = float(factor);

    const QByteArray bytes = readPage(source, k);
    try {
        drawPageRecords(target, bytes, factor);
    } catch (const TarnError& e) {
        ui().messageBox(QStringLiteral("0"),
                        QStringLiteral("Error %1:   %2").arg(e.number()).arg(e.message()), Mb::OKOnly);
    } catch (const std::exception& e) {
        ui().messageBox(QStringLiteral("0"), QStringLiteral("Error 5:   %1").arg(QString::fromLocal8Bit(e.what())),
                        Mb::OKOnly);
    }
}

PrintOutcome printPages(PrintDevice& device, const QString& selection, bool archive)
{
    const QString paf = GetParam(prog().Cf, QStringLiteral("Paf"));
    if (paf == QLatin1String("0"))
        device.setPaperSize(PaperA4);
    else if (paf == QLatin1String("1"))
        device.setPaperSize(PaperLetter);
    const int n = int(selection.size());
    if (n == 0)
        return PrintOutcome::Printed;
    QPainter* painter = device.beginDocument();
    if (!painter)
        return PrintOutcome::Failed;
    const PageSource source = archive ? PageSource::Archive : PageSource::Pages;
    for (int k = 1; k <= n; ++k) {
        // The progress window says how far the printout has come.
        ui().infoList().Update(prog().LangNr == 2 ? QStringLiteral("Page %1 of %2").arg(k).arg(n)
                                                  : QStringLiteral("Seite %1 von %2").arg(k).arg(n));
        {
            painter->save();
            PainterTarget target(*painter);
            PrZeigSeite(target, k, -1, source);
            painter->restore();
        }
        if (k < n) {
            if (!device.newPage()) {
                device.killDocument();
                return PrintOutcome::Failed;
            }
        } else if (!device.endDocument()) {
            return PrintOutcome::Failed;
        }
        // A cancel leaves the document open; the next PrInit drops it.
        if (ui().infoList().Canceled())
            return PrintOutcome::Cancelled;
    }
    return PrintOutcome::Printed;
}
