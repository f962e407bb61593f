#pragma once
// The program's frame window: menus, the main toolbar and the work area in
// which the panel windows and the graph window stand.
#include <QMainWindow>
#include <QMargins>
#include <QString>

#include <memory>

class QAction;
class QMdiArea;
class QMenu;
class QToolBar;
class GuiaGenio;

class frmMdiCalcDife : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMdiCalcDife(QWidget *parent = nullptr);
    ~frmMdiCalcDife() override;

    // Start-up: sizes the window, runs the start-up routine, shows the
    // splash and the cover. False when the program must end.
    bool MDIForm_Load();

    // Toolbar buttons by index 1..8 (keys "ayuda", "apoyo", "texto",
    // "calculadora", "logo", "adios", "pasado", "zoom").
    QAction *boton(int indice) const;
    QAction *botonPorClave(const QString &clave) const;
    void Tlbpoli_ButtonClick(const QString &clave);

    QMenu *mnuInicio() const { return m_mnuInicio; }
    QAction *mnuAyudante() const { return m_mnuAyudante; }
    QAction *mnupoliAccion() const { return m_mnupoli; }
    QAction *mnuSalida() const { return m_mnuSalida; }
    QToolBar *Tlbpoli() const { return m_tlbpoli; }
    QMdiArea *area() const { return m_area; }

    // Both top menus are always switched together.
    void habilitaMenus(bool si);

    void mnupoli_Click();
    void mnuSalida_Click();

    // The assistant character: "In&troducción" and its events, handed to
    // the guided tour.
    void mnuAyudante_Click();
    void Agent1_Click(const QString &idPersonaje, int boton, int shift, int x, int y);
    void Agent1_Command(const QString &nombre);
    void Agent1_Bookmark(long numero);
    GuiaGenio *guia() const { return m_guia.get(); }

signals:
    void programaTerminado();

protected:
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void creaMenus();
    void creaBarra();
    // The screen's rectangle for the whole window, title bar and borders
    // included: the available width, the screen's height less 420 twips
    // (never more than the available height), at the top left.
    QRect lugarDelMarco() const;
    // Puts the frame on that rectangle with the borders known so far.
    void colocaMarco();
    // Most window managers put their frame round the window only once it
    // shows: the first time its borders are known, the window is placed
    // again and the layout measures are taken again from it.
    void sigueAlMarco();
    // Unloads every window and ends the program; false when already ending.
    bool termina();

    QMdiArea *m_area = nullptr;
    QMenu *m_mnuInicio = nullptr;
    QAction *m_mnuInicioAccion = nullptr;
    QAction *m_mnuAyudante = nullptr;
    QAction *m_mnupoli = nullptr;
    QAction *m_mnuSalida = nullptr;
    QToolBar *m_tlbpoli = nullptr;
    QList<QAction *> m_botones;
    QMargins m_bordes;
    bool m_marcoEnSuSitio = false;
    bool m_terminando = false;
    std::unique_ptr<GuiaGenio> m_guia;
};
