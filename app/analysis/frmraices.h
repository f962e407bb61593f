#pragma once
// The real roots exercise. On the analytic road the student first states
// the greatest possible number of real roots of P, then types each root;
// from the graph of P the roots are read off the graph from the start.
// A root of multiplicity m may be given m times, the same value typed
// again standing for its next copy; "Terminar" accepts once every distinct
// root was given.
#include "VentanaPuntos.h"

#include <vector>

class frmraices : public VentanaPuntos {
    Q_OBJECT
public:
    frmraices();

    RichTextBox *rtbraices() const { return rtbPuntos(); }
    // True while the count of roots is asked (the first phase).
    bool PideCuantas() const { return m_pideCuantas; }

protected:
    DatosCamino datosCamino(Camino camino) const override;
    void alIniciar() override;
    void alSalir(bool terminado) override;
    void revisa(double x) override;
    void termina() override;

private:
    void revisaCuantas(double x);
    void revisaRaiz(double x);
    // The second phase: the root box, the tools and "Terminar".
    void pasaARaices();
    // The accepted roots drawn again after the graph is cleared.
    void marcaDadas() const;

    bool m_pideCuantas = false;
    std::vector<double> m_dadas; // the program's values of the accepted roots
};
