#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

// The about box: the program's picture ("TARN") or the centre's picture in the
// interface language ("QE"), a button to the hot-line mail or the centre's web
// page and a close button. The main window sets the tag and shows it modal.
class frmInfo : public QDialog {
    Q_OBJECT
public:
    explicit frmInfo(QWidget* owner = nullptr);

    void setTag(const QString& tag) { mTag = tag; }
    const QString& tag() const { return mTag; }

    // Shows the box modal over owner with tag "TARN" or "QE".
    static int showAbout(QWidget* owner, const QString& tag);

    QLabel* TarnBild = nullptr;
    QLabel* QEBildD = nullptr;
    QLabel* QEBildE = nullptr;
    QPushButton* cmdweb = nullptr;
    QPushButton* cmdclose = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void activate();
    void webClicked();
    QString iniTarget() const; // the ini value behind cmdweb

    QString mTag;
};
