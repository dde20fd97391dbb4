#pragma once
#include "printing/printdevice.h"

#include <memory>

class QPrinter;
class QtInteraction;

// The system's default printer as print device (Qt print support).
class QPrinterDevice : public PrintDevice {
public:
    QPrinterDevice();
    ~QPrinterDevice() override;
    QString deviceName() const override;
    int pageWidth() const override;
    int pageHeight() const override;
    void setPaperSize(int paper) override;
    QPainter* beginDocument() override;
    bool newPage() override;
    bool endDocument() override;
    void killDocument() override;

private:
    std::unique_ptr<QPrinter> mPrinter;
    std::unique_ptr<QPainter> mPainter;
};

// The maker of the system's default printer for the PrinterLinks: it gives the
// printer when one is installed; without one, printouts go to PDF files in the
// result directory. The printers are looked for when the printer is first
// needed.
std::unique_ptr<PrintDevice> makeSystemPrinter();

// Registers the windows of the print layer on the Interaction of the screen:
// the print preview ("preview") and the Save-As dialog of result files ("save").
void registerPrintWindows(QtInteraction& ui);
