#pragma once
#include "frame/interaction.h"

#include <QDialog>

class QLabel;
class QPushButton;

// The progress box: a message, a second line, a counter line and an optional
// cancel button. A click on cancel only sets the flag that the run polls; the
// box stays until its user calls Finish.
class frmInfoBox : public QDialog, public InfoBox {
    Q_OBJECT
public:
    explicit frmInfoBox(QWidget* owner = nullptr);

    void Begin(const QString& text, const QString& titel = QStringLiteral("TARN"), bool cbreak = false) override;
    void Counter(const QString& text) override;
    void EnableBreak(bool yes = true) override;
    void Finish() override;
    bool breakRequested() const override { return mBreak; }
    void setBreak(bool value) override { mBreak = value; }
    void setMsg1(const QString& text) override;
    void setMsg(const QString& text) override;
    void setBreakCaption(const QString& text) override;
    void waitForBreak() override;
    void yield() override;

    QLabel* message() const { return Msg; }
    QLabel* counter() const { return Cnt; }
    QPushButton* breakButton() const { return CmBreak; }

protected:
    void reject() override {} // Escape is no cancel: the run decides when the box goes
    // The close box is the break button while that is shown; the box itself
    // stays until the run finishes it.
    void closeEvent(QCloseEvent* event) override;

private:
    void centre();

    QLabel* Msg = nullptr;
    QLabel* Msg1 = nullptr;
    QLabel* Cnt = nullptr;
    QPushButton* CmBreak = nullptr;
    bool mBreak = false;
    int mDesignWidth = 0; // the box's own width; a long title widens it
};
