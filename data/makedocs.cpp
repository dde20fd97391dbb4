// Turns the handbook and quick-guide texts of data/docs into PDF documents of
// the installation, through the program's own PDF device. The text format is
// small: "# " a title, "## " a heading, "- " or "1. " a list item, an empty
// line a paragraph break; every other line is a paragraph, wrapped to the page.
#include "printing/printdevice.h"

#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QStringList>
#include <QTextStream>
#include <cstdio>

namespace {

constexpr double Margin = 1134; // 2 cm in twips

struct Writer {
    PdfPrintDevice& device;
    QPainter& painter;
    double y = Margin;
    int page = 1;
    QString footer{};

    double bottom() const { return device.pageHeight() - Margin; }
    double width() const { return device.pageWidth() - 2 * Margin; }

    void finishPage()
    {
        QFont f(QStringLiteral("Arial"));
        f.setPointSizeF(8);
        painter.setFont(f);
        const QRectF r(Margin, bottom() + 200, width(), 300);
        painter.drawText(r, Qt::AlignLeft | Qt::AlignTop, footer);
        painter.drawText(r, Qt::AlignRight | Qt::AlignTop, QString::number(page));
    }

    bool newPage()
    {
        finishPage();
        if (!device.newPage())
            return false;
        ++page;
        y = Margin;
        return true;
    }

    // Writes one paragraph, wrapped at word boundaries; indent and hanging
    // label for list items.
    bool paragraph(const QString& text, const QFont& font, double indent = 0, const QString& label = QString(),
                   double spaceAfter = 120)
    {
        painter.setFont(font);
        const QFontMetricsF fm(font, painter.device());
        const double lineHeight = fm.lineSpacing();
        const double avail = width() - indent;
        QStringList words = text.split(u' ', Qt::SkipEmptyParts);
        bool first = true;
        while (!words.isEmpty()) {
            QString line = words.takeFirst();
            while (!words.isEmpty() && fm.horizontalAdvance(line + u' ' + words.first()) <= avail)
                line += u' ' + words.takeFirst();
            if (y + lineHeight > bottom() && !newPage())
                return false;
            painter.setFont(font);
            if (first && !label.isEmpty())
                painter.drawText(QPointF(Margin + indent - fm.horizontalAdvance(label + u' '), y + fm.ascent()), label);
            painter.drawText(QPointF(Margin + indent, y + fm.ascent()), line);
            y += lineHeight;
            first = false;
        }
        y += spaceAfter;
        return true;
    }
};

QFont font(double size, bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(size);
    f.setBold(bold);
    return f;
}

bool makeDocument(const QString& textFile, const QString& pdfFile)
{
    QFile in(textFile);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "makedocs: cannot read %s\n", qPrintable(textFile));
        return false;
    }
    QTextStream stream(&in);
    stream.setEncoding(QStringConverter::Utf8);
    const QStringList lines = stream.readAll().split(u'\n');

    PdfPrintDevice device(pdfFile);
    device.setPaperSize(PaperA4);
    QPainter* painter = device.beginDocument();
    if (!painter) {
        std::fprintf(stderr, "makedocs: cannot write %s: %s\n", qPrintable(pdfFile), qPrintable(device.lastError()));
        return false;
    }
    Writer w{device, *painter};
    bool ok = true;
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (!ok)
            break;
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1String("## "))) {
            if (w.y + 1200 > w.bottom())
                ok = w.newPage();
            w.y += 120;
            ok = ok && w.paragraph(line.mid(3), font(12, true), 0, QString(), 80);
        } else if (line.startsWith(QLatin1String("# "))) {
            w.footer = line.mid(2);
            ok = w.paragraph(line.mid(2), font(18, true), 0, QString(), 300);
        } else if (line.startsWith(QLatin1String("- "))) {
            ok = w.paragraph(line.mid(2), font(10, false), 360, QStringLiteral("\u2022"), 60);
        } else if (line.size() > 2 && line[0].isDigit() && line[1] == u'.') {
            ok = w.paragraph(line.mid(2).trimmed(), font(10, false), 360, line.left(2), 60);
        } else {
            ok = w.paragraph(line, font(10, false));
        }
    }
    if (ok)
        w.finishPage();
    if (!ok || !device.endDocument()) {
        device.killDocument();
        std::fprintf(stderr, "makedocs: cannot write %s\n", qPrintable(pdfFile));
        return false;
    }
    return true;
}

} // namespace

// makedocs <text file> <pdf file> [<text file> <pdf file> ...]
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.size() % 2 != 0) {
        std::fprintf(stderr, "usage: makedocs <text file> <pdf file> ...\n");
        return 2;
    }
    for (qsizetype i = 0; i < args.size(); i += 2)
        if (!makeDocument(args[i], args[i + 1]))
            return 1;
    return 0;
}
