#pragma once
// Recording doubles of the windows the shared routines reach, and a
// temporary program folder for tests that read files.
#include "VentanaMensaje.h"
#include "VentanaPrincipal.h"
#include "Ventanas.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

struct VentanaMensajeGrabadora : VentanaMensaje {
    std::string mensaje = "sin tocar";
    std::string detalle = "sin tocar";
    bool botonDetalles = false;
    bool encima = false;
    int vecesMostrada = 0;
    std::vector<std::string> mensajes; // one per modal show

    void PoneMensaje(const std::string &t) override { mensaje = t; }
    void PoneDetalle(const std::string &t) override { detalle = t; }
    void MuestraBotonDetalles(bool v) override { botonDetalles = v; }
    void PonEncima() override { encima = true; }
    void MuestraModal() override
    {
        ++vecesMostrada;
        mensajes.push_back(mensaje);
    }
};

struct VentanaPrincipalGrabadora : VentanaPrincipal {
    std::string titulo = "Quorvane (diseño)";
    std::array<bool, 9> botones{false, true, true, true, true, true, true, true, true};
    int ancho = 1280, alto = 1000, altoBarra = 40, anchoEscritorio = 1280;

    std::string Titulo() const override { return titulo; }
    void PoneTitulo(const std::string &t) override { titulo = t; }
    bool BotonHabilitado(int b) const override { return botones.at(static_cast<std::size_t>(b)); }
    void HabilitaBoton(int b, bool h) override { botones.at(static_cast<std::size_t>(b)) = h; }
    int Ancho() const override { return ancho; }
    int Alto() const override { return alto; }
    int AltoBarra() const override { return altoBarra; }
    int AnchoEscritorio() const override { return anchoEscritorio; }
};

// A fresh folder under the system's temporary folder, removed at the end.
class CarpetaTemporal {
public:
    CarpetaTemporal()
    {
        std::random_device azar;
        m_ruta = std::filesystem::temp_directory_path()
                 / ("quorvane-prueba-" + std::to_string(azar()) + std::to_string(azar()));
        std::filesystem::create_directories(m_ruta);
    }
    ~CarpetaTemporal()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_ruta, ec);
    }
    CarpetaTemporal(const CarpetaTemporal &) = delete;
    CarpetaTemporal &operator=(const CarpetaTemporal &) = delete;

    const std::filesystem::path &Ruta() const { return m_ruta; }

    // Writes a file below the folder (relative path with "/").
    void Escribe(const std::string &relativa, const std::string &contenido) const
    {
        const std::filesystem::path ruta = m_ruta / relativa;
        std::filesystem::create_directories(ruta.parent_path());
        std::ofstream(ruta, std::ios::binary) << contenido;
    }
    void Borra(const std::string &relativa) const { std::filesystem::remove(m_ruta / relativa); }

private:
    std::filesystem::path m_ruta;
};
