#pragma once
#include "frame/qtmodal.h"

#include <QWidget>
#include <array>

class PreviewState;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPrintPreviewWidget;
class QPrinter;
class QPushButton;

// The print preview: shows the pages of the open print job one at a time (the
// page stream drawn by the same painter routine as printer and PDF), pages,
// zooms and drags them, and hands the user's choice to the PreviewState.
class frmPreview : public QWidget {
    Q_OBJECT
public:
    explicit frmPreview(PreviewState& state, QWidget* owner = nullptr);
    ~frmPreview() override;

    // Shows the window and returns when the user decided; true when a print
    // command was confirmed.
    bool Preview();
    void ActivatePage(int pg);

    // The controls, for the tests that drive the window.
    QPushButton* button(const QString& key) const;
    QLineEdit* pageEdit() const { return mEdPage; }
    QComboBox* zoomBox() const { return mCbZoom; }
    QCheckBox* pdfBox() const { return mPdfEin; }
    QPrintPreviewWidget* pageView() const { return mView; }
    int ZoomWert() const { return mZoomWert; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void command(const QString& key);
    void zoomChosen();
    void pageTyped();
    void paintPages(QPrinter* printer);
    void showTopOfPage();

    PreviewState& mState;
    std::array<QPushButton*, 8> mCmd{};
    QLineEdit* mEdPage = nullptr;
    QComboBox* mCbZoom = nullptr;
    QCheckBox* mPdfEin = nullptr;
    QPrintPreviewWidget* mView = nullptr;
    std::unique_ptr<QPrinter> mPrinter;
    ModalWait mWait;
    int mGezeigteSeite = 0;
    int mZoomWert = 100;
    QPoint mDragStart;
    bool mZiehen = false;
};
