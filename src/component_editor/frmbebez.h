#pragma once
#include "component_editor/bebez.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QtInteraction;

// The dialog of the batch designation matching: the workbook's name, the kind of
// the reference designations (column a) and of the designations to add (b), the
// component file, and the extended search for integrated circuits. Start hands
// the choices to the model and answers "ok"; Close and the close box cancel.
class frmBEBezWindow : public QDialog {
    Q_OBJECT
public:
    frmBEBezWindow(BeBezModel& model, QWidget* owner);
    bool started() const { return mStarted; }

    std::array<QRadioButton*, 3> RefOpt{}, NeuOpt{}, InExOpt{};
    std::array<QCheckBox*, 3> ICOpt{};
    QPushButton* start = nullptr;
    QPushButton* close = nullptr;

private:
    BeBezModel& mModel;
    bool mStarted = false;
};

// Answers the questions of kind "bebez" with the dialog.
void registerBEBezWindow(QtInteraction& ui);
