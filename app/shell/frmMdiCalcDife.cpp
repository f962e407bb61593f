#include "frmMdiCalcDife.h"

frmMdiCalcDife::frmMdiCalcDife(QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Quorvane"));
}
