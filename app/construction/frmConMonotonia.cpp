#include "frmConMonotonia.h"

#include "QBColor.h"

namespace {

DatosConstruccion Datos()
{
    DatosConstruccion d;
    d.concepto = 6;
    d.titulo = QStringLiteral("M O N O T O N Í A");
    d.nombre = "Monotonía";
    d.textoGuia = 40;
    d.rotulos = {QStringLiteral("Escribe un polinomio que posea la monotonía indicada:"),
                 QStringLiteral("¿Habrá otro polinomio que posea la misma monotonía?"),
                 QStringLiteral("Polinomio p(x) desarrollado"), QStringLiteral("Polinomio q(x) desarrollado")};
    d.rotuloAceptado = QStringLiteral("Polinomio p(x) con la monotonía indicada");
    d.rotuloRespondido = QStringLiteral("Polinomio p(x) con la monotonía indicada");
    d.rotuloSegundo = QStringLiteral("Ahora otro polinomio q(x) con la misma monotonía");
    d.preguntaOculta = true;
    d.rotuloFinal = QStringLiteral("Polinomio q(x) distinto a p(x) con la misma monotonía");
    d.textoLista = QStringLiteral("Raíces  Reales e Intervalos");
    d.ayuda0 = 43;
    d.apoyo0 = 38;
    d.ayuda1 = 40;
    d.apoyo1 = 39;
    d.ayuda2 = 44;
    d.apoyo2 = 40;
    d.exitoP = 43;
    d.exitoQ = 43;
    d.colorP = rt::QBColor(1);
    d.colorQ = rt::QBColor(3);
    d.empujaAlActivar = true;
    d.algebra = true;
    return d;
}

DatosBandas Bandas()
{
    DatosBandas b;
    b.orden = 1;
    b.variedad = 3;
    b.altura = 2;
    b.tituloFranja = "f'";
    b.estilo = {"El signo es:", false, 12};
    b.encabezadoPuntos = QStringLiteral("Las raíces reales son:");
    b.tolerancia = 1e-6;
    b.errorGrado = 119;
    b.errorCero = 120;
    b.errorSigno = 121;
    b.prefijoSigno = true;
    return b;
}

} // namespace

frmConMonotonia::frmConMonotonia()
    : VentanaBandas(Datos(), Bandas())
{
}
