// The floor of the PDF stage: a bare Qt program that draws the pages of a kept
// page file (the drawing records a printout is written as before it is
// rendered) into a PDF file with QPdfWriter and QPainter, as plainly as Qt
// allows: the page size and resolution of the program's PDF output, one font
// object per font change, every text drawn at its place. It knows nothing of
// previews, zoom, archives or the print system.
//
//   pdf_floor <page file> [runs]
//
// The page file comes from `qlist_prediction --keep <dir>` (<dir>/pages, the
// printout's pages when its PDF stage began). Prints the wall and CPU time of
// the least of the runs (3 by default) and the number of pages drawn; the
// ratio of the program's PDF stage to this floor is the figure to compare.
#include "printing/pagestream.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include "benchsupport.h"
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>

namespace {

using bench::Clock;

// Draws every page after the header page; returns the number of pages.
int drawPages(const QByteArray& stream, const QString& pdfFile)
{
    QPdfWriter writer(pdfFile);
    writer.setResolution(1440);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    QFont font;
    qreal ascent = 0;
    auto useFont = [&] {
        painter.setFont(font);
        ascent = QFontMetricsF(font, &writer).ascent();
    };
    int pages = 0;
    bool header = true;
    bool drawn = false;
    int pos = 1;
    while (pos <= stream.size()) {
        const char op = stream[pos - 1];
        ++pos;
        switch (op) {
        case '0':
            for (int i = 0; i < 6; ++i)
                PrGetLong(stream, pos);
            break;
        case '1':
            font.setPointSizeF(PrGetLong(stream, pos) / 10.0);
            font.setBold(stream[pos - 1] != '.');
            font.setUnderline(stream[pos] != '.');
            pos += 2;
            useFont();
            break;
        case '2':
            font.setFamily(PrGetStr(stream, pos));
            useFont();
            break;
        case '3': {
            const int x = PrGetLong(stream, pos);
            const int y = PrGetLong(stream, pos);
            painter.drawText(QPointF(x, y + ascent), PrGetStr(stream, pos));
            drawn = true;
            break;
        }
        case '4': {
            const int x = PrGetLong(stream, pos);
            const int y = PrGetLong(stream, pos);
            const int kind = PrGetLong(stream, pos);
            const int count = PrGetLong(stream, pos);
            painter.drawText(QPointF(x, y + ascent), QString(count, QChar(kind == 1 ? 0x2500 : 0x2550)));
            drawn = true;
            break;
        }
        case '5':
            if (header) {
                header = false;
                break;
            }
            ++pages;
            if (pos <= stream.size())
                writer.newPage();
            break;
        case '6': {
            PrGetLong(stream, pos);
            painter.setPen(QPen(Qt::black, PrGetLong(stream, pos)));
            const int x1 = PrGetLong(stream, pos);
            const int y1 = PrGetLong(stream, pos);
            const int x2 = PrGetLong(stream, pos);
            const int y2 = PrGetLong(stream, pos);
            painter.drawLine(x1, y1, x2, y2);
            drawn = true;
            break;
        }
        default:
            break;
        }
    }
    painter.end();
    return drawn ? pages : 0;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: pdf_floor <page file> [runs]\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QByteArray stream = in.readAll();
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    QTemporaryDir tmp;
    int pages = 0;
    const Clock least = bench::best(runs, [&] { pages = drawPages(stream, tmp.filePath(QStringLiteral("floor.pdf"))); });
    std::printf("floor: %d pages (%lld bytes of page records) drawn into a PDF file: wall %.1f ms, CPU %.1f ms "
                "(least of %d runs)\n",
                pages, static_cast<long long>(stream.size()), least.wallNs / 1e6, least.cpuNs / 1e6, runs);
    return 0;
}
