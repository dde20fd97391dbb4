#pragma once
#include <QByteArray>
#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <cstdint>

class QPainter;
class PrintDevice;

// Where the interpreter draws a page: the printer, a PDF file or the preview.
// It sets the target's font and pen and draws text and lines in page twips.
class DrawTarget {
public:
    virtual ~DrawTarget() = default;
    virtual void setFontName(const QString& name) = 0;
    virtual QString fontName() const = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setFontBold(bool bold) = 0;
    virtual void setFontUnderline(bool underline) = 0;
    virtual void setDrawStyle(int style) = 0;
    virtual void setDrawWidth(int width) = 0;
    virtual void line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;
    // Text with its top left corner at x, y.
    virtual void text(int32_t x, int32_t y, const QString& text) = 0;

    // For the zoomed modes: the target's field in its own twips, and the frame
    // the page (w x h page twips) is laid onto.
    virtual QSizeF fieldSize() const { return {}; }
    virtual void placePage(const QRectF& frame, const QSizeF& page) { (void)frame; (void)page; }
};

// Draws through a QPainter whose device units may be anything: page twips are
// scaled by the device resolution. The one routine behind printer, preview and PDF.
class PainterTarget : public DrawTarget {
public:
    explicit PainterTarget(QPainter& painter);
    void setFontName(const QString& name) override;
    QString fontName() const override { return mFontName; }
    void setFontSize(double points) override;
    void setFontBold(bool bold) override { mFont.setBold(bold); }
    void setFontUnderline(bool underline) override { mFont.setUnderline(underline); }
    void setDrawStyle(int style) override { mDrawStyle = style; }
    void setDrawWidth(int width) override { mDrawWidth = width; }
    void line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
    void text(int32_t x, int32_t y, const QString& text) override;
    void placePage(const QRectF& frame, const QSizeF& page) override;

private:
    void applyFont();
    QPainter& mPainter;
    QFont mFont;
    QString mFontName;
    QString mTextFamily; // the last font that was not "Symbol"
    double mPoints = 10;
    double mDpi = 1440;
    double mFactor = 1;
    int mDrawStyle = 0;
    int mDrawWidth = 1;
};

// Text in the Symbol font is written with Latin letters that stand for Greek
// ones ("p" for pi); fonts here are Unicode, so the letters are mapped.
QString symbolToUnicode(const QString& text);

// The header page of a page file.
struct PageHeader {
    int32_t width = 0, height = 0;         // paper
    int32_t areaWidth = 0, areaHeight = 0; // print area over the margins
    int32_t left = 0, top = 0;
    QString fontName;
};
PageHeader readPageHeader(const QByteArray& header);

enum class PageSource { Pages, Archive };

// Number of pages in the page file (or the archive page file) of the open job.
int pageCount(PageSource source);
// The bytes of page k (from 1) and of the header page.
QByteArray readPage(PageSource source, int k);
QByteArray readHeaderPage(PageSource source);

// Scale factor of a zoom: -2 and -1 give 1; n > 0 n percent; 0 fits the print
// area into the field, never above 1.
double zoomFactor(int zoom, const QSizeF& field, const PageHeader& header);

// Draws page k of the open job onto the target. Zoom: -2 real size, -1 the
// printer (no scaling), 0 fit the print area into the field, n > 0 percent.
// A page that cannot be interpreted stops with a message box; errors reading
// the file reach the caller.
void PrZeigSeite(DrawTarget& target, int32_t k, int zoom, PageSource source);
// Draws page bytes (records up to "5") with a given factor.
void drawPageRecords(DrawTarget& target, const QByteArray& page, double factor);

enum class PrintOutcome { Printed, Cancelled, Failed };

// Prints pages 1..length of the selection of the open job (or of its archive
// pages) on a device: the current printer or a PDF file; checks the progress
// window's cancel after each page.
PrintOutcome printPages(PrintDevice& device, const QString& selection, bool archive);
