#pragma once
#include "frame/interaction.h"
#include "frame/qtmodal.h"

#include <QDialog>

class QPushButton;
class QTableWidget;

// The message-list window of long runs: a one-column grid used as a ring (see
// InfoListRing) and one button below it that either lets the run wait for the
// user or offers a cancel that the run polls through Canceled. Modeless; the
// user cannot close it, only Finish does.
class frmInfoList : public QDialog, public InfoList {
    Q_OBJECT
public:
    explicit frmInfoList(QWidget* owner = nullptr);
    ~frmInfoList() override;

    void Add(const QString& text) override;
    void Begin(const QString& titel = QString()) override;
    void Clear(bool auchFixed = false) override;
    void Finish() override;
    void FixLines(int lines = -1) override;
    void Update(const QString& text, bool zeilevor = false) override;
    QVariant Wait(const QVariant& aufwas, bool autoSchliessen = false) override;
    bool Canceled() const override { return mPressed != 0; }
    void setFixedPitch(bool on) override;

    const InfoListRing& ring() const { return mRing; }
    QTableWidget* grid() const { return TT; }
    QPushButton* waitButton() const { return cmdWait; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override {} // Escape does not close it either

private:
    void buttonClicked();
    void render();
    void yield();

    InfoListRing mRing;
    int mPressed = 0;
    QString mTag;
    QTableWidget* TT = nullptr;
    QPushButton* cmdWait = nullptr;
    ModalWait mWait;
    int mDesignWidth = 0; // the list's own width; a long title widens it
};
