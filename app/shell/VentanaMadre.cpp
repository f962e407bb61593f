#include "VentanaMadre.h"

#include "frmMdiCalcDife.h"

#include <QApplication>

frmMdiCalcDife *VentanaMadre()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *p = qobject_cast<frmMdiCalcDife *>(w))
            return p;
    return nullptr;
}

void HabilitaMenusMadre(bool si)
{
    if (frmMdiCalcDife *p = VentanaMadre())
        p->habilitaMenus(si);
}
