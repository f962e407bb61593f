#include "GestorVentanas.h"

#include "MarcoVentana.h"

#include <QMdiArea>
#include <QMdiSubWindow>

GestorVentanas &GestorVentanas::instancia()
{
    static GestorVentanas gestor;
    return gestor;
}

void GestorVentanas::fijaArea(QMdiArea *area)
{
    m_area = area;
    if (area)
        connect(area, &QMdiArea::subWindowActivated, this, &GestorVentanas::alActivarMarco);
}

void GestorVentanas::alActivarMarco(QMdiSubWindow *marco)
{
    // The student brought a window forward that the manager did not: it
    // becomes current as if the window above it had closed. Nothing while
    // windows are being unloaded (no current one).
    auto *ventana = marco ? qobject_cast<VentanaBase *>(marco->widget()) : nullptr;
    const VentanaBase *ahora = actual();
    if (!ventana || !ahora || ahora == ventana || !m_pila.contains(ventana) || !ventana->vuelveAlClic())
        return;
    muestra(ventana);
    ventana->alActivar();
}

void GestorVentanas::registra(std::type_index tipo, VentanaBase *ventana)
{
    m_ventanas[tipo] = ventana;
    m_orden.append(ventana);
    if (ventana->lugar() == VentanaBase::Lugar::Encima) {
        // On top of the main window, not in it: a window of its own whose
        // parent is the main window, with the flags the window chose.
        if (m_area)
            ventana->setParent(m_area->window(), ventana->windowFlags() | Qt::Window);
        ventana->hide();
    } else if (m_area) {
        auto *marco = new MarcoVentana;
        marco->setWidget(ventana);
        m_area->addSubWindow(marco);
        marco->setAttribute(Qt::WA_DeleteOnClose, false);
        marco->setOption(QMdiSubWindow::RubberBandMove, false);
        marco->hide();
    }
}

QWidget *GestorVentanas::marcoDe(VentanaBase *ventana) const
{
    if (auto *marco = qobject_cast<QMdiSubWindow *>(ventana->parentWidget()))
        return marco;
    return ventana;
}

void GestorVentanas::muestra(VentanaBase *ventana)
{
    m_pila.removeAll(ventana);
    m_pila.append(ventana);
    QWidget *marco = marcoDe(ventana);
    marco->show();
    marco->raise();
    if (auto *sub = qobject_cast<QMdiSubWindow *>(marco); sub && m_area)
        m_area->setActiveSubWindow(sub);
    else
        ventana->activateWindow();
}

void GestorVentanas::oculta(VentanaBase *ventana)
{
    const bool eraActual = actual() == ventana;
    marcoDe(ventana)->hide();
    m_pila.removeAll(ventana);
    if (eraActual)
        activaActual();
}

bool GestorVentanas::descarga(VentanaBase *ventana, bool preguntar)
{
    if (!ventana)
        return true;
    if (preguntar && !ventana->alPedirDescarga())
        return false;
    const bool eraActual = actual() == ventana;
    // A work-area window that leaves from under a window on top of the main
    // window (the calculator, a viewer) hands the work to the one below it
    // all the same.
    const bool eraActualDelArea = !eraActual && actualDelArea() == ventana;
    ventana->alDescargar();
    for (auto it = m_ventanas.begin(); it != m_ventanas.end(); ++it)
        if (it->second == ventana) {
            m_ventanas.erase(it);
            break;
        }
    m_orden.removeAll(ventana);
    m_pila.removeAll(ventana);
    QWidget *marco = marcoDe(ventana);
    marco->hide();
    if (marco != ventana && m_area) {
        m_area->removeSubWindow(ventana);
        marco->deleteLater();
    }
    ventana->deleteLater();
    if (eraActual)
        activaActual();
    else if (eraActualDelArea)
        activa(actualDelArea());
    return true;
}

void GestorVentanas::descargaTodas(bool comoAlReiniciar)
{
    while (!m_orden.isEmpty()) {
        QPointer<VentanaBase> ultima = m_orden.last();
        if (!ultima) {
            m_orden.removeLast();
            continue;
        }
        m_pila.clear(); // nothing is activated while everything goes
        if (comoAlReiniciar)
            ultima->cierraAlReiniciar();
        // Whatever its own way out left loaded goes all the same.
        if (ultima && m_orden.contains(ultima.data())) {
            m_pila.clear();
            descarga(ultima);
        }
    }
}

QList<VentanaBase *> GestorVentanas::cargadas() const
{
    QList<VentanaBase *> lista;
    for (const auto &v : m_orden)
        if (v)
            lista.append(v);
    return lista;
}

VentanaBase *GestorVentanas::actual() const
{
    for (auto it = m_pila.crbegin(); it != m_pila.crend(); ++it)
        if (*it && !marcoDe(*it)->isHidden())
            return *it;
    return nullptr;
}

VentanaBase *GestorVentanas::actualDelArea() const
{
    for (auto it = m_pila.crbegin(); it != m_pila.crend(); ++it)
        if (*it && (*it)->lugar() == VentanaBase::Lugar::AreaTrabajo && !marcoDe(*it)->isHidden())
            return *it;
    return nullptr;
}

void GestorVentanas::activaActual()
{
    // The window below the one that left becomes current, and is told so.
    activa(actual());
}

void GestorVentanas::activa(VentanaBase *nueva)
{
    if (nueva) {
        muestra(nueva);
        nueva->alActivar();
        emit ventanaActivada(nueva);
    }
}
