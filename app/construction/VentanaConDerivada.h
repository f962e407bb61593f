#pragma once
// The middle base of the two derivative constructions: a random problem
// polynomial P stays hidden while one of its derivatives is drawn; the
// student writes p with that derivative, then q. A button writes the
// derivative out, once. Each window draws its P and the derivative, and
// judges an answer by the derivative it asks for.
#include "VentanaConstruccion.h"

class QLabel;

struct DatosDerivada {
    std::int16_t orden = 1;  // the derivative drawn and compared
    int gradoMaximo = 4;     // P of degree 1 to gradoMaximo
    QString boton;           // the button that writes it out
    QString etiqueta;        // beside the written derivative
    std::int16_t errorGrado = 0, errorVarios = 0;
    bool curvaEnVarios = false; // the answer's derivative shown with errorVarios
    int desplazamiento = 0;  // added to the exponent named by error 16
};

class VentanaConDerivada : public VentanaConstruccion {
    Q_OBJECT
public:
    const PoliPtr &Problema() const { return m_problema; }
    // The derivative of P that the window draws.
    PoliPtr DerivadaPedida() const;
    // P given instead of drawn at random, and shown again (tests).
    void PoneProblema(const PoliPtr &P);

    Usc *CmdDespliega() const { return m_cmdDespliega; }
    QLabel *Lblderi3() const { return m_lblderi3; }
    RichTextBox *RtbDerivada() const { return m_rtbDerivada; }

protected:
    VentanaConDerivada(const DatosConstruccion &datos, const DatosDerivada &derivada);

    // The graph cleared, refitted and the derivative drawn.
    virtual void muestraProblema() = 0;

    void dibujaRequisito() override;
    std::optional<Rechazo> prueba(const PoliPtr &p) override;

    static PoliPtr Derivada(const PoliPtr &p, int orden);

private:
    void despliega();

    DatosDerivada m_derivada;
    PoliPtr m_problema;
    Usc *m_cmdDespliega = nullptr;
    QLabel *m_lblderi3 = nullptr;
    RichTextBox *m_rtbDerivada = nullptr;
};
