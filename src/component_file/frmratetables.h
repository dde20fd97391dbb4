#pragma once
#include "component_file/awsedit.h"
#include "frame/qtmodal.h"

#include <QDialog>
#include <QList>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QtInteraction;

// The grid window of a failure-rate table: shows a RateTableModel modeless over
// its owner and returns from run() when the model's Tag turns "1". The editor and
// the viewer differ in their buttons and in what the grid lets the user do.
class RateTableWindow : public QDialog {
    Q_OBJECT
public:
    RateTableWindow(RateTableModel& model, bool editor, QWidget* owner);
    ~RateTableWindow() override { mModel.statusShown = nullptr; }

    void run();
    void refresh(); // the model's state into the widgets

    QTableWidget* grid() const { return mGrid; }
    QComboBox* groupBox() const { return mGroup; }
    QLabel* statusLabel() const { return mStatus; }
    QPushButton* button(const QString& key) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape is the cancel button (the editor asks about unsaved edits first);
    // while a cell is being edited the grid takes it to undo the edit.
    void reject() override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void command(const QString& key);
    void fitPage();
    void endIfDone();

    RateTableModel& mModel;
    AwsEditModel* mEdit = nullptr; // set for the editor
    QTableWidget* mGrid = nullptr;
    QComboBox* mGroup = nullptr;
    QLabel* mStatus = nullptr;
    QList<QPushButton*> mCmd;
    ModalWait mWait;
    bool mSyncing = false;
};

// Answers "awsedit" and "ykedit" questions with the windows.
void registerRateTableWindows(QtInteraction& ui);
