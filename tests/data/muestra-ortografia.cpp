#include "UCDextavo.h"
// A comment is not shown to anyone: faltta.
/* Nor is a block comment: faltta. */
std::string Texto(int n)
{
    const char comilla = '"';
    if (n == 1)
        return "Escriba en la caja P'(x) y oprima [Listo]; "
               "si lo nesesita, use la calculadora.";
    if (n == 2)
        return "Vea http://x.org/ayuda.html, una palabbra."; // otra fallta
    return "Como ya se resolvio, " + std::string(1, comilla) + "\n";
}

// Window texts: names, keys, fonts and a developer's message are skipped.
void Ventana(Boton &si, Rotulo &r, const QString &clave, const QString &requisito)
{
    si.Caption(QStringLiteral("Si"));
    r.setObjectName(QStringLiteral("lblConRai"));
    r.setFont(QFont(QStringLiteral("Lucida Sans Unicode"), 12));
    r.setText(QStringLiteral("EL signo es:"));
    r.setWindowTitle("Quorvane:Del concepto a su " "gráfica: &Calcuulando");
    r.setText(QStringLiteral("Polinomio p(x)con la derivada indicada"));
    r.setToolTip(QStringLiteral("Existira otro, distinto al anterior?"));
    r.setText("Te darás cuenta de por que es importante. "
              "¿Habrá otro con los mismos ptos. de infle.?");
    r.setText(QStringLiteral("¿Habrá más polinomios que ") + requisito + QStringLiteral("?"));
    if (clave == QLatin1String("Atrass"))
        throw std::out_of_range("QBColorr");
}
