#pragma once
#include "qlist_ui/qsledit.h"
#include "frame/qtmodal.h"

#include <QDialog>
#include <QMap>

class QAction;
class QMenu;
class QPushButton;
class QTableWidget;
class QTextEdit;
class QtInteraction;

// The Q-list line editor: shows a QslEditModel modeless over its owner and
// returns from run() when the model's Tag is no longer "0".
class frmQslEditWindow : public QDialog, public QslEditView {
    Q_OBJECT
public:
    frmQslEditWindow(QslEditModel& model, QWidget* owner);
    ~frmQslEditWindow() override;
    void run();

    QTableWidget* grid() const { return mGrid; }
    QTextEdit* lineEditor() const { return mLine; }
    QPushButton* button(const QString& key) const { return mButtons.value(key); }
    QAction* action(const QString& key) const { return mActions.value(key); }

    // QslEditView
    void hideWindow() override;
    void showWindow() override;
    void refresh() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* addCommand(QMenu* menu, int n, const QString& key, const QKeySequence& shortcut = {});
    void command(const QString& key);
    void syncSelection();
    bool lineKeyPress(QKeyEvent* key);
    void endIfDone();

    QslEditModel& mModel;
    QTableWidget* mGrid = nullptr;
    QTextEdit* mLine = nullptr;
    QMap<QString, QAction*> mActions;
    QMap<QString, QPushButton*> mButtons;
    ModalWait mWait;
    bool mSyncing = false;
};

// Answers "qsledit" and "qslpopup" questions with the editor window and its popup.
void registerQslEditWindow(QtInteraction& ui);
