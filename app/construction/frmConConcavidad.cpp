#include "frmConConcavidad.h"

#include "QBColor.h"

namespace {

DatosConstruccion Datos()
{
    DatosConstruccion d;
    d.concepto = 10;
    d.titulo = QStringLiteral("C O N C A V I D A D ");
    // The caption's spelling at load; every activation writes it plainly.
    d.nombre = "Concavidad";
    d.nombreActivo = "Concavidad";
    d.textoGuia = 44;
    d.rotulos = {QStringLiteral("Escribe un polinomio que posea la concavidad indicada:"),
                 QStringLiteral("¿Habrá otro polinomio con la misma concavidad?"),
                 QStringLiteral("Polinomio p(x) desarrollado"), QStringLiteral("Polinomio q(x) desarrollado")};
    d.rotuloAceptado = QStringLiteral("Polinomio p(x) con la concavidad indicada");
    d.rotuloSegundo = QStringLiteral("Proponme otro polinomio con la misma concavidad");
    d.textoLista = QStringLiteral("Puntos de Inflexión y signo de la 2ª derivada");
    d.ayuda0 = 51;
    d.apoyo0 = 50;
    d.ayuda1 = 40;
    d.apoyo1 = 51;
    d.ayuda2 = 52;
    d.apoyo2 = 52;
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
    b.orden = 2;
    b.variedad = 2;
    b.altura = 1;
    b.tituloFranja = "f''";
    b.estilo = {"El signo de p'' es:", true, 12};
    b.encabezadoPuntos = QStringLiteral("Los puntos de inflexión son:");
    b.tolerancia = 1e-5;
    b.errorGrado = 116;
    b.errorCero = 117;
    b.errorSigno = 118;
    b.prefijoSigno = false;
    return b;
}

} // namespace

frmConConcavidad::frmConConcavidad()
    : VentanaBandas(Datos(), Bandas())
{
}
