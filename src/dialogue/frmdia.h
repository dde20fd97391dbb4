#pragma once
#include <QDialog>
#include <QHash>
#include <QList>
#include <utility>

class DiaModel;
class DiaScreen;
struct DrawnText;
class TextPage;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QtInteraction;

// The dialogue window: paints the cell raster of a screen model with a monospace
// font, places its check boxes, entry fields, buttons and scroll bar in the same
// raster, and forwards every key and click to the model. It sees every key before
// its controls do. It is shown modal and hides itself when the model has ended.
class frmDiaWindow : public QDialog {
    Q_OBJECT
public:
    explicit frmDiaWindow(QWidget* parent = nullptr);

    // Shows the screen and returns when it has ended.
    void run(DiaModel& model);
    // Shows the screen without waiting (tests drive it and read the model).
    void start(DiaModel& model);

    DiaModel* model() const { return mModel; }
    double cellWidth() const { return mCellW; }
    int cellHeight() const { return mCellH; }
    QLineEdit* entryField(int index) const; // by index into the entry array
    QCheckBox* checkBox(int toggleNumber) const;
    QPushButton* button(int i) const { return mButtons.value(i); }
    QScrollBar* scrollBar() const { return mBar; }
    // Where the characters of drawn text i stand on the window (tests).
    QRect drawnTextInk(int index) const;

signals:
    void screenEnded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handleKey(QKeyEvent* event, QObject* target);
    template <typename F> void forward(F action);
    void pushFields();
    void rebuild();
    void syncControls();
    void clickAt(const QPoint& pos);
    QLineEdit* firstFieldToFill() const;
    int textShift(const DrawnText& t) const;
    QRect cellRect(double col, double row, double cols, double rows) const;

    DiaModel* mModel = nullptr;
    DiaScreen* mScreen = nullptr;
    TextPage* mPage = nullptr;
    QFont mFont;
    double mCellW = 8;
    int mCellH = 16;
    QList<QPushButton*> mButtons;
    QList<QCheckBox*> mChecks;   // by toggle number (null for other toggles)
    QList<QLineEdit*> mFields;   // by position in the model's fields
    QScrollBar* mBar = nullptr;
    bool mInAction = false;
    QHash<int, std::pair<int, int>> mTextFrom; // row -> (first box column, first free column)
};

// Answers questions of kind "screen" and "textpage" with the dialogue window,
// created on first use and kept for the whole run.
void registerDialogueWindows(QtInteraction& ui);
