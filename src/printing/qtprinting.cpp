#include "printing/qtprinting.h"
#include "frame/qtinteraction.h"
#include "printing/frmpreview.h"
#include "printing/previewstate.h"
#include "printing/printjob.h"

#include <QFileDialog>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

QPrinterDevice::QPrinterDevice() : mPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    mPrinter->setPageOrientation(QPageLayout::Portrait);
}

QPrinterDevice::~QPrinterDevice()
{
    killDocument();
}

QString QPrinterDevice::deviceName() const
{
    return mPrinter->printerName();
}

int QPrinterDevice::pageWidth() const
{
    return qRound(mPrinter->pageLayout().fullRectPoints().width() * 20.0);
}

int QPrinterDevice::pageHeight() const
{
    return qRound(mPrinter->pageLayout().fullRectPoints().height() * 20.0);
}

void QPrinterDevice::setPaperSize(int paper)
{
    mPrinter->setPageSize(QPageSize(paper == PaperLetter ? QPageSize::Letter : QPageSize::A4));
}

QPainter* QPrinterDevice::beginDocument()
{
    killDocument();
    mPainter = std::make_unique<QPainter>();
    if (!mPainter->begin(mPrinter.get())) {
        mPainter.reset();
        return nullptr;
    }
    return mPainter.get();
}

bool QPrinterDevice::newPage()
{
    return mPrinter->newPage();
}

bool QPrinterDevice::endDocument()
{
    if (!mPainter)
        return false;
    const bool ok = mPainter->end();
    mPainter.reset();
    return ok;
}

void QPrinterDevice::killDocument()
{
    if (!mPainter)
        return;
    mPrinter->abort();
    if (mPainter->isActive())
        mPainter->end();
    mPainter.reset();
}

std::unique_ptr<PrintDevice> makeSystemPrinter()
{
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        return nullptr;
    return std::make_unique<QPrinterDevice>();
}

void registerPrintWindows(QtInteraction& qtUi)
{
    QtInteraction* ui = &qtUi;
    ui->registerHandler(QuestionKind::Preview, [ui](const Question& q) {
        PreviewState* state = modelOf<PreviewState>(q);
        if (!state)
            return Answer::cancel();
        frmPreview window(*state, ui->owner());
        window.Preview();
        Answer a;
        a.applied = true;
        a.cancelled = !state->confirmed();
        return a;
    });
    ui->registerHandler(QuestionKind::SaveFile, [ui](const Question& q) {
        const FileParams& params = paramsOf<FileParams>(q);
        const QString& filter = params.filter;
        // The callers' "Text|pattern" pairs become the file dialog's "Text (pattern)".
        const QStringList parts = filter.split(u'|');
        QStringList filters;
        for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
            filters << parts[i].section(u'(', 0, 0).trimmed() + QStringLiteral(" (") + parts[i + 1] + u')';
        const QString start = QDir(params.dir).filePath(params.file);
        const QString chosen = QFileDialog::getSaveFileName(ui->owner(), q.text, start, filters.join(QStringLiteral(";;")));
        if (chosen.isEmpty())
            return Answer::cancel();
        return Answer::word(chosen);
    });
}
