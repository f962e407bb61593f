#include "TextosHistoria.h"

#include "ExtremosExactos.h"
#include "ModCalculos.h"
#include "Utilerias.h"

namespace {

const char *const kSinResolver[CONCEPTOS_HISTORIA] = {
    "Es necesario calcular las raíces para poder mostrarlas.",
    "Tiene que determinar los intervalos en donde la función es positiva y negativa para poder mostrarlos.",
    "No se ha encontrado la paridad de la función. Por lo tanto no se puede mostrar el resultado.",
    "Tiene que calcular los límites a infinito y menos infinito para poder mostrarlos.",
    "Calcule la derivada del polinomio propuesto para mostrarla.",
    "Necesita calcular los puntos críticos del polinomio para mostrarlos.",
    "Es necesario que calcule la monotonía del polinomio propuesto.",
    "La historia sólo muestra lo hecho.",
    "Para poder mostrar la segunda derivada de la función es necesario calcularla.",
    "Esta historia sólo muestra lo calculado. Calcule los puntos de inflexión.",
    "No ha calculado los intervalos de concavidad y convexidad. Por ende no se pueden mostrar.",
    "Se debe determinar el rango para mostrarlo.",
    "Se deben determinar los máximos y mínimos absolutos para mostrarlos.",
};

std::string Numero(double x)
{
    return FormateaNumero(x);
}

bool MenosInfinito(double x)
{
    return x <= -INFINITO;
}

bool MasInfinito(double x)
{
    return x >= INFINITO;
}

// A record without a polynomial reads as the zero polynomial.
const Collpolinomio &P(const CollFuncPolin &fp)
{
    static const Collpolinomio cero;
    return fp.Polin() ? *fp.Polin() : cero;
}

// A sentence of one interval per line, or of the whole line when there is
// only one interval.
using FraseIntervalo = std::string (*)(const Intervalo &, std::int16_t codigo);

std::string Renglones(const ResultadoIntervalos &r, FraseIntervalo frase)
{
    std::string texto;
    for (std::size_t i = 0; i < r.intervalos.size() && i < r.codigos.size(); ++i)
        texto += frase(r.intervalos[i], r.codigos[i]);
    return texto;
}

// The derivatives and the limits: their result is not text.
SeccionHistoria SoloEtiqueta(const char *etiqueta)
{
    SeccionHistoria s;
    s.etiqueta = etiqueta;
    return s;
}

SeccionHistoria Raices(const CollFuncPolin &fp)
{
    SeccionHistoria s;
    const long n = fp.Cuenta(0);
    const long d = P(fp).Grado();
    if (n == 0) {
        s.etiqueta = "La función tiene sólo raíces complejas";
        s.texto = " La función propuesta no tiene raíces reales";
        return s;
    }
    s.lista = RaicesHistoria(fp);
    if (n == 1)
        s.etiqueta = "En este caso, la función tiene una sola raíz real";
    else
        s.etiqueta = "La función tiene " + std::to_string(n) + " raíces reales y " +
                     (d - n == 1 ? std::string(" una raíz compleja") : std::to_string(d - n) + " raíces complejas");
    return s;
}

std::string FraseSigno(const Intervalo &i, std::int16_t codigo)
{
    const std::string w = codigo == CODIGO_POSITIVO ? " positiva" : " negativa";
    if (MenosInfinito(i.izquierdo))
        return "de  (- I , " + Numero(i.derecho) + "),  P(x) es" + w + ";  \n";
    if (MasInfinito(i.derecho))
        return "de  (" + Numero(i.izquierdo) + " , + I),  P(x) es" + w + ";  \n";
    return "de  (" + Numero(i.izquierdo) + " , " + Numero(i.derecho) + "),  P(x) es" + w + ";  \n";
}

SeccionHistoria Signo(const CollFuncPolin &fp)
{
    SeccionHistoria s;
    const ResultadoIntervalos r = IntervalosSigno(fp);
    if (r.intervalos.size() <= 1) {
        const bool positiva = !r.codigos.empty() && r.codigos.front() == CODIGO_POSITIVO;
        s.texto = positiva ? "P(x) es positiva en todo el dominio" : "P(x) es negativa en todo el dominio";
        return s;
    }
    s.etiqueta = "El signo de la función es:";
    s.texto = Renglones(r, FraseSigno);
    s.conInfinitos = true;
    return s;
}

SeccionHistoria ParidadP(const CollFuncPolin &fp)
{
    SeccionHistoria s;
    const Paridad p = ParidadPolinomio(P(fp));
    s.etiqueta = "Con respecto a la paridad:";
    if (p.impar)
        s.texto = "La función dada es impar. Recuerde que geométricamente significa que la gráfica es simétrica al "
                  "origen.";
    else if (!p.par)
        s.texto = "La función dada no tiene paridad";
    else
        s.texto = "El polinomio dado es par. Recuerde que geométricamente significa que la gráfica es simétrica "
                  "respecto al eje Y";
    return s;
}

SeccionHistoria Criticos(const CollFuncPolin &fp)
{
    SeccionHistoria s;
    const ResultadoRaices r = RaicesDistintas(fp);
    if (r.sinRaices || r.raices.empty()) {
        s.texto = " La función propuesta no tiene puntos críticos.";
        return s;
    }
    for (double x : r.raices)
        s.lista.push_back(Numero(x));
    s.etiqueta = r.raices.size() == 1 ? std::string("La función tiene  un punto crítico ")
                                      : "La función tiene " + std::to_string(r.raices.size()) + " puntos críticos.";
    return s;
}

std::string FraseMonotonia(const Intervalo &i, std::int16_t codigo)
{
    const std::string w = codigo == CODIGO_POSITIVO ? " creciente" : " decreciente";
    const std::string izquierdo = MenosInfinito(i.izquierdo) ? "-I , " : Numero(i.izquierdo) + " , ";
    const std::string derecho = MasInfinito(i.derecho) ? "+I ),  P(x) es" : Numero(i.derecho) + " ),  P(x) es";
    return "en  ( " + izquierdo + derecho + w + "; \n";
}

SeccionHistoria Monotonia(const CollFuncPolin &fp)
{
    SeccionHistoria s;
    const ResultadoIntervalos r = IntervalosMonotonia(fp);
    if (r.intervalos.size() <= 1) {
        s.etiqueta = "En este caso la función P(x) es:";
        const std::int16_t codigo = r.codigos.empty() ? CODIGO_CONSTANTE : r.codigos.front();
        s.texto = codigo == CODIGO_POSITIVO   ? " creciente en todo el dominio."
                  : codigo == CODIGO_NEGATIVO ? " decreciente en todo el dominio."
                                              : " constante, es decir, no creciente o no decreciente.";
        return s;
    }
    s.etiqueta = "Los intervalos de monotonía del polinomio propuesto son:";
    s.texto = Renglones(r, FraseMonotonia);
    s.conInfinitos = true;
    return s;
}

SeccionHistoria Clasificacion(const CollFuncPolin &fp)
{
    SeccionHistoria s;
    s.etiqueta = "Este polinomio tiene en:";
    const PuntosCriticos c = ClasificaPuntosCriticos(fp);
    if (c.sinPuntos || c.x.empty()) {
        s.conEtiqueta = false;
        s.texto = " La función propuesta no tiene puntos críticos.";
        return s;
    }
    const std::vector<double> valores = ValoresEnCriticos(P(fp), c.x);
    for (std::size_t j = 0; j < c.x.size(); ++j) {
        const std::int16_t clase = j < c.clase.size() ? c.clase[j] : CLASE_NINGUNO;
        const char *palabra = clase == CLASE_MINIMO   ? " un mínimo y se localiza en"
                              : clase == CLASE_MAXIMO ? " un máximo y se localiza en"
                                                      : " un Punto de inflexión y se localiza en";
        const std::string a = Numero(c.x[j]);
        s.lista.push_back(a + palabra + "\n P(" + a + ") = " + Numero(valores[j]) + ";");
    }
    return s;
}

SeccionHistoria Inflexiones(const CollFuncPolin &fp)
{
    SeccionHistoria s;
    const ResultadoRaices r = CalculaInflexiones(fp);
    if (r.sinRaices || r.raices.empty()) {
        s.texto = " La función propuesta no tiene puntos de inflexión.";
        return s;
    }
    for (double x : r.raices) {
        const std::string a = Numero(x);
        s.lista.push_back(a + " ;  P(" + a + ") = " + Numero(ValorExacto(P(fp), x)));
    }
    s.etiqueta = "Los puntos de inflexión se encuentran en:";
    return s;
}

std::string FraseConcavidad(const Intervalo &i, std::int16_t codigo)
{
    const std::string w = codigo == CODIGO_POSITIVO ? " cóncava hacia arriba" : " cóncava hacia abajo";
    std::string extremos;
    if (MenosInfinito(i.izquierdo))
        extremos = MasInfinito(i.derecho) ? "(- I , + I )," : "(- I , " + Numero(i.derecho) + "),";
    else
        extremos = MasInfinito(i.derecho) ? "(" + Numero(i.izquierdo) + " , + I),"
                                          : "(" + Numero(i.izquierdo) + " , " + Numero(i.derecho) + "),";
    return "en  " + extremos + "\n  P(x) es" + w + ";  \n";
}

SeccionHistoria Concavidad(const CollFuncPolin &fp)
{
    SeccionHistoria s;
    s.etiqueta = "El polinomio propuesto:";
    const ResultadoConcavidad r = IntervalosConcavidad(fp);
    if (r.intervalos.size() <= 1) {
        const std::int16_t codigo = r.codigos.empty() ? CODIGO_RECTA : r.codigos.front();
        s.texto = codigo == CODIGO_POSITIVO   ? "P(x) es cóncava hacia arriba en todo el dominio."
                  : codigo == CODIGO_NEGATIVO ? " P(x) es cóncava hacia abajo en todo el dominio."
                                              : " P(x) no es cóncava ni convexa en todo el dominio.";
        return s;
    }
    s.texto = Renglones(r, FraseConcavidad);
    s.conInfinitos = true;
    return s;
}

SeccionHistoria RangoP(const CollFuncPolin &fp)
{
    SeccionHistoria s;
    const Rango r = RangoPolinomio(fp);
    s.etiqueta = "El rango del polinomio P(x) es: ";
    const std::string inferior = MenosInfinito(r.rango.izquierdo) ? "(- I" : "[" + Numero(r.rango.izquierdo);
    const std::string superior = MasInfinito(r.rango.derecho) ? "+ I)" : Numero(r.rango.derecho) + "]";
    s.texto = "El conjunto de todas las imágenes de P(x) es:\n" + inferior + "  ,  " + superior;
    s.conInfinitos = true;
    return s;
}

SeccionHistoria Extremos(const CollFuncPolin &fp)
{
    SeccionHistoria s;
    const ExtremosAbsolutos e = MaxMinAbsoluto(fp);
    if (e.sinExtremo || e.esConstante) {
        s.etiqueta = "Como se puede observar,";
        s.texto = P(fp).Grado() != 0
                      ? " la función propuesta no tiene cotas. Es decir no tiene máximo absoluto ni mínimo absoluto."
                      : " la función propuesta es constante. Es decir, todos sus puntos son máximos o mínimos "
                        "absolutos.";
        return s;
    }
    const std::string a = Numero(e.abscisa);
    if (!MenosInfinito(e.valorMin)) {
        s.etiqueta = "La función no tiene máximo absoluto y el mínimo absoluto se localiza en: ";
        s.texto = "x = " + a + ",  P(" + a + ")= " + Numero(e.valorMin);
    } else {
        s.etiqueta = "La función no tiene mínimo absoluto y el máximo absoluto se localiza en: ";
        s.texto = "x = " + a + ",  P(" + a + ")= " + Numero(e.valorMax);
    }
    return s;
}

} // namespace

SeccionHistoria SeccionDeHistoria(int concepto, const CollFuncPolin &fp, bool resuelto)
{
    if (concepto < 0 || concepto >= CONCEPTOS_HISTORIA)
        return {};
    if (!resuelto) {
        SeccionHistoria s;
        s.etiqueta = kSinResolver[concepto];
        // The derivatives' boxes stay, empty; the limits keep their pictures.
        s.conResultado = concepto == 3 || concepto == 4 || concepto == 8;
        return s;
    }
    switch (concepto) {
    case 0:
        return Raices(fp);
    case 1:
        return Signo(fp);
    case 2:
        return ParidadP(fp);
    case 3:
        return SoloEtiqueta("El polinomio propuesto se comporta de la siguiente forma:");
    case 4:
        return SoloEtiqueta("La primera derivada del polinomio propuesto es:");
    case 5:
        return Criticos(fp);
    case 6:
        return Monotonia(fp);
    case 7:
        return Clasificacion(fp);
    case 8:
        return SoloEtiqueta("La segunda derivada del polinomio propuesto es:");
    case 9:
        return Inflexiones(fp);
    case 10:
        return Concavidad(fp);
    case 11:
        return RangoP(fp);
    default:
        return Extremos(fp);
    }
}

std::array<LimiteHistoria, 2> LimitesHistoria(const CollFuncPolin &fp)
{
    const Limites l = ExtensionPolinomio(P(fp));
    const auto limite = [](double v) -> LimiteHistoria {
        if (MasInfinito(v))
            return {"simb-inf.gif", "+∞"};
        if (MenosInfinito(v))
            return {"simb-minf.gif", "−∞"};
        return {"", Numero(v)};
    };
    return {limite(l.limMenos), limite(l.limMas)};
}

std::vector<std::string> RaicesHistoria(const CollFuncPolin &fp)
{
    std::vector<std::string> raices;
    for (const RaizPtr &raiz : fp)
        if (raiz->tipopol() == 0)
            raices.push_back(Numero(raiz->Raiz()));
    return raices;
}
