#pragma once
// The sign exercise: the real line cut at the distinct real roots of P
// into bands, each given as an interval with the sign of P on it, one at
// a time and in any order. Accepted bands are written as sentences and
// drawn as rows of "+" or "-" on the f track of the strip under the graph.
#include "VentanaIntervalos.h"

class frmposi : public VentanaIntervalos {
    Q_OBJECT
public:
    frmposi();

    QRadioButton *Optposi1(int i) const { return OptCualidad(i); }
    // 1 positive, -1 negative, 0 before the first choice.
    int SignoElegido() const { return m_signo; }

    // The check of the typed band.
    void cmdListo_Click(int razon = 0) override;
    void CmdOk_Click(int razon = 0) override;
    // Clears the sign and the left end only, for another try at the same band.
    void cmdBorrar_Click(int razon = 0) override;

protected:
    DatosCamino datosCamino(Camino camino) const override;
    void alIniciar() override;
    void alSalir(bool terminado) override;
    void alElegir(int indice) override;

private:
    // The options cleared, "Listo" off, both ends emptied, focus on the left.
    void LimpiaRespuesta();
    // A band that matched none: its message (133 and 134 first), then
    // the entry reset.
    void EvaluaIntervalo(int n);

    int m_signo = 0;
};
