#pragma once
#include "qlist/qslneu.h"
#include "frame/qtmodal.h"

#include <QDialog>
#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QtInteraction;

// The Q-list head dialog: shows a QslNeuModel modeless over its owner, hides itself
// while a command runs (the command may show other windows) and returns from run()
// when the model's tag is no longer "0".
class frmQslNeuWindow : public QDialog {
    Q_OBJECT
public:
    frmQslNeuWindow(QslNeuModel& model, QWidget* owner);

    void run();

    QLineEdit* field(int index) const { return mEdit[index]; } // the Be field is a text box of its own
    QPlainTextEdit* description() const { return mBe; }
    QPushButton* cmdQsl() const { return mCmd; }
    QPushButton* cmdExit() const { return mExit; }
    QGroupBox* extras() const { return mFrame[1]; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int indexOf(QObject* o) const;
    QString textOf(int index) const;
    void setTextOf(int index, const QString& text);
    void toModel();
    void fromModel();
    void command();
    void endIfDone(); // quits run() once the tag ends the dialog

    QslNeuModel& mModel;
    std::array<QLineEdit*, QslNeuModel::FieldCount> mEdit{};
    std::array<QLabel*, QslNeuModel::FieldCount> mLabel{};
    QPlainTextEdit* mBe = nullptr;
    std::array<QGroupBox*, 2> mFrame{};
    QPushButton* mCmd = nullptr;
    QPushButton* mExit = nullptr;
    ModalWait mWait;
};

// Answers "qslneu" questions with the dialog.
void registerQslNeuWindow(QtInteraction& ui);
