#pragma once
#include <QList>
#include <QWidget>

class QLabel;
class QListWidget;
class QScrollArea;
class QTableWidget;
class QtInteraction;

namespace frmBEProgEin {
class State;
}

// The selection-menu window: shows the state of frmBEProgEin (menu rows, heading
// boxes, side panels, designation list) and forwards clicks and typed keys to the
// state's events. It is shown modeless over the main window while an entry
// command runs; its close box never closes it.
class frmBEProgEinWindow : public QWidget {
    Q_OBJECT
public:
    frmBEProgEinWindow(frmBEProgEin::State& state, QWidget* mainWindow);

    // Lays the window out again from the state.
    void refresh();
    // Returns when a menu row was chosen (the state's tag turned "1").
    void waitForChoice();
    // Returns when a designation was taken from the list, or Escape left it.
    void waitForSelection();
    bool selectionCancelled() const { return mSelectionCancelled; }

    QLabel* menuLabel(int index) const { return mMenu.value(index); }
    QLabel* menu1Label(int index) const { return mMenu1.value(index); }
    QLabel* headingBox(int index) const;
    QTableWidget* panel(int tabNr) const { return tabNr == 1 ? mPanel1 : mPanel2; }
    QListWidget* selbox() const { return mSelbox; }

signals:
    void choiceMade();
    void selectionMade();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeWindow();
    void placePanels();
    void layoutColumns();
    void highlight(int row);
    void checkChoice();

    frmBEProgEin::State& mState;
    QWidget* mMainWindow;
    QScrollArea* mArea = nullptr;
    QWidget* mCanvas = nullptr;
    QList<QLabel*> mMenu;
    QList<QLabel*> mMenu1;
    QList<QLabel*> mHeadings;
    QTableWidget* mPanel1 = nullptr;
    QTableWidget* mPanel2 = nullptr;
    QListWidget* mSelbox = nullptr;
    bool mSmallApplied = false;
    bool mSelectionCancelled = false;
    int mKeyRow = 0; // the row the arrow keys (or the mouse) marked; Enter chooses it
};

// Answers "menu" and "select" questions with the selection-menu window and
// follows its loading and unloading ("menuwindow" notices).
void registerSelectionMenuWindows(QtInteraction& ui);
// The window currently loaded (tests); null when none.
frmBEProgEinWindow* selectionMenuWindow();
