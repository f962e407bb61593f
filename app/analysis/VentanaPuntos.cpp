#include "VentanaPuntos.h"

#include "CadenaRespuestas.h"

#include "EntradaNumerica.h"

#include "ExpresionRtf.h"
#include "Globales.h"
#include "ModCalculos.h"
#include "dibujo.h"

#include "RichTextBox.h"
#include "UCDextavo.h"
#include "Usc.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

VentanaPuntos::VentanaPuntos(const QString &titulo, const Reglas &reglas)
    : VentanaEjercicio(titulo)
    , m_reglas(reglas)
{
    auto *fila = new QHBoxLayout;
    fila->addStretch(1);
    if (!reglas.rotulo.isEmpty()) {
        m_rotulo = new QLabel(reglas.rotulo, this);
        fila->addWidget(m_rotulo);
    }
    m_respuesta = new UCDextavo(this);
    m_respuesta->HayInfinito(false);
    fila->addWidget(m_respuesta);
    fila->addStretch(1);
    zonaRespuesta()->addLayout(fila);

    QHBoxLayout *botones = agregaListoCancelar(m_listo, m_cancelar);
    auto boton = [this, botones](const QString &texto, int donde) {
        auto *b = new Usc(this);
        b->Caption(texto);
        b->setMinimumHeight(m_listo->minimumHeight());
        botones->insertWidget(donde, b);
        return b;
    };
    if (reglas.borrar) {
        m_otro = boton(QStringLiteral("Borrar"), 1);
        connect(m_otro, &Usc::Click, this, &VentanaPuntos::cmdotro_Click);
    }
    m_terminar = boton(QStringLiteral("Terminar"), botones->indexOf(m_cancelar));
    connect(m_listo, &Usc::Click, this, &VentanaPuntos::cmdListo_Click);
    connect(m_terminar, &Usc::Click, this, &VentanaPuntos::CmdOk_Click);
    conectaCaja(*m_respuesta, [this] { cmdListo_Click(1); });
    RevisaCajas(*m_listo, {m_respuesta});

    PanelHerramientas *h = agregaHerramientas(reglas.herramientas);
    auto *hoja = new QWidget(h->stabRaices());
    auto *v = new QVBoxLayout(hoja);
    m_lista = new RichTextBox(hoja);
    m_lista->SetLocked(true);
    v->addWidget(m_lista, 1);
    if (!reglas.derivada.isEmpty()) {
        v->addWidget(new QLabel(reglas.tituloDerivada, hoja));
        auto *filaDerivada = new QHBoxLayout;
        filaDerivada->addWidget(new QLabel(reglas.derivada, hoja));
        m_derivada = new RichTextBox(hoja);
        m_derivada->SetLocked(true);
        m_derivada->SetMuestraPolinomio(true);
        filaDerivada->addWidget(m_derivada, 1);
        v->addLayout(filaDerivada);
    }
    h->stabRaices()->addTab(hoja, reglas.pestana);
}

QWidget *VentanaPuntos::controlRespuesta() const
{
    return m_respuesta;
}

void VentanaPuntos::cmdListo_Click(int)
{
    if (!PoliActual || !PoliActual->Polin())
        return;
    if (ValidaCajaNumerica(*m_respuesta) >= 1)
        return;
    revisa(m_respuesta->NumAceptado());
}

void VentanaPuntos::CmdOk_Click(int)
{
    termina();
}

void VentanaPuntos::cmdotro_Click(int)
{
    vaciaRespuesta(true);
}

std::size_t VentanaPuntos::copiasDadas(double v) const
{
    return static_cast<std::size_t>(
        std::count_if(m_dados.begin(), m_dados.end(), [v](const Dado &d) { return d.punto == v; }));
}

bool VentanaPuntos::faltaDistinto() const
{
    return std::any_of(m_faltantes.begin(), m_faltantes.end(), [this](double v) { return copiasDadas(v) == 0; });
}

bool VentanaPuntos::enGrupo(double v, Grupo grupo) const
{
    switch (grupo) {
    case Grupo::SinCopia:
        return copiasDadas(v) == 0;
    case Grupo::ConCopia:
        return copiasDadas(v) > 0;
    case Grupo::Multiple:
        break;
    }
    return static_cast<std::size_t>(std::count(m_faltantes.begin(), m_faltantes.end(), v)) + copiasDadas(v) > 1;
}

int VentanaPuntos::cercano(double v, double tol, Grupo grupo) const
{
    // The tolerance is relative to the program's value, so v may be within
    // it of a neighbour too: the nearest one is meant.
    int mejor = -1;
    double d = tol;
    for (std::size_t i = 0; i < m_faltantes.size(); ++i)
        if (enGrupo(m_faltantes[i], grupo))
            if (const double e = ErrorRelativo(v, m_faltantes[i]); e < d) {
                mejor = static_cast<int>(i);
                d = e;
            }
    return mejor;
}

int VentanaPuntos::tomaDelGrupo(double x, double tol, Grupo grupo)
{
    if (const int i = cercano(x, tol, grupo); i >= 0)
        return i;
    // x may stand for a point already given, whose answer then stands for
    // a remaining one (through other given points if need be).
    const CadenaRespuestas cadena = CadenaRespuestas::busca(
        m_dados.size(), [&](std::size_t k) { return CasiIgual(x, m_dados[k].punto, tol); },
        [&](std::size_t k, std::size_t j) { return CasiIgual(m_dados[k].respuesta, m_dados[j].punto, tol); },
        [&](std::size_t k) { return cercano(m_dados[k].respuesta, tol, grupo); });
    m_cadena = cadena.tomados;
    return cadena.libre;
}

bool VentanaPuntos::coincideDado(double x, double tol) const
{
    return std::any_of(m_dados.begin(), m_dados.end(), [&](const Dado &d) { return CasiIgual(x, d.punto, tol); });
}

int VentanaPuntos::buscaFaltante(double x, double tol)
{
    m_cadena.clear();
    // The same value typed again stands for no neighbour: only for another
    // copy of a multiple root while one is left.
    if (std::any_of(m_dados.begin(), m_dados.end(), [x](const Dado &d) { return d.respuesta == x; })) {
        const int copia = cercano(x, tol, Grupo::Multiple);
        return copia >= 0 ? copia : Repetido;
    }
    for (const Grupo grupo : {Grupo::SinCopia, Grupo::ConCopia})
        if (const int i = tomaDelGrupo(x, tol, grupo); i >= 0)
            return i;
    return -1;
}

double VentanaPuntos::acepta(int i, double x)
{
    EscribeExpresionRtf(*m_lista, m_respuesta->Text().toStdString(), 0);
    const Marca &m = m_reglas.marca;
    MarcaAbscisas(x, m.sobreEje ? 0.0 : PoliActual->Polin()->Eval(x), m.tam, false, m.color);
    const auto donde = m_faltantes.begin() + i;
    const double punto = *donde;
    m_faltantes.erase(donde);
    // Along the chain each answer takes over the next given point, the
    // last one the point struck off now.
    double respuesta = x;
    for (std::size_t k : m_cadena)
        std::swap(respuesta, m_dados[k].respuesta);
    m_cadena.clear();
    m_dados.push_back({punto, respuesta});
    return punto;
}

void VentanaPuntos::vaciaRespuesta(bool foco)
{
    m_respuesta->Text(QString());
    if (foco)
        m_respuesta->setFocus();
}

void VentanaPuntos::alSalir(bool)
{
    // The numbering starts again with the next window's list.
    EscribeExpresionRtf(*m_lista, "", 1);
}
