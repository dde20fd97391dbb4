#pragma once
#include "frame/interaction.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
class QRadioButton;
class QtInteraction;

// The choice of the method whose results go into the result file (question kind
// "normwahl"): one option per method offered, OK and Cancel. OK answers with
// code 1..3 for the option on; Cancel and the close box answer cancel. OK stays
// disabled until an option is on, so that no profile is stored whose result
// file would hold no method at all.
class frmNormWahl : public QDialog {
    Q_OBJECT
public:
    frmNormWahl(const Question& q, QWidget* owner);
    Answer result() const { return mAnswer; }

    std::array<QRadioButton*, 3> RefOpt{};
    QLabel* DatNam = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* can = nullptr;

protected:
    void reject() override;

private:
    Answer mAnswer = Answer::cancel();
};

void registerNormWahlWindow(QtInteraction& ui);
