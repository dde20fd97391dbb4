#include "dialogue/frmdia.h"
#include "dialogue/oemtext.h"
#include "dialogue/screen.h"
#include "dialogue/textpage.h"
#include "frame/qtrichtext.h"
#include "frame/qtinteraction.h"
#include "frame/qtmodal.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <cmath>

namespace {
// The PC text-mode palette.
QColor pcColour(int n)
{
    static const QRgb colours[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
                                     0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    return QColor(colours[n & 15]);
}

bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }
} // namespace

frmDiaWindow::frmDiaWindow(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("TARN f. Win"));
    setWindowModality(Qt::ApplicationModal);
    mFont = QFont(QStringLiteral("Courier New"), 9);
    mFont.setStyleHint(QFont::Monospace);
    mFont.setFixedPitch(true);
    setFont(mFont);
    const QFontMetricsF fm(mFont);
    mCellW = fm.horizontalAdvance(QLatin1Char('R'));
    mCellH = int(std::nearbyint(fm.height()));
    mBar = new QScrollBar(Qt::Vertical, this);
    mBar->hide();
    mBar->installEventFilter(this);
    connect(mBar, &QScrollBar::valueChanged, this, [this](int v) {
        if (mPage && !mInAction)
            forward([&] { mPage->scrollTo(v); });
    });
}

QRect frmDiaWindow::cellRect(double col, double row, double cols, double rows) const
{
    return QRect(int(std::lround(col * mCellW)), int(std::lround(row * mCellH)), int(std::lround(cols * mCellW)),
                 int(std::lround(rows * mCellH)));
}

void frmDiaWindow::run(DiaModel& model)
{
    start(model);
    if (model.ended())
        return;
    waitForSignal(this, &frmDiaWindow::screenEnded);
}

void frmDiaWindow::start(DiaModel& model)
{
    mModel = &model;
    mScreen = dynamic_cast<DiaScreen*>(&model);
    mPage = dynamic_cast<TextPage*>(&model);
    rebuild();
    show();
    if (QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
    activateWindow();
    if (mPage && mBar->isVisible())
        mBar->setFocus();
    else if (!mFields.isEmpty())
        firstFieldToFill()->setFocus();
    else
        setFocus();
}

void frmDiaWindow::rebuild()
{
    // Controls of the previous screen stay loaded but hidden, as the raster reuses them.
    qDeleteAll(mButtons);
    mButtons.clear();
    qDeleteAll(mChecks);
    mChecks.clear();
    qDeleteAll(mFields);
    mFields.clear();
    mTextFrom.clear();

    const int barWidth = mPage ? mBar->sizeHint().width() : 0;
    setFixedSize(int(std::lround(mModel->columns * mCellW)) + barWidth, mModel->rows * mCellH);
    if (!mModel->caption.isEmpty())
        setWindowTitle(screenText(mModel->caption));

    for (int i = 0; i < mModel->buttons.size(); ++i) {
        const ScreenButton& b = mModel->buttons[i];
        auto* pb = new QPushButton(screenText(b.caption), this);
        pb->setAutoDefault(false);
        pb->setToolTip(screenText(b.toolTip));
        pb->setGeometry(cellRect(b.left, b.top, b.width, b.height));
        pb->installEventFilter(this);
        connect(pb, &QPushButton::clicked, this, [this, i] { forward([&] { mModel->clickButton(i); }); });
        pb->show();
        mButtons << pb;
    }

    if (mScreen) {
        for (const ToggleControl& t : mScreen->toggles) {
            QCheckBox* box = nullptr;
            if (t.kind == ToggleControl::CheckBox) {
                box = new QCheckBox(screenText(t.caption.trimmed()), this);
                box->setStyleSheet(QStringLiteral("QCheckBox { spacing: 3px; }"));
                // The box and its key stand side by side in whole cells; the
                // text of the line begins a blank behind them (see textShift).
                const int cells = std::max(1, int(std::ceil(box->sizeHint().width() / mCellW)));
                box->setGeometry(cellRect(t.col, t.row, cells, 1));
                const int free = t.col + cells + 1;
                if (!mTextFrom.contains(t.row) || mTextFrom[t.row].second < free)
                    mTextFrom[t.row] = {t.col, free};
                box->installEventFilter(this);
                const int number = t.number;
                connect(box, &QCheckBox::clicked, this,
                        [this, number] { forward([&] { mScreen->clickCheckBox(number); }); });
                box->show();
            }
            mChecks << box;
        }
        for (const EntryField& f : mScreen->fields) {
            auto* edit = new QLineEdit(fieldToDisplay(f.text), this);
            edit->setFrame(false);
            edit->setFont(mFont);
            // The marker's filler characters give the entry length; the field
            // shows two cells more so that the cursor has room behind the text.
            edit->setMaxLength(std::max(1, f.width - 2));
            QPalette pal = edit->palette();
            pal.setColor(QPalette::Base, pcColour(7));
            pal.setColor(QPalette::Text, pcColour(0));
            edit->setPalette(pal);
            edit->setGeometry(cellRect(f.col, f.row, f.width, 1.1));
            edit->installEventFilter(this);
            edit->show();
            mFields << edit;
        }
    }

    if (mPage) {
        mBar->setGeometry(width() - barWidth, mCellH, barWidth, 21 * mCellH);
        mInAction = true;
        mBar->setRange(0, mPage->scrollMax);
        mBar->setPageStep(mPage->scrollLargeStep);
        mBar->setValue(mPage->firstShown - 1);
        mInAction = false;
        mBar->setVisible(mPage->scrollBarVisible);
    } else {
        mBar->hide();
    }
    syncControls();
}

void frmDiaWindow::syncControls()
{
    if (mScreen) {
        for (const ToggleControl& t : mScreen->toggles)
            if (QCheckBox* box = mChecks.value(t.number))
                box->setChecked(t.value != 0);
    }
    if (!mModel->caption.isEmpty())
        setWindowTitle(screenText(mModel->caption));
    update();
}

QLineEdit* frmDiaWindow::firstFieldToFill() const
{
    // The fields that come filled in (a database letter, a default) are
    // skipped: the user starts where there is something to type.
    for (QLineEdit* edit : mFields)
        if (edit->text().trimmed().isEmpty())
            return edit;
    return mFields.front();
}

QLineEdit* frmDiaWindow::entryField(int index) const
{
    if (!mScreen)
        return nullptr;
    const int pos = mScreen->fieldOfIndex(index);
    return pos < 0 ? nullptr : mFields.value(pos);
}

QCheckBox* frmDiaWindow::checkBox(int toggleNumber) const
{
    return mChecks.value(toggleNumber);
}

void frmDiaWindow::pushFields()
{
    if (!mScreen)
        return;
    for (int i = 0; i < mFields.size(); ++i)
        mScreen->setFieldText(i, fieldFromDisplay(mFields[i]->text()));
}

template <typename F> void frmDiaWindow::forward(F action)
{
    if (!mModel || mModel->ended())
        return;
    pushFields();
    mInAction = true;
    action();
    mInAction = false;
    syncControls();
    if (mModel->ended()) {
        hide();
        emit screenEnded();
        return;
    }
    if (mScreen && mScreen->refusedField >= 0) {
        // The screen stays open: say why, and put the user back into the field
        // with its text marked, so that typing replaces it.
        QLineEdit* field = mFields.value(mScreen->refusedField);
        showRefusal(mScreen->takeRefusal());
        if (field) {
            field->setFocus(Qt::OtherFocusReason);
            field->selectAll();
        }
    }
}

bool frmDiaWindow::handleKey(QKeyEvent* event, QObject* target)
{
    if (!mModel || mModel->ended())
        return false;
    const int key = event->key();
    const QString mode = mModel->mode;
    if (isEnter(key)) {
        forward([&] { mModel->pressEnter(); });
        return true;
    }
    if (key == Qt::Key_Escape) {
        forward([&] { mModel->pressEscape(); });
        return true;
    }
    if (mode == QLatin1String("BTX"))
        return false;
    if (mode == QLatin1String("E")) {
        auto* edit = qobject_cast<QLineEdit*>(target);
        if (!edit)
            return false;
        // Up and Down move between the entry fields, as Tab does.
        if (key == Qt::Key_Down || key == Qt::Key_Up) {
            const int at = int(mFields.indexOf(edit));
            const int to = at + (key == Qt::Key_Down ? 1 : -1);
            if (at >= 0 && to >= 0 && to < mFields.size())
                mFields[to]->setFocus(key == Qt::Key_Down ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
        if (key == Qt::Key_P && (event->modifiers() & Qt::ControlModifier)) {
            InsertPi(edit);
            return true;
        }
        const QString text = event->text();
        if (text.size() != 1 || !text[0].isPrint() || (event->modifiers() & Qt::ControlModifier))
            return false; // Backspace, arrows and editing keys pass
        const QChar typed = mScreen->typedInto(int(mFields.indexOf(edit)), text[0]);
        if (typed.isNull()) {
            QApplication::beep();
            return true;
        }
        if (typed != text[0]) {
            edit->insert(QString(typed));
            return true;
        }
        return false;
    }
    const QString text = event->text();
    if (text.size() != 1 || !text[0].isPrint())
        return false;
    const QChar c = unicodeToOem(text[0]);
    if (c.isNull())
        return false;
    if (mode == QLatin1String("Q")) {
        forward([&] { mModel->pressKey(c); });
        return true;
    }
    // Input screen without entry fields: keys of the screen act, others go to the focused control.
    if (mScreen && mScreen->keyTypes.contains(u',' + QString(c) + u'=')) {
        forward([&] { mModel->pressKey(c); });
        return true;
    }
    return false;
}

bool frmDiaWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent*>(event), watched))
        return true;
    return QDialog::eventFilter(watched, event);
}

void frmDiaWindow::keyPressEvent(QKeyEvent* event)
{
    if (!handleKey(event, this))
        event->ignore();
}

void frmDiaWindow::clickAt(const QPoint& pos)
{
    if (!mScreen)
        return;
    // Action labels and label toggles send their key as a keystroke.
    for (const ActionLabel& a : mScreen->actions)
        if (cellRect(a.col, a.row, 4, 1).contains(pos)) {
            const QChar key = a.key;
            if (mScreen->mode == QLatin1String("Q") || mScreen->mode.isEmpty())
                forward([&] { mScreen->pressKey(key); });
            return;
        }
    for (const ToggleControl& t : mScreen->toggles)
        if (t.kind == ToggleControl::Label && cellRect(t.col, t.row, t.width, 1).contains(pos)) {
            const QChar key = t.key;
            if (mScreen->mode.isEmpty())
                forward([&] { mScreen->pressKey(key); });
            return;
        }
}

void frmDiaWindow::mousePressEvent(QMouseEvent* event)
{
    clickAt(event->position().toPoint());
}

void frmDiaWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    clickAt(event->position().toPoint());
}

void frmDiaWindow::closeEvent(QCloseEvent* event)
{
    if (!mModel || mModel->ended()) {
        event->accept();
        return;
    }
    pushFields();
    // The close box is the screen's cancel (its Escape); a screen without one
    // keeps the close box for the cases closeBox() lets through.
    mModel->pressEscape();
    if (mModel->ended() || mModel->closeBox()) {
        event->accept();
        hide();
        emit screenEnded();
        return;
    }
    event->ignore();
}

int frmDiaWindow::textShift(const DrawnText& t) const
{
    // A text that would start under a check box on its row moves right to
    // the first free cell behind it.
    const auto it = mTextFrom.constFind(t.row);
    if (it == mTextFrom.constEnd() || t.col < it->first)
        return 0;
    int lead = 0;
    while (lead < t.text.size() && t.text[lead] == u' ')
        ++lead;
    return std::max(0, it->second - (t.col + lead));
}

QRect frmDiaWindow::drawnTextInk(int index) const
{
    if (!mModel || index < 0 || index >= mModel->texts.size())
        return {};
    const DrawnText& t = mModel->texts[index];
    int lead = 0;
    while (lead < t.text.size() && t.text[lead] == u' ')
        ++lead;
    const int length = int(t.text.trimmed().size());
    return cellRect(t.col + textShift(t) + lead, t.row, length, 1);
}

void frmDiaWindow::paintEvent(QPaintEvent*)
{
    if (!mModel)
        return;
    QPainter p(this);
    p.setFont(mFont);
    const CellColours win = schemeColours(mModel->scheme);
    p.fillRect(rect(), pcColour(win.bg));
    for (const DrawnText& t : mModel->texts) {
        const QRect r = cellRect(t.col + textShift(t), t.row, t.text.size() + 1, 1);
        const CellColours c = attributeColours(t.attr);
        p.fillRect(r, pcColour(c.bg));
        p.setPen(pcColour(c.fg));
        p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, screenText(t.text));
    }
    if (!mScreen)
        return;
    for (const ActionLabel& a : mScreen->actions) {
        const QRect r = cellRect(a.col, a.row, 4, 1);
        p.fillRect(r, pcColour(7));
        p.setPen(pcColour(0));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.drawText(r, Qt::AlignCenter, screenText(QString(a.key)));
    }
    for (const ToggleControl& t : mScreen->toggles) {
        if (t.kind != ToggleControl::Label)
            continue;
        const QRect r = cellRect(t.col, t.row, t.width, 1);
        p.fillRect(r, pcColour(7));
        p.setPen(pcColour(0));
        p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, screenText(t.labelText()));
    }
}

void registerDialogueWindows(QtInteraction& ui)
{
    auto window = std::make_shared<std::unique_ptr<frmDiaWindow>>();
    const QtInteraction::Handler handler = [window](const Question& q) {
        DiaModel* model = modelOf<DiaModel>(q);
        if (!model)
            return Answer::cancel();
        if (!*window)
            *window = std::make_unique<frmDiaWindow>();
        (*window)->run(*model);
        Answer a;
        a.applied = true;
        return a;
    };
    ui.registerHandler(QuestionKind::Screen, handler);
    ui.registerHandler(QuestionKind::TextPage, handler);
}
