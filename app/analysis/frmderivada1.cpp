#include "frmderivada1.h"

#include "Globales.h"
#include "ModCalculos.h"

#include "RichTextPolin.h"
#include "Usc.h"

frmderivada1::frmderivada1()
    : VentanaDerivada(QStringLiteral("PRIMER DERIVADA"), QStringLiteral("p'(x) ="),
                      Reglas{1, 13, 14, 16, 15, 4, true})
{
}

DatosCamino frmderivada1::datosCamino(Camino) const
{
    DatosCamino d;
    d.instruccion = 13;
    d.ayuda = 13;
    d.apoyo = 11;
    d.titulo = "Quorvane: De la expresión analítica del polinomio a su visualización gráfica: "
               "Calculando la primer derivada";
    d.barra = {{4, true}};
    d.recorre = false;
    d.opcion = 4;
    d.exito = 3;
    d.actual = 5;
    return d;
}

int frmderivada1::TerminosErroneos(const Collpolinomio &respuesta, const Collpolinomio &derivada,
                                   std::int16_t &termino) const
{
    if (derivada.Resta(respuesta)->Cuenta() == 0)
        return 0;
    return ComparaDerivada(respuesta, derivada, 0.001, termino);
}

void frmderivada1::TrasError(bool deCoeficiente)
{
    if (deCoeficiente)
        RtpPidePoliR()->setFocus();
    cmdotro()->Enabled(true);
    RtpPidePoliR()->Locked(false);
}

PoliPtr &frmderivada1::Respuesta() const
{
    return PoliRespuesta1;
}
