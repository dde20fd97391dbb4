#pragma once
#include "frame/interaction.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;
class QtInteraction;

// The profile window: a list of the stored names to pick from (delete, run) or
// a combo box to pick or type a name (save). OK, a double click on a name and
// the close box all hand the name back; only the cancel button cancels. The
// checks of the name are made by the caller (prediction/profiles.h).
class frmProgProfil : public QDialog {
    Q_OBJECT
public:
    frmProgProfil(const Question& q, QWidget* owner);
    Answer result() const { return mAnswer; }

    QListWidget* Namenlst = nullptr;
    QComboBox* Namencbo = nullptr;
    QLabel* meldtxt = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    void finish(bool cancelled);
    Answer mAnswer;
    bool mEditable = false;
};

// Registers the profile window for questions of kind "profile" and the method
// choice for questions of kind "normwahl".
void registerPredictionWindows(QtInteraction& ui);
