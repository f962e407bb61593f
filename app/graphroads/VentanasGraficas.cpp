#include "VentanasGraficas.h"

#include "frmGrafiConcepto.h"
#include "frmGrafiDeri.h"
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

namespace {
template <class T> void AbreCamino()
{
    GestorVentanas &g = GestorVentanas::instancia();
    T *w = g.ventana<T>();
    g.muestra(w);
    w->alActivar();
}
} // namespace

void AbreGrafiConcepto()
{
    AbreCamino<frmGrafiConcepto>();
}

void AbreGrafiDeri()
{
    AbreCamino<frmGrafiDeri>();
}
