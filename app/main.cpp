#include "frmMdiCalcDife.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    frmMdiCalcDife principal;
    principal.show();
    return app.exec();
}
