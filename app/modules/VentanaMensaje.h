#pragma once
// The error window and the success window as the feedback routines fill
// them: a message, an optional detail text behind "Detalles", always on
// top, shown modally. The shell's windows implement it.
#include <string>

class VentanaMensaje {
public:
    virtual ~VentanaMensaje() = default;

    // The message: the whole text of the error window's rich text box, or
    // the caption of the success window's label.
    virtual void PoneMensaje(const std::string &texto) = 0;
    // The detail text shown when "Detalles" is pressed.
    virtual void PoneDetalle(const std::string &texto) = 0;
    // Whether the "Detalles" button shows.
    virtual void MuestraBotonDetalles(bool visible) = 0;
    // Above every other window, without moving or resizing.
    virtual void PonEncima() = 0;
    // Shows the window modally (through plataforma::EsperaModal) and
    // returns once it has been closed.
    virtual void MuestraModal() = 0;
};
