// A window to look at the entry controls: numeric boxes, buttons, the
// polynomial entry box and rich text boxes with a typeset polynomial, an
// interval sentence and numbered lines. Not a test: run it and look.
#include "Collpolinomio.h"
#include "ExpresionRtf.h"
#include "RichTextBox.h"
#include "RichTextPolin.h"
#include "UCDextavo.h"
#include "Usc.h"

#include <QApplication>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

// Types into a widget with real key events; "^" is the Up arrow.
void teclea(QWidget *w, const QString &guion)
{
    for (QChar c : guion) {
        const int tecla = c == QLatin1Char('^') ? int(Qt::Key_Up) : int(c.toUpper().unicode());
        const QString texto = c == QLatin1Char('^') ? QString() : QString(c);
        QKeyEvent pulsa(QEvent::KeyPress, tecla, Qt::NoModifier, texto);
        QCoreApplication::sendEvent(w, &pulsa);
        QKeyEvent suelta(QEvent::KeyRelease, tecla, Qt::NoModifier, texto);
        QCoreApplication::sendEvent(w, &suelta);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget ventana;
    ventana.setWindowTitle(QStringLiteral("Controles de entrada"));
    auto *capa = new QFormLayout(&ventana);

    auto *numero = new UCDextavo;
    teclea(numero->Caja(), QStringLiteral("-i"));
    capa->addRow(QStringLiteral("UCDextavo (-i):"), numero);
    auto *fraccion = new UCDextavo;
    teclea(fraccion->Caja(), QStringLiteral("2e5"));
    capa->addRow(QStringLiteral("UCDextavo (2e5):"), fraccion);

    auto *aceptar = new Usc;
    aceptar->Caption(QStringLiteral("&Aceptar"));
    capa->addRow(QStringLiteral("Usc:"), aceptar);
    auto *realzado = new Usc;
    realzado->Caption(QStringLiteral("Dibujar && borrar"));
    realzado->AlwaysHighlighted(true);
    realzado->ForeColor(Qt::darkBlue);
    capa->addRow(QStringLiteral("Usc realzado:"), realzado);

    auto *polin = new RichTextPolin;
    polin->setMinimumSize(260, 34);
    teclea(polin->Caja(), QStringLiteral("3x^2-5x^3+1"));
    capa->addRow(QStringLiteral("RichTextPolin:"), polin);
    auto *lineal = new QLabel;
    QObject::connect(polin, &RichTextPolin::TeclaEnter, lineal, [=] { lineal->setText(polin->CadPol()); });
    polin->Acepta();
    polin->Locked(false);
    capa->addRow(QStringLiteral("CadPol:"), lineal);

    auto *poli = new RichTextBox;
    poli->setFixedHeight(40);
    PoliPtr p = Collpolinomio::Nuevo();
    p->Agrega(-1, 3);
    p->Agrega(2.5, 1);
    p->Agrega(-1, 0);
    DespliegaPoliCaja(*p, *poli);
    capa->addRow(QStringLiteral("Despliega:"), poli);

    auto *intervalo = new RichTextBox;
    intervalo->setFixedHeight(60);
    intervalo->SetFuente(QStringLiteral("Arial"), 12);
    intervalo->SetText("En  (-I , 2) ;  P(x) es Creciente\nEn  (2 , I) ;  P(x) es Decreciente");
    PoneInfinitoRtf(*intervalo);
    capa->addRow(QStringLiteral("Intervalos:"), intervalo);

    auto *lineas = new RichTextBox;
    lineas->setFixedHeight(70);
    lineas->SetFuente(QStringLiteral("Arial"), 12);
    EscribeExpresionRtf(*lineas, "", 1);
    EscribeExpresionRtf(*lineas, "-1.5", 0);
    EscribeExpresionRtf(*lineas, "2", 0);
    capa->addRow(QStringLiteral("Raíces:"), lineas);

    ventana.resize(520, 420);
    ventana.move(20, 20);
    ventana.show();
    aceptar->setFocus();
    return app.exec();
}
