#include "frame/frmwahlsyst.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

frmWahlSyst::frmWahlSyst(const Question& q, QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmWahlSyst"));
    setWindowTitle(q.text);
    auto* top = new QVBoxLayout(this);
    auto* lists = new QHBoxLayout;
    mDirs = new QFileSystemModel(this);
    mDirs->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    mDirs->setRootPath(QDir::rootPath());
    mDirView = new QTreeView(this);
    mDirView->setModel(mDirs);
    for (int c = 1; c < mDirs->columnCount(); ++c)
        mDirView->hideColumn(c);
    mDirView->header()->hide();
    lists->addWidget(mDirView, 1);
    mFiles = new QFileSystemModel(this);
    mFiles->setFilter(QDir::Files);
    mFileView = new QListView(this);
    mFileView->setModel(mFiles);
    mFileView->setVisible(paramsOf<DirectoryOrFileParams>(q).showFiles);
    lists->addWidget(mFileView, 1);
    top->addLayout(lists);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(ResStr(1500, 0, prog().LangNr), QDialogButtonBox::AcceptRole);
    buttons->addButton(ResStr(1501, 0, prog().LangNr), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    top->addWidget(buttons);
    // The file list follows the directory list.
    connect(mDirView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                const QString dir = mDirs->filePath(current);
                mFileView->setRootIndex(mFiles->setRootPath(dir));
            });
    QString start = nativePath(paramsOf<DirectoryOrFileParams>(q).path);
    if (start.isEmpty() || !QFileInfo(start).isDir())
        start = QDir::currentPath();
    setCurrentDirectory(QFileInfo(start).absoluteFilePath());
    resize(640, 420);
}

void frmWahlSyst::setCurrentDirectory(const QString& dir)
{
    const QModelIndex idx = mDirs->index(dir);
    mDirView->setCurrentIndex(idx);
    mDirView->scrollTo(idx);
    mFileView->setRootIndex(mFiles->setRootPath(dir));
}

QString frmWahlSyst::currentDirectory() const
{
    return mDirs->filePath(mDirView->currentIndex());
}

QString frmWahlSyst::currentFile() const
{
    const QModelIndex idx = mFileView->currentIndex();
    return idx.isValid() ? mFiles->fileName(idx) : QString();
}

Answer frmWahlSyst::answer() const
{
    Answer a;
    a.text = currentDirectory();
    a.values << currentFile();
    return a;
}

Answer frmWahlSyst::ask(const Question& q, QWidget* owner)
{
    frmWahlSyst dlg(q, owner);
    if (dlg.exec() != QDialog::Accepted)
        return Answer::cancel();
    return dlg.answer();
}
