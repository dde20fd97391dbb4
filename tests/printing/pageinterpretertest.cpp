#include "frame/markers.h"
#include "printfixture.h"
#include "printing/pagestream.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

namespace {

// Records what the interpreter asks of a target.
class RecordingTarget : public DrawTarget {
public:
    void setFontName(const QString& name) override
    {
        mName = name;
        calls << QStringLiteral("name ") + name;
    }
    QString fontName() const override { return mName; }
    void setFontSize(double points) override { calls << QStringLiteral("size %1").arg(points); }
    void setFontBold(bool bold) override { calls << QStringLiteral("bold %1").arg(bold); }
    void setFontUnderline(bool u) override { calls << QStringLiteral("underline %1").arg(u); }
    void setDrawStyle(int s) override { calls << QStringLiteral("style %1").arg(s); }
    void setDrawWidth(int w) override { calls << QStringLiteral("width %1").arg(w); }
    void line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override
    {
        calls << QStringLiteral("line %1,%2-%3,%4").arg(x1).arg(y1).arg(x2).arg(y2);
    }
    void text(int32_t x, int32_t y, const QString& t) override { calls << QStringLiteral("text %1,%2 %3").arg(x).arg(y).arg(t); }
    QSizeF fieldSize() const override { return field; }
    void placePage(const QRectF& frame, const QSizeF&) override { placed = frame; }

    QStringList calls;
    QSizeF field;
    QRectF placed;

private:
    QString mName;
};

class Interpreter : public PrintFixture {
protected:
    // A job with one page holding a font, a text and a line.
    void writeOnePage()
    {
        ASSERT_TRUE(PrInit());
        PrFont(12, true, false);
        PrTextZS(0, 0, "Hello");
        PrLinie(0, 9, 100, 200, 300, 400);
        PrNeueSeite();
    }
};

TEST_F(Interpreter, DrawsTheRecordsOfAPage)
{
    writeOnePage();
    RecordingTarget t;
    PrZeigSeite(t, 1, -1, PageSource::Pages);
    EXPECT_EQ(t.calls, (QStringList{QStringLiteral("name Courier New"), QStringLiteral("size 12"),
                                    QStringLiteral("bold 1"), QStringLiteral("underline 0"),
                                    QStringLiteral("text 1134,1310 Hello"), QStringLiteral("style 0"),
                                    QStringLiteral("width 9"), QStringLiteral("line 100,200-300,400")}));
}

TEST_F(Interpreter, PageZeroDrawsNothing)
{
    writeOnePage();
    RecordingTarget t;
    PrZeigSeite(t, 0, 0, PageSource::Pages);
    EXPECT_TRUE(t.calls.isEmpty());
}

TEST_F(Interpreter, ZoomScalesFontsButNotCoordinates)
{
    writeOnePage();
    RecordingTarget t;
    PrZeigSeite(t, 1, 150, PageSource::Pages);
    EXPECT_TRUE(t.calls.contains(QStringLiteral("size 18")));
    EXPECT_TRUE(t.calls.contains(QStringLiteral("text 1134,1310 Hello")));
    EXPECT_EQ(t.placed.size(), QSizeF(11906 * 1.5, 16838 * 1.5));
    EXPECT_FLOAT_EQ(state().PrZoom, 1.5f);
}

struct ZoomRow {
    const char* name;
    int zoom;
    QSizeF field;
    double factor;
};
void PrintTo(const ZoomRow& r, std::ostream* os) { *os << r.name; }
class Zoom : public ::testing::TestWithParam<ZoomRow> {};

TEST_P(Zoom, Factor)
{
    PageHeader h;
    h.width = 11906;
    h.height = 16838;
    h.areaWidth = 10000;
    h.areaHeight = 15000;
    EXPECT_DOUBLE_EQ(zoomFactor(GetParam().zoom, GetParam().field, h), GetParam().factor);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Zoom,
    ::testing::Values(ZoomRow{"printer", -1, {}, 1}, ZoomRow{"realSize", -2, {}, 1},
                      ZoomRow{"percent", 75, {}, 0.75},
                      // Twice as wide as the area, equally high: the smaller ratio, 1.
                      ZoomRow{"fitWideField", 0, {20000, 15000}, 1},
                      ZoomRow{"fitNeverEnlarges", 0, {40000, 30000}, 1},
                      ZoomRow{"fitHalfHeight", 0, {20000, 7500}, 0.5}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(Interpreter, FitPutsTheMarginsOutsideTheField)
{
    writeOnePage();
    RecordingTarget t;
    t.field = QSizeF(10206 / 2.0, 20000); // half the area's width
    PrZeigSeite(t, 1, 0, PageSource::Pages);
    EXPECT_EQ(t.placed, QRectF(-1134 * 0.5, -850 * 0.5, 11906 * 0.5, 16838 * 0.5));
}

TEST(PageRecords, AStrayByteBetweenRecordsIsSkipped)
{
    const QByteArray text = QByteArray("3") + PrLong4(1) + PrLong4(2) + PrStr4(QStringLiteral("a"));
    RecordingTarget clean, stray;
    drawPageRecords(clean, text + text + "5", 1);
    drawPageRecords(stray, text + "x" + text + "5", 1);
    EXPECT_EQ(clean.calls, stray.calls);
    EXPECT_EQ(clean.calls.size(), 2);
}

TEST(PageRecords, TheCharacterRuleRecordDrawsBoxCharacters)
{
    RecordingTarget t;
    drawPageRecords(t, QByteArray("4") + PrLong4(5) + PrLong4(6) + PrLong4(1) + PrLong4(3) + "5", 1);
    EXPECT_EQ(t.calls, QStringList{QStringLiteral("text 5,6 ") + QString(3, QChar(0x2500))});
}

TEST_F(Interpreter, APageWithoutEndDrawsItsRecordsThenReportsTheError)
{
    writeOnePage();
    // Cut the final "5" off page 1 by moving its end entry back.
    state().PrSeitenTab = state().PrSeitenTab.left(4) + PrLong4([&] {
                              int pos = 5;
                              return PrGetLong(state().PrSeitenTab, pos) - 1;
                          }());
    sp.ui().expect(QuestionKind::Message, QStringLiteral("0"), Answer::button(Mb::OK));
    RecordingTarget t;
    PrZeigSeite(t, 1, -1, PageSource::Pages);
    EXPECT_TRUE(t.calls.contains(QStringLiteral("line 100,200-300,400")));
    ASSERT_TRUE(sp.ui().allUsed());
    EXPECT_TRUE(sp.ui().asked.back().text.startsWith(QStringLiteral("Error 5:")));
}

TEST(SymbolFont, LatinLettersStandForGreek)
{
    EXPECT_EQ(symbolToUnicode(QStringLiteral("p")), QString(QChar(0x03C0)));
    EXPECT_EQ(symbolToUnicode(QStringLiteral("abw1")), QStringLiteral("αβω1"));
}

// The pi of a factor is drawn in the family of the text it stands in (the
// monospaced lines of a report, the proportional heads), not in whatever
// font the system substitutes for "Symbol".
TEST(SymbolFont, PiTakesTheFamilyOfItsText)
{
    for (const char* family : {"Courier New", "Arial"}) {
        QImage image(200, 100, QImage::Format_RGB32);
        QPainter painter(&image);
        PainterTarget target(painter);
        target.setFontName(QString::fromLatin1(family));
        target.setFontName(QStringLiteral("Symbol"));
        target.text(0, 0, QStringLiteral("p"));
        EXPECT_EQ(QFontInfo(painter.font()).family(), QFontInfo(QFont(QString::fromLatin1(family))).family())
            << family;
        EXPECT_TRUE(QFontMetricsF(painter.font()).inFont(QChar(0x03C0))) << family;
    }
}

TEST_F(Interpreter, PrintsEveryPageWithNewPagesBetween)
{
    ASSERT_TRUE(PrInit());
    writeNumberedPages(3);
    EXPECT_EQ(printPages(currentPrinter(), QStringLiteral("xyz"), false), PrintOutcome::Printed);
    EXPECT_EQ(printer->begun, 1);
    EXPECT_EQ(printer->newPages, 2);
    EXPECT_EQ(printer->ended, 1);
}

TEST_F(Interpreter, CancelStopsAfterThePagePrinting)
{
    ASSERT_TRUE(PrInit());
    writeNumberedPages(2);
    HeadlessInfoList& list = sp.ui().headlessList();
    list.Begin();
    list.cancelAfterAdds = 0;
    list.Add(QString());
    EXPECT_EQ(printPages(*printer, QStringLiteral("++"), false), PrintOutcome::Cancelled);
    EXPECT_EQ(printer->newPages, 1);
    EXPECT_EQ(printer->ended, 0);
    // On the last page the end of the document is sent before the cancel counts.
    EXPECT_EQ(printPages(currentPrinter(), QStringLiteral("+"), false), PrintOutcome::Cancelled);
    EXPECT_EQ(printer->ended, 1);
}

TEST_F(Interpreter, PaperSizeFollowsTheConfiguration)
{
    ASSERT_TRUE(PrInit());
    writeNumberedPages(1);
    sp.program().Cf = QStringLiteral(",Paf=1");
    printPages(currentPrinter(), QStringLiteral("+"), false);
    EXPECT_EQ(printer->paper, PaperLetter);
}

} // namespace
