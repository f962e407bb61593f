#pragma once
// The modal message box through which the libraries and controls report a
// programmer's misuse ("ERROR: Escala mal definida", ...). The program routes
// it to a real message box; tests record what was said.
#include <functional>
#include <string>
#include <vector>

namespace rt {

struct Aviso {
    std::string texto;
    std::string titulo;
};

using ReceptorAvisos = std::function<void(const Aviso &)>;

void MuestraAviso(const std::string &texto, const std::string &titulo = {});
// Installs the receiver; returns the previous one.
ReceptorAvisos FijaReceptorAvisos(ReceptorAvisos receptor);

// A receiver for tests that keeps every message while it lives.
class GrabadoraAvisos {
public:
    GrabadoraAvisos();
    ~GrabadoraAvisos();
    GrabadoraAvisos(const GrabadoraAvisos &) = delete;
    GrabadoraAvisos &operator=(const GrabadoraAvisos &) = delete;
    const std::vector<Aviso> &avisos() const { return m_avisos; }
    void limpia() { m_avisos.clear(); }

private:
    std::vector<Aviso> m_avisos;
    ReceptorAvisos m_anterior;
};

} // namespace rt
