#include "printing/frmpreview.h"
#include "frame/interaction.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "printing/pageinterpreter.h"
#include "printing/previewstate.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

struct ButtonDef {
    const char* key;
    int number;
    const char* german;
    const char* english;
};
// Index order of the preview's buttons; the archive captions (offset 1725)
// differ only for "pr mit".
const ButtonDef kButtons[8] = {{"pr mit", 2, "&Drucken", "&Print"},
                               {"can", 5, "&Abbrechen", "&Cancel"},
                               {"<", 6, "&<", "&<"},
                               {">", 7, "&>", "&>"},
                               {"<<", 8, "&<<", "&<<"},
                               {">>", 9, "&>>", "&>>"},
                               {"pr ohne", 3, "Druck &ohne Archiv", "Print &without Archive"},
                               {"arch", 4, "&Nur Archiv", "Archive &only"}};

// Interface text n + offset; the built-in caption while the text table lacks it.
QString caption(int number, int offset, const QString& german, const QString& english)
{
    const QString text = ResStr(offset, number, prog().LangNr);
    if (!text.isEmpty() && !text.startsWith(u'#'))
        return text;
    return prog().LangNr == 2 ? english : german;
}

} // namespace

frmPreview::frmPreview(PreviewState& state, QWidget* owner)
    : QWidget(owner, Qt::Window), mState(state), mPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("frmPreview"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    const bool archiv = state.archiveButtons;
    const int offset = archiv ? 1725 : 1714;

    auto* rows = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    rows->addLayout(bar);

    for (int i = 0; i < 8; ++i) {
        const ButtonDef& d = kButtons[i];
        QString german = QString::fromUtf8(d.german), english = QString::fromUtf8(d.english);
        if (archiv && i == 0) {
            german = QStringLiteral("Druck &mit Archiv");
            english = QStringLiteral("Print with &Archive");
        }
        auto* b = new QPushButton(caption(d.number, offset, german, english), this);
        b->setObjectName(QString::fromLatin1(d.key));
        const QString key = QString::fromLatin1(d.key);
        connect(b, &QPushButton::clicked, this, [this, b, key] {
            // Disabled while its command runs (the page-count question may wait).
            b->setEnabled(false);
            command(key);
            b->setEnabled(true);
        });
        mCmd[i] = b;
    }
    mEdPage = new QLineEdit(this);
    mEdPage->setObjectName(QStringLiteral("edPage"));
    mEdPage->setMaximumWidth(60);
    // A page number typed and confirmed with Enter turns to that page; a number
    // that is no page of the job puts the page shown back into the field.
    connect(mEdPage, &QLineEdit::returnPressed, this, &frmPreview::pageTyped);
    mCbZoom = new QComboBox(this);
    mCbZoom->setObjectName(QStringLiteral("cbZoom"));
    mPdfEin = new QCheckBox(caption(10, 1714, QStringLiteral("Druck in PDF-Datei"), QStringLiteral("Print to PDF File")),
                            this);
    mPdfEin->setObjectName(QStringLiteral("PdfEin"));

    bar->addWidget(mCmd[4]);
    bar->addWidget(mCmd[2]);
    bar->addWidget(mEdPage);
    bar->addWidget(mCmd[3]);
    bar->addWidget(mCmd[5]);
    bar->addWidget(mCbZoom);
    bar->addWidget(mCmd[0]);
    bar->addWidget(mCmd[6]);
    bar->addWidget(mPdfEin);
    bar->addWidget(mCmd[7]);
    bar->addWidget(mCmd[1]);
    bar->addStretch();
    mCmd[6]->setVisible(archiv);
    mCmd[7]->setVisible(archiv);
    mPdfEin->setVisible(state.pdfOffered);

    const QString title = caption(0, 1714, QStringLiteral("Seitenvorschau          Seiten:  @1"),
                                  QStringLiteral("Page preview          pages:  @1"));
    setWindowTitle(ExpandText(title, {QString::number(state.pages())}));

    // The preview printer takes the job's paper, without margins, so that page
    // twips land where the printer and the PDF put them.
    mPrinter->setOutputFormat(QPrinter::PdfFormat);
    mPrinter->setFullPage(true);
    try {
        const PageHeader h = readPageHeader(readHeaderPage(PageSource::Pages));
        if (h.width > 0 && h.height > 0)
            mPrinter->setPageSize(QPageSize(QSizeF(h.width / 20.0, h.height / 20.0), QPageSize::Point));
    } catch (const std::exception&) {
        // No open job: an empty preview.
    }
    mPrinter->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    mView = new QPrintPreviewWidget(mPrinter.get(), this);
    mView->setObjectName(QStringLiteral("OnePage"));
    mView->setViewMode(QPrintPreviewWidget::SinglePageView);
    rows->addWidget(mView, 1);
    connect(mView, &QPrintPreviewWidget::paintRequested, this, &frmPreview::paintPages);
    if (auto* view = mView->findChild<QGraphicsView*>()) {
        view->viewport()->installEventFilter(this);
        view->viewport()->setCursor(Qt::SizeAllCursor);
    }

    mCbZoom->addItems({QStringLiteral("150%"), QStringLiteral("110%"), QStringLiteral("100%"), QStringLiteral(" 75%"),
                       QStringLiteral(" 50%"), QStringLiteral("Auto")});
    mCbZoom->setCurrentIndex(2);
    connect(mCbZoom, &QComboBox::currentIndexChanged, this, &frmPreview::zoomChosen);
    // The window fits the screen it opens on, whatever its size: the page
    // head and the scroll bars stay reachable on a small laptop screen.
    QSize size(900, 1000);
    if (const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        size = size.boundedTo(QSize(avail.width() * 95 / 100, avail.height() * 90 / 100));
        resize(size);
        move(avail.x() + (avail.width() - size.width()) / 2, avail.y() + (avail.height() - size.height()) / 3);
    } else {
        resize(size);
    }
    // Esc is the cancel button; PageUp and PageDown turn the pages (Ctrl with
    // them: first and last page), as in any document viewer.
    auto shortcut = [this](const QKeySequence& keys, const QString& command) {
        auto* sc = new QShortcut(keys, this);
        sc->setContext(Qt::WindowShortcut);
        connect(sc, &QShortcut::activated, this, [this, command] {
            if (QPushButton* b = button(command); b && b->isEnabled())
                b->click();
        });
    };
    shortcut(QKeySequence(Qt::Key_Escape), QStringLiteral("can"));
    shortcut(QKeySequence(Qt::Key_PageDown), QStringLiteral(">"));
    shortcut(QKeySequence(Qt::Key_PageUp), QStringLiteral("<"));
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_End), QStringLiteral(">>"));
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Home), QStringLiteral("<<"));
    mView->updatePreview();
    zoomChosen();
    ActivatePage(mState.AktSeite);
}

frmPreview::~frmPreview() = default;

QPushButton* frmPreview::button(const QString& key) const
{
    for (QPushButton* b : mCmd)
        if (b->objectName() == key)
            return b;
    return nullptr;
}

bool frmPreview::Preview()
{
    show();
    raise();
    if (!mState.decided()) {
        mWait.run();
    }
    hide();
    return mState.confirmed();
}

void frmPreview::paintPages(QPrinter* printer)
{
    QPainter painter(printer);
    const int n = mState.pages();
    try {
        for (int k = 1; k <= n; ++k) {
            painter.save();
            PainterTarget target(painter);
            PrZeigSeite(target, k, -1, PageSource::Pages);
            painter.restore();
            if (k < n)
                printer->newPage();
        }
    } catch (const std::exception& e) {
        ui().messageBox(QStringLiteral("0"), QStringLiteral("Error:   %1").arg(QString::fromLocal8Bit(e.what())),
                        Mb::OKOnly);
    }
}

void frmPreview::ActivatePage(int pg)
{
    if (pg < 1 || pg == mGezeigteSeite)
        return;
    mGezeigteSeite = pg;
    mView->setCurrentPage(pg);
    mEdPage->setText(QString::number(pg));
    showTopOfPage();
}

void frmPreview::showTopOfPage()
{
    // The view centres the page it turns to, which hides the page head when
    // the page is taller than the window; a page is read from its top.
    auto* view = mView->findChild<QGraphicsView*>();
    if (!view || mGezeigteSeite < 1)
        return;
    QList<QGraphicsItem*> pages;
    for (QGraphicsItem* item : view->scene()->items(Qt::AscendingOrder))
        if (!item->parentItem())
            pages << item;
    std::sort(pages.begin(), pages.end(),
              [](QGraphicsItem* a, QGraphicsItem* b) { return a->sceneBoundingRect().top() < b->sceneBoundingRect().top(); });
    if (mGezeigteSeite > pages.size())
        return;
    const QRectF page = pages[mGezeigteSeite - 1]->sceneBoundingRect();
    const QPoint top = view->mapFromScene(page.topLeft());
    QScrollBar* bar = view->verticalScrollBar();
    bar->setValue(bar->value() + top.y() - 10);
}

void frmPreview::command(const QString& key)
{
    mState.pdfTicked = mPdfEin->isVisible() && mPdfEin->isChecked();
    mState.command(key);
    if (mState.decided()) {
        mWait.end();
        return;
    }
    ActivatePage(mState.AktSeite);
}

void frmPreview::pageTyped()
{
    bool ok = false;
    const int page = mEdPage->text().trimmed().toInt(&ok);
    if (ok && mState.goToPage(page)) {
        ActivatePage(mState.AktSeite);
        return;
    }
    QApplication::beep();
    mEdPage->setText(QString::number(mGezeigteSeite));
    mEdPage->selectAll();
}

void frmPreview::zoomChosen()
{
    const QString text = mCbZoom->currentText();
    if (!text.endsWith(u'%')) {
        mZoomWert = 0;
        mView->setZoomMode(QPrintPreviewWidget::FitInView);
    } else {
        mZoomWert = text.chopped(1).trimmed().toInt();
        mView->setZoomFactor(mZoomWert / 100.0);
    }
    mGezeigteSeite = 0;
    ActivatePage(mState.AktSeite);
}

void frmPreview::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The view takes its final size only now; turn to the page head again
    // once that has settled.
    showTopOfPage();
    QMetaObject::invokeMethod(this, &frmPreview::showTopOfPage, Qt::QueuedConnection);
}

void frmPreview::closeEvent(QCloseEvent* event)
{
    // Closing the window while deciding is a cancel.
    mState.pdfTicked = mPdfEin->isVisible() && mPdfEin->isChecked();
    mState.close();
    mWait.end();
    event->accept();
}

bool frmPreview::eventFilter(QObject* watched, QEvent* event)
{
    // Dragging with the left button moves the page by the way the mouse went.
    if (event->type() == QEvent::MouseButtonPress) {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton) {
            mZiehen = true;
            mDragStart = me->position().toPoint();
            static_cast<QWidget*>(watched)->setCursor(Qt::ClosedHandCursor);
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton) {
            if (mZiehen) {
                mZiehen = false;
                const QPoint d = me->position().toPoint() - mDragStart;
                if (auto* view = mView->findChild<QGraphicsView*>(); view && !d.isNull()) {
                    view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->value() - d.x());
                    view->verticalScrollBar()->setValue(view->verticalScrollBar()->value() - d.y());
                }
            }
            static_cast<QWidget*>(watched)->setCursor(Qt::SizeAllCursor);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
