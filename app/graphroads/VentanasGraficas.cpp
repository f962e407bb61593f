#include "VentanasGraficas.h"

#include "frmIdentifica.h"
#include "frmRectaNormal.h"
#include "frmRectang.h"

void AbreIdentifica()
{
    VentanaProblema::Abre<frmIdentifica>();
}

void AbreRectaTangente()
{
    VentanaProblema::Abre<frmRectang>();
}

void AbreRectaNormal()
{
    VentanaProblema::Abre<frmRectaNormal>();
}
