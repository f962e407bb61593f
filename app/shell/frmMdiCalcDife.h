#pragma once
#include <QMainWindow>

// The program's main window.
class frmMdiCalcDife : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMdiCalcDife(QWidget *parent = nullptr);
};
