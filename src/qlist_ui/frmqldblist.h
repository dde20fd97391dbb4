#pragma once
#include "qlist_ui/qldblist.h"
#include "frame/qtmodal.h"

#include <QDialog>
#include <QMap>
#include <array>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTableWidget;
class QtInteraction;

// The Q-list database browser: shows a QldbList modeless over its owner and
// returns from run() when the model's tag is no longer "0".
class frmQldbListWindow : public QDialog, public QldbListView {
    Q_OBJECT
public:
    frmQldbListWindow(QldbList& model, QWidget* owner);
    void run();

    QTableWidget* grid() const { return mGrid; }
    QScrollBar* scroller() const { return mVS; }
    QLineEdit* filter() const { return mFilter; }
    QPushButton* cmdUpdate() const { return mUpdate; }
    QPushButton* cmdExit() const { return mExit; }
    QRadioButton* sortOption(int kind) const { return mSort[kind]; }
    QAction* action(const QString& key) const { return mActions.value(key); }
    QMenu* printDirectoryMenu() const { return mPrintMenu; }
    QMenu* predictionSubmenu() const { return mResultMenu; }

    // QldbListView
    void hideWindow() override;
    void showWindow() override;
    void relayout() override;
    void refresh() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* addCommand(QMenu* menu, int n, const QString& key);
    void command(const QString& key);
    int charWidth() const;
    void endIfDone();

    QldbList& mModel;
    QTableWidget* mGrid = nullptr;
    QScrollBar* mVS = nullptr;
    QLineEdit* mFilter = nullptr;
    QPushButton* mUpdate = nullptr;
    QPushButton* mExit = nullptr;
    QGroupBox* mSortFrame = nullptr;
    std::array<QRadioButton*, 8> mSort{};
    std::array<QLabel*, 2> mTextLab{};
    QLabel* mInfo = nullptr;
    QLabel* mCnt = nullptr;
    QMenu* mPrintMenu = nullptr;
    QMenu* mPredictionMenu = nullptr;
    QMenu* mResultMenu = nullptr;
    QMap<QString, QAction*> mActions;
    ModalWait mWait;
    bool mSyncing = false;
    bool mLoaded = false;
};

// Answers "qldblist" questions with the browser window.
void registerQldbListWindow(QtInteraction& ui);
