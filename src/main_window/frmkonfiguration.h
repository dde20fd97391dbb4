#pragma once
#include "main_window/konfiguration.h"

#include <QDialog>
#include <array>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The configuration dialog: shows the fields of KonfigModel and forwards the
// buttons. "Ok" closes after the values are taken over, "Speichern" also writes
// them to the ini file and stays open, "Abbrechen" and the close box close.
class frmKonfiguration : public QDialog {
    Q_OBJECT
public:
    explicit frmKonfiguration(QWidget* owner = nullptr);

    // Shows the dialog over owner and returns when it is closed.
    static void Show0(QWidget* owner);

    KonfigModel& model() { return mModel; }
    QLineEdit* randField(int i) const { return mRand[i]; }
    QLineEdit* dirField(int i) const { return mBe[i]; }
    QLineEdit* qslField() const { return mQsl; }
    QComboBox* paperList() const { return mPaper; }
    QPushButton* okButton() const { return mOk; }
    QPushButton* testButton() const { return mTest; }
    QPushButton* saveButton() const { return mSave; }
    QPushButton* cancelButton() const { return mCancel; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LoadKonfig();
    void toModel();
    bool takeOver(); // CopyKonfigToCf with the focus on a bad field
    void testPage();
    void printerSetup();

    KonfigModel mModel;
    std::array<QRadioButton*, 3> mLang{};
    std::array<QRadioButton*, 4> mQslDruck{};
    std::array<QLineEdit*, 6> mBe{};
    std::array<QLineEdit*, 4> mRand{};
    std::array<QLabel*, 3> mUnit{};
    QLineEdit* mQsl = nullptr;
    QComboBox* mPaper = nullptr;
    QPushButton* mOk = nullptr;
    QPushButton* mSave = nullptr;
    QPushButton* mCancel = nullptr;
    QPushButton* mTest = nullptr;
    QPushButton* mPrinter = nullptr;
    bool mLoading = false;
};
