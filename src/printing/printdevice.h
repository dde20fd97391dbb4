#pragma once
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <memory>

class QPainter;
class QPdfWriter;

// The font of the printer object as the writers set it and the device reports it.
struct PrinterFont {
    QString name;
    double size = 0; // points
    bool bold = false;
    bool underline = false;
};

// Paper sizes by the numbers of the printer object.
inline constexpr int PaperA4 = 9;
inline constexpr int PaperLetter = 1;

// The current printer: it measures text for the page writers (so that the page
// stream is laid out in the metrics of the device that will print it) and
// renders finished pages. Page coordinates are twips; a device's painter works in
// its own units and the renderer scales by its resolution.
class PrintDevice {
public:
    virtual ~PrintDevice() = default;

    virtual QString deviceName() const = 0;
    // Paper width and height in twips, portrait.
    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;
    virtual void setPaperSize(int paper) = 0;

    // The font the device uses for a request. Fonts resolve through fontconfig
    // ("Arial" and "Courier New" to their metric-compatible faces), so the device
    // reports the name and size asked for.
    virtual PrinterFont resolveFont(const PrinterFont& asked) const { return asked; }
    // Text extent in twips in the given font.
    virtual double textWidth(const PrinterFont& font, const QString& text) const;
    virtual double textHeight(const PrinterFont& font, const QString& text) const;

    // Output of one document: begin gives the painter (nullptr when the device
    // refuses), newPage and end close pages; end is false when the document could
    // not be completed. kill drops a document that was begun and not ended.
    virtual QPainter* beginDocument() = 0;
    virtual bool newPage() = 0;
    virtual bool endDocument() = 0;
    virtual void killDocument() = 0;

    // A device that writes a PDF file: the file of the last document, and whether
    // the device chose that file itself (no printer installed), so that the
    // program says where the printout went.
    virtual bool writesPdf() const { return false; }
    virtual QString outputFile() const { return {}; }
    virtual bool namesOwnFile() const { return false; }
    // Why the last document failed, for the message.
    virtual QString lastError() const { return {}; }
};

// Text metrics of a font at 1440 dpi (one unit one twip).
double qtTextWidth(const PrinterFont& font, const QString& text);
double qtTextHeight(const PrinterFont& font, const QString& text);

// Paper sizes in twips.
QSizeF paperTwips(int paper);

// A PDF file as printer: QPdfWriter at 1440 dpi, no margins, so the printable
// origin is the paper corner. Without a file name it names a new file in the
// result directory (Cf key ResDir) when a document begins: that is the printer
// of a machine without a printer.
class PdfPrintDevice : public PrintDevice {
public:
    explicit PdfPrintDevice(QString file = QString());
    ~PdfPrintDevice() override;

    QString deviceName() const override { return QStringLiteral("PDF"); }
    int pageWidth() const override;
    int pageHeight() const override;
    void setPaperSize(int paper) override;

    QPainter* beginDocument() override;
    bool newPage() override;
    bool endDocument() override;
    void killDocument() override;

    bool writesPdf() const override { return true; }
    QString outputFile() const override { return mCurrentFile; }
    bool namesOwnFile() const override { return mFile.isEmpty(); }
    QString lastError() const override { return mError; }

    void setFile(const QString& file) { mFile = file; }

private:
    void dropReservation();

    QString mFile;        // native path, or empty: a new file in the result directory
    QString mCurrentFile; // the file of the document under way or last written
    QString mPartFile;    // the temporary name it has while it is written
    bool mReserved = false; // mCurrentFile was taken by this device and not yet written
    QString mError;
    int mPaper = PaperA4;
    std::unique_ptr<QPdfWriter> mWriter;
    std::unique_ptr<QPainter> mPainter;
    bool mHoldsHeap = false; // the heap is held for the pages of the open document
    void letHeapGo();
};

// True when the file exists, is not empty and begins like a PDF file.
bool isPdfFile(const QString& nativeFile);
// A free file name in the result directory for a printout without a printer,
// taken by making the file (empty); an empty text when none can be made.
QString newResultPdfName();
