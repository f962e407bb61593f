#pragma once
// Keeps the program's windows: one instance of each window class, created
// and loaded on first use, released when it unloads. Work-area windows
// (panels, the graph window) stand in the main window's work area; windows
// whose lugar() is Encima (report, calculator, help viewers, tour browser,
// assistant, zoom) stand on top of the main window, outside it, with the
// same bookkeeping: a test finds either kind with existente<T>(). When a
// window unloads, the window that becomes current again is told so
// (VentanaBase::alActivar).
#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <typeindex>

#include "VentanaBase.h"

#include <QMdiArea>
class QMdiSubWindow;

class GestorVentanas : public QObject {
    Q_OBJECT
public:
    static GestorVentanas &instancia();

    // The work area of the main window; without one, windows are top-level.
    void fijaArea(QMdiArea *area);
    QMdiArea *area() const { return m_area; }

    // The loaded instance of T, creating and loading it when there is none.
    template <class T> T *ventana()
    {
        return ventana<T>([](T &) {});
    }
    // The same, with prepara(window) run between creation and load when
    // the window is new (for what a window must know before it loads).
    template <class T, class F> T *ventana(F &&prepara)
    {
        if (auto *w = existente<T>())
            return w;
        auto *w = new T();
        registra(std::type_index(typeid(T)), w);
        prepara(*w);
        w->alCargar();
        return w;
    }
    // The loaded instance of T, or nullptr.
    template <class T> T *existente() const
    {
        auto it = m_ventanas.find(std::type_index(typeid(T)));
        return it == m_ventanas.end() ? nullptr : static_cast<T *>(it->second.data());
    }

    // Shows a loaded window modeless and makes it the current one.
    void muestra(VentanaBase *ventana);
    void oculta(VentanaBase *ventana);
    // Unloads a window: its alDescargar runs, it is released, and the window
    // that becomes current is activated. With preguntar, alPedirDescarga may
    // keep it open.
    bool descarga(VentanaBase *ventana, bool preguntar = false);
    // Unloads every window, the most recently loaded first; nothing is
    // activated on the way. comoAlReiniciar: each window leaves by its
    // cierraAlReiniciar (an exercise as its "Cancelar").
    void descargaTodas(bool comoAlReiniciar = false);

    QList<VentanaBase *> cargadas() const;
    VentanaBase *actual() const;
    // The widget that frames a window in the work area (or the window itself).
    QWidget *marcoDe(VentanaBase *ventana) const;
    // Unloads the loaded instance of T, if any.
    template <class T> void descarga() { descarga(existente<T>()); }

signals:
    void ventanaActivada(VentanaBase *ventana);

private:
    GestorVentanas() = default;
    void registra(std::type_index tipo, VentanaBase *ventana);
    void activaActual();
    void activa(VentanaBase *nueva);
    // The current window among those of the work area (windows on top of
    // the main window set aside), or nullptr.
    VentanaBase *actualDelArea() const;

    void alActivarMarco(QMdiSubWindow *marco);
    QPointer<QMdiArea> m_area;
    std::map<std::type_index, QPointer<VentanaBase>> m_ventanas;
    QList<QPointer<VentanaBase>> m_orden; // load order
    QList<QPointer<VentanaBase>> m_pila;  // most recently made current last
};
