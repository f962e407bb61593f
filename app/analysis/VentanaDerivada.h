#pragma once
// The two derivative exercises: P is shown, the student types its
// derivative in a polynomial box, and the degree and then the coefficients
// are checked; the first right answer finishes the exercise.
#include "VentanaEjercicio.h"

#include "Collpolinomio.h"

class QHBoxLayout;
class QLabel;
class RichTextPolin;
class Usc;

class VentanaDerivada : public VentanaEjercicio {
    Q_OBJECT
public:
    RichTextPolin *RtpPidePoliR() const { return m_caja; }
    QLabel *Lblderi2() const { return m_lblDeri; }
    Usc *cmdListo() const { return m_listo; }
    Usc *cmdCancelar() const { return m_cancelar; }
    Usc *cmdotro() const { return m_otro; }

    // Checks the typed derivative (Enter in the box, or Listo).
    void RtpPidePoliR_TeclaEnter();
    void cmdotro_Click(int razon = 0);

protected:
    // What sets one derivative exercise apart from the other.
    struct Reglas {
        int orden;                     // 1 or 2
        std::int16_t errorMayor;       // the answer's degree is too high
        std::int16_t errorMenor;       // too low
        std::int16_t errorUnTermino;   // one coefficient wrong
        std::int16_t errorVarios;      // several
        int concepto;                  // the success row and ConceptoActual: datosCamino
        bool borrarSeDeshabilita;      // "Borrar" waits for the next wrong answer
    };
    VentanaDerivada(const QString &titulo, const QString &rotulo, Reglas reglas);

    // The wrong coefficients of the answer against the right derivative:
    // their number, and in termino the highest wrong exponent.
    virtual int TerminosErroneos(const Collpolinomio &respuesta, const Collpolinomio &derivada,
                                 std::int16_t &termino) const = 0;
    // After a wrong coefficient or degree.
    virtual void TrasError(bool deCoeficiente) = 0;
    // The answer polynomial of this exercise (a global of the program).
    virtual PoliPtr &Respuesta() const = 0;
    // Released at the finish, or kept until the next parse.
    virtual bool LiberaAlTerminar() const = 0;

    QWidget *controlRespuesta() const override;
    QHBoxLayout *filaBotones() const { return m_botones; }

private:
    Reglas m_reglas;
    QLabel *m_lblDeri;
    RichTextPolin *m_caja;
    Usc *m_listo;
    Usc *m_cancelar;
    Usc *m_otro;
    QHBoxLayout *m_botones;
};
