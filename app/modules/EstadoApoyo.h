#pragma once
// What a press on the support page does to the viewer's heading and
// previews, kept apart from the window: the window reports the jump number
// under the press (0 off any link) and carries out the answer.
#include "Apoyo.h"
#include "TablaTextos.h"

#include <optional>
#include <string>

class EstadoApoyo {
public:
    enum class Accion {
        Nada,          // nothing changes (also: the same link again, no reload)
        MuestraTexto,  // heading = the jump's title, text preview of its file
        MuestraImagen, // heading = the jump's title, picture preview of its file
        Cierra,        // previews hidden, heading back to the page's word
    };
    // What to do: the new heading for every action but Nada, the file to
    // load for the two previews.
    struct Cambio {
        Accion accion = Accion::Nada;
        std::string encabezado;
        std::filesystem::path archivo;
    };

    // saltos must outlive the state (the window keeps the global table).
    EstadoApoyo(const TablaTextos &saltos, std::string palabra);

    // A press whose jump number is salto (0: no link under the press). A
    // link without a usable row opens nothing and keeps the state.
    Cambio Pulsa(int salto);

    // The heading as it stands, and the link previewed (0: none).
    const std::string &Encabezado() const { return m_encabezado; }
    int UltimoSalto() const { return m_ultimo; }

private:
    const TablaTextos &m_saltos;
    std::string m_palabra;
    std::string m_encabezado;
    int m_ultimo = 0;
};
