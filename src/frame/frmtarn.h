#pragma once
#include <QMainWindow>

// The main window with its menu.
class frmTARN : public QMainWindow {
    Q_OBJECT
public:
    explicit frmTARN(QWidget* parent = nullptr);
    void showConfiguration();
};
