#pragma once
#include "frame/errptnr.h"
#include "frame/interaction.h"

#include <QDialog>
#include <array>

class QLabel;
class QListWidget;
class QPushButton;

// The error dialog: the error, where it happened, the call history, buttons to
// print, save or mail the protocol, and the continuation buttons that are the
// only way out. Its texts are German whatever the interface language, as the
// hot line reads them.
class frmErrPtnr : public QDialog {
    Q_OBJECT
public:
    explicit frmErrPtnr(QWidget* owner = nullptr);

    void fill(const ErrPtnr::ErrorDialogContent& content);
    int answer() const { return mAnswer; }
    // The protocol of the error shown, built afresh from the dialog's content.
    QString protocol() const;

    // Answers the Interaction question of kind "error" (Question::model points
    // to the ErrorDialogContent).
    static Answer ask(const Question& q, QWidget* owner);

    QLabel* comment() const { return lblComment; }
    QLabel* errorValue(int i) const { return lblError[i]; }
    QListWidget* callStack() const { return lstCallStack; }
    QPushButton* protocolButton(int i) const { return cmdProtocol[i]; }
    QPushButton* continueButton(int i) const { return cmdContinue[i]; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override {} // no close box: a continuation button is the only way out

private:
    ErrPtnr::ErrorDialogContent mContent;
    int mAnswer = ErrPtnr::LeaveProcedure;
    QLabel* lblComment = nullptr;
    std::array<QLabel*, 4> lblErrTitel{};
    std::array<QLabel*, 4> lblError{};
    QListWidget* lstCallStack = nullptr;
    std::array<QPushButton*, 3> cmdProtocol{};
    std::array<QPushButton*, 4> cmdContinue{};
};
