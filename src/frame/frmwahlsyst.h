#pragma once
#include "frame/interaction.h"

#include <QDialog>

class QFileSystemModel;
class QListView;
class QTreeView;

// The directory and file chooser: a directory tree and, where wanted, the files of
// the chosen directory. Answers the question kind "dirfile".
class frmWahlSyst : public QDialog {
    Q_OBJECT
public:
    frmWahlSyst(const Question& q, QWidget* owner);
    Answer answer() const;
    // Handler for QtInteraction::registerHandler(QuestionKind::DirectoryOrFile, ...).
    static Answer ask(const Question& q, QWidget* owner);

    QString currentDirectory() const;
    QString currentFile() const;
    void setCurrentDirectory(const QString& dir);

private:
    QFileSystemModel* mDirs = nullptr;
    QFileSystemModel* mFiles = nullptr;
    QTreeView* mDirView = nullptr;
    QListView* mFileView = nullptr;
};
