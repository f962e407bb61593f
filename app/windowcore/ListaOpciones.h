#pragma once
// A chooser's concept options as the opener of exercises: the hub's
// thirteen options, a road chooser's, the construction chooser's. An
// exercise finished greys its option (QBColor 7, caption still readable),
// one cancelled unchecks it. The chooser owns the list and hands it to
// AbreEjercicio; the options themselves stay the chooser's widgets.
#include "CatalogoEjercicios.h"

#include <QPointer>
#include <QRadioButton>

#include <functional>
#include <map>

class ListaOpciones : public AbridorEjercicio {
public:
    // Option k of the chooser (k as the chooser numbers its options).
    void agrega(int k, QRadioButton *opcion);
    QRadioButton *opcion(int k) const;

    // What the chooser does when the student leaves its road from an
    // exercise (another polynomial, start again); nothing when unset.
    void alCerrarCamino(std::function<void()> cierra) { m_cierraCamino = std::move(cierra); }

    // Every option unchecked and back to its design look; enabled when
    // disponible(k) says so (all of them without it).
    void restablece(const std::function<bool(int)> &disponible = {});

    // AbridorEjercicio
    void DeshabilitaOpcion(int k) override;
    void DesmarcaOpcion(int k) override;
    void DesmarcaOpciones() override;
    void CierraCamino() override;

private:
    std::map<int, QPointer<QRadioButton>> m_opciones;
    std::function<void()> m_cierraCamino;
};
