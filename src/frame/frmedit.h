#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QtInteraction;

namespace frmEdit {
struct EditModel;
}

// The value-input dialog: shows an EditModel modal over its owner and writes the
// typed text and the button pressed back into it. Enter presses OK, Escape the
// back button while it is shown; the close box is the cancel button (the back
// button where cancel deletes).
class frmEditWindow : public QDialog {
    Q_OBJECT
public:
    frmEditWindow(frmEdit::EditModel& model, QWidget* owner);

    // Shows the dialog modal; returns when a button was pressed.
    void run();

    QLineEdit* edText() const { return mEdit; }
    QPushButton* cmdOk() const { return mOk; }
    QPushButton* cmdCan() const { return mCan; }
    QPushButton* cmdBck() const { return mBck; }
    QLabel* unitLabel() const { return mUnit; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void press(int tag);

    frmEdit::EditModel& mModel;
    QWidget* mOwner;
    QLineEdit* mEdit;
    QLabel* mUnit;
    QPushButton* mOk;
    QPushButton* mCan;
    QPushButton* mBck;
    bool mPressed = false;
};

// Answers "edit" questions with the dialog.
void registerEditWindow(QtInteraction& ui);
