#pragma once
#include "common/testutil.h"
#include "frame/workslots.h"
#include "frame/program.h"
#include "printing/pageinterpreter.h"
#include "printing/printdevice.h"
#include "printing/printjob.h"

#include <QDate>
#include <QPainter>
#include <QPicture>
#include <QTemporaryDir>
#include <list>

// A printer of fixed metrics for every font: a character is 0.6 of the size
// wide and a line 1.15 of it high (10 pt: 120 x 230 twips), A4 paper. It draws
// into pictures and counts the document calls.
class FakePrinter : public PrintDevice {
public:
    QString deviceName() const override { return QStringLiteral("Fake"); }
    int pageWidth() const override { return 11906; }
    int pageHeight() const override { return 16838; }
    void setPaperSize(int size) override { paper = size; }
    double textWidth(const PrinterFont& font, const QString& text) const override
    {
        return font.size * 12 * text.size();
    }
    double textHeight(const PrinterFont& font, const QString&) const override { return font.size * 23; }

    QPainter* beginDocument() override
    {
        ++begun;
        pages.emplace_back();
        painter = std::make_unique<QPainter>(&pages.back());
        return painter.get();
    }
    bool newPage() override
    {
        ++newPages;
        painter->end();
        pages.emplace_back();
        painter->begin(&pages.back());
        return true;
    }
    bool endDocument() override
    {
        ++ended;
        painter->end();
        return true;
    }
    void killDocument() override
    {
        ++killed;
        if (painter && painter->isActive())
            painter->end();
    }
    ~FakePrinter() override
    {
        if (painter && painter->isActive())
            painter->end();
    }

    int paper = 0, begun = 0, newPages = 0, ended = 0, killed = 0;
    std::list<QPicture> pages; // a list: painters keep their page's address
    std::unique_ptr<QPainter> painter;
};

// The texts a page draws, in the order drawn (empty texts left out).
class DrawnTexts : public DrawTarget {
public:
    void setFontName(const QString& name) override { mName = name; }
    QString fontName() const override { return mName; }
    void setFontSize(double) override {}
    void setFontBold(bool) override {}
    void setFontUnderline(bool) override {}
    void setDrawStyle(int) override {}
    void setDrawWidth(int) override {}
    void line(int32_t, int32_t, int32_t, int32_t) override {}
    void text(int32_t, int32_t, const QString& t) override
    {
        if (!t.isEmpty())
            texts << t;
    }

    QStringList texts;

private:
    QString mName;
};

// The texts of every page of the open job, one "=== page k" line before each page.
inline QStringList pageTexts()
{
    DrawnTexts t;
    const int n = pageCount(PageSource::Pages);
    for (int k = 1; k <= n; ++k) {
        t.texts << QStringLiteral("=== page %1").arg(k);
        drawPageRecords(t, readPage(PageSource::Pages, k), 1.0);
    }
    return t.texts;
}

// A fresh program with scratch directories, the fixed-metric printer and the
// margins 2 cm, 1.5 cm, 18 cm x 26 cm (twips) already set.
class PrintFixture : public ::testing::Test {
protected:
    PrintFixture()
    {
        Program& p = sp.program();
        p.WorkStr[Slot::Tp1] = dir.filePath(QStringLiteral("tp1"));
        p.WorkStr[Slot::ProgramDir] = dir.path();
        QDir().mkpath(p.WorkStr[Slot::Tp1]);
        p.Raender = {1134, 850, 10206, 14740};
        p.ProgTitel = QStringLiteral("TARN 1.0");
        p.TitelAnw = QStringLiteral("User title").leftJustified(30);
        auto fake = std::make_unique<FakePrinter>();
        printer = fake.get();
        printState().device = std::move(fake);
        printState().today = [] { return QDate(2024, 3, 7); };
    }

    PrintState& state() { return printState(); }
    QString pagesFile() const { return pageFilePath(); }

    testutil::ScriptedProgram sp;
    QTemporaryDir dir;
    FakePrinter* printer = nullptr;
};

// Writes n pages, each with a head and one line naming its number.
inline void writeNumberedPages(int n)
{
    for (int k = 1; k <= n; ++k) {
        PrKopf(QStringLiteral("Job"), QStringLiteral("Right"));
        PrText("Page ", QString::number(k));
        PrNeueSeite();
    }
}
