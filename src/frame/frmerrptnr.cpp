#include "frame/frmerrptnr.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <QPushButton>
#include <cmath>

namespace {
int px(int twips, int dpi)
{
    return int(std::lround(double(twips) * dpi / 1440.0));
}
} // namespace

frmErrPtnr::frmErrPtnr(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmErrPtnr"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    const int dpi = logicalDpiY();
    const int width = px(7215, dpi);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto frame = [&](const QString& caption, int heightTwips) {
        auto* box = new QGroupBox(caption, this);
        box->setFixedSize(width, px(heightTwips, dpi));
        outer->addWidget(box);
        return box;
    };

    QGroupBox* framComment = frame(QString(), 975);
    lblComment = new QLabel(framComment);
    lblComment->setObjectName(QStringLiteral("lblComment"));
    lblComment->setWordWrap(true);
    QFont bold = lblComment->font();
    bold.setBold(true);
    lblComment->setFont(bold);
    (new QVBoxLayout(framComment))->addWidget(lblComment);

    QGroupBox* framFehler = frame(QStringLiteral("Fehlerbeschreibung:"), 1575);
    auto* grid = new QGridLayout(framFehler);
    grid->setVerticalSpacing(0);
    auto* mark = new QLabel(QStringLiteral("!"), framFehler);
    QFont markFont(QStringLiteral("Arial"), 36, QFont::Bold);
    mark->setFont(markFont);
    QPalette red = mark->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    mark->setPalette(red);
    mark->setFixedWidth(px(600, dpi));
    mark->setAlignment(Qt::AlignCenter);
    grid->addWidget(mark, 0, 0, 4, 1);
    for (int i = 0; i < 4; ++i) {
        lblErrTitel[i] = new QLabel(QString::fromUtf8(ErrPtnr::ErrorTitles[i]), framFehler);
        lblError[i] = new QLabel(framFehler);
        lblError[i]->setObjectName(QStringLiteral("lblError%1").arg(i));
        lblError[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(lblErrTitel[i], i, 1);
        grid->addWidget(lblError[i], i, 2);
    }
    grid->setColumnStretch(2, 1);

    QGroupBox* framProtocol = frame(QStringLiteral("Fehlerprotokoll ..."), 735);
    auto* protocolRow = new QHBoxLayout(framProtocol);
    protocolRow->setContentsMargins(6, 0, 6, 2); // the frame is low: room for the buttons
    const std::array<const char*, 3> protocolCaptions = {"&Drucken", "&Speichern", "&EMail"};
    for (int i = 0; i < 3; ++i) {
        cmdProtocol[i] = new QPushButton(QString::fromUtf8(protocolCaptions[i]), framProtocol);
        cmdProtocol[i]->setObjectName(QStringLiteral("cmdProtocol%1").arg(i));
        cmdProtocol[i]->setAutoDefault(false);
        protocolRow->addWidget(cmdProtocol[i]);
    }
    connect(cmdProtocol[0], &QPushButton::clicked, this, [this] { ErrPtnr::PrintProtocol(protocol()); });
    connect(cmdProtocol[1], &QPushButton::clicked, this, [this] { ErrPtnr::SaveProtocol(protocol()); });
    connect(cmdProtocol[2], &QPushButton::clicked, this, [this] { ErrPtnr::MailProtocol(protocol()); });

    QGroupBox* framCallStack = frame(QStringLiteral("CallStack:"), 1695);
    lstCallStack = new QListWidget(framCallStack);
    lstCallStack->setObjectName(QStringLiteral("lstCallStack"));
    (new QVBoxLayout(framCallStack))->addWidget(lstCallStack);

    QGroupBox* framContinue = frame(QStringLiteral("Weiterer Programmablauf..."), 855);
    auto* continueRow = new QHBoxLayout(framContinue);
    continueRow->setContentsMargins(6, 0, 6, 2);
    for (int i = 0; i < 4; ++i) {
        cmdContinue[i] = new QPushButton(QString::fromUtf8(ErrPtnr::ContinueCaptions[i]), framContinue);
        cmdContinue[i]->setObjectName(QStringLiteral("cmdContinue%1").arg(i));
        cmdContinue[i]->setAutoDefault(false);
        continueRow->addWidget(cmdContinue[i]);
        connect(cmdContinue[i], &QPushButton::clicked, this, [this, i] {
            mAnswer = i;
            accept();
        });
    }
    setFixedSize(sizeHint());
}

void frmErrPtnr::fill(const ErrPtnr::ErrorDialogContent& content)
{
    mContent = content;
    setWindowTitle(content.caption);
    lblComment->setText(content.comment);
    for (int i = 0; i < 4; ++i)
        lblError[i]->setText(content.values[i]);
    lstCallStack->clear();
    lstCallStack->addItems(content.callStack);
    for (int i = 0; i < 4; ++i)
        cmdContinue[i]->setVisible(content.showsButton(i));
    mAnswer = ErrPtnr::LeaveProcedure;
}

QString frmErrPtnr::protocol() const
{
    return ErrPtnr::BuildProtocol(mContent);
}

Answer frmErrPtnr::ask(const Question& q, QWidget* owner)
{
    frmErrPtnr dialog(owner);
    ErrPtnr::ErrorDialogContent content;
    if (const ErrPtnr::ErrorDialogContent* given = modelOf<ErrPtnr::ErrorDialogContent>(q)) {
        content = *given;
    } else {
        content.caption = QStringLiteral("TARN - Fehlermeldung");
        content.values[0] = q.text;
    }
    dialog.fill(content);
    dialog.exec();
    return Answer::button(dialog.answer());
}

void frmErrPtnr::closeEvent(QCloseEvent* event)
{
    event->ignore();
}
