#include "Avisos.h"

#include <cstdio>

namespace rt {

namespace {
ReceptorAvisos &receptor()
{
    static ReceptorAvisos r = [](const Aviso &a) {
        std::fprintf(stderr, "%s: %s\n", a.titulo.c_str(), a.texto.c_str());
    };
    return r;
}
} // namespace

void MuestraAviso(const std::string &texto, const std::string &titulo)
{
    if (receptor())
        receptor()(Aviso{texto, titulo});
}

ReceptorAvisos FijaReceptorAvisos(ReceptorAvisos nuevo)
{
    ReceptorAvisos viejo = std::move(receptor());
    receptor() = std::move(nuevo);
    return viejo;
}

GrabadoraAvisos::GrabadoraAvisos()
{
    m_anterior = FijaReceptorAvisos([this](const Aviso &a) { m_avisos.push_back(a); });
}

GrabadoraAvisos::~GrabadoraAvisos()
{
    FijaReceptorAvisos(std::move(m_anterior));
}

} // namespace rt
