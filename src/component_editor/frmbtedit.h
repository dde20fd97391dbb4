#pragma once
#include "component_editor/btedit.h"
#include "frame/qtmodal.h"

#include <QDialog>
#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QScrollBar;
class QTextEdit;
class QTableWidget;
class QCheckBox;
class QtInteraction;

// The component editor window: shows a BtEditModel modeless over its owner and
// forwards clicks, keys and pastes to the model's events. run() returns when the
// model's Tag is no longer "0"; waitForDescription() while a new component's
// description is asked.
class frmBtEditWindow : public QDialog {
    Q_OBJECT
public:
    frmBtEditWindow(BtEditModel& model, QWidget* owner);

    void run();
    void waitForDescription();
    void fromModel();
    void keepOnScreen();

    QLineEdit* designation(int i) const { return mBT[i]; }
    QLineEdit* block() const { return mBlock; }
    QListWidget* grid(int g) const { return mGrid[g]; }
    QTextEdit* description() const { return mBe; }
    QPushButton* command(int i) const { return mCmd[i]; }
    QScrollBar* scroller() const { return mScroll; }
    QLabel* name() const { return mName; }
    QLineEdit* searchField(int i) const { return mAusg[i]; }
    QTableWidget* listGrid() const { return mList; }
    QLineEdit* listFilter() const { return mFilter; }
    QScrollArea* recordArea() const { return mRecordArea; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void afterAction();
    // A size no larger than the screen leaves room for, and no smaller than the
    // window needs.
    QSize boundedToScreen(QSize size) const;
    void fitRecordArea();
    int gridOf(QObject* o) const;
    int fieldOf(QObject* o) const;

    BtEditModel& mModel;
    QScrollArea* mRecordArea = nullptr;
    std::array<QLineEdit*, 3> mBT{};
    QLineEdit* mBlock = nullptr;
    std::array<QRadioButton*, 3> mInEx{};
    std::array<QListWidget*, 4> mGrid{};
    std::array<QLabel*, 8> mLabel{};
    std::array<QGroupBox*, BtEditModel::FrameCount> mFrame{};
    QTextEdit* mBe = nullptr;
    QLabel* mName = nullptr;
    QTextEdit* mQslLine = nullptr;
    QScrollBar* mScroll = nullptr;
    QLineEdit* mGroup = nullptr;
    std::array<QLineEdit*, 3> mAusg{};
    std::array<QString, 2> mExample; // the search fields' examples
    std::array<QRadioButton*, 3> mChkSuch{};
    std::array<QRadioButton*, 2> mChkAnzeige{};
    QGroupBox* mFrameAusform = nullptr;
    QGroupBox* mFrameS = nullptr;
    QTableWidget* mList = nullptr;
    QScrollBar* mVS = nullptr;
    QLineEdit* mFilter = nullptr;
    std::array<QLabel*, 2> mLabel3{};
    QLabel* mInfo = nullptr;
    QLabel* mCnt = nullptr;
    void listFromModel();
    bool listEvent(QObject* watched, QEvent* event);
    std::array<QPushButton*, BtEditModel::CmdCount> mCmd{};
    ModalWait mWait;
    ModalWait mDescWait;
    bool mUpdating = false;
    bool mBusyCursor = false;
};

// Answers the editor's questions ("btedit", "btdesc", "btpopup") with the window.
void registerBtEditWindow(QtInteraction& ui);
