#include "frame/frmtarn.h"
#include "frame/program.h"

#include <QLabel>
#include <QMenuBar>

frmTARN::frmTARN(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("TARN ") + prog().ProgTitel.mid(5));
    auto* exitAction = menuBar()->addMenu(prog().LangNr == 2 ? QStringLiteral("&File") : QStringLiteral("&Datei"))
                           ->addAction(prog().LangNr == 2 ? QStringLiteral("E&xit") : QStringLiteral("&Beenden"));
    connect(exitAction, &QAction::triggered, this, &QWidget::close);
    setCentralWidget(new QLabel(prog().TitelAnw, this));
    resize(800, 600);
}

void frmTARN::showConfiguration() {}
