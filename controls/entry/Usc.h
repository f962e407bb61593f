#pragma once
// The push button of the program: a flat face with a centred caption, a
// thin raised edge and a second caption colour while the pointer is over it
// (always raised with AlwaysHighlighted), a sunken edge and the caption one
// pixel down and right while pressed, a dotted focus rectangle while it has
// the focus. It raises Click with the reason of the click.
//
// Properties are getter/setter pairs of the same name. AlwaysHighlighted and
// FocusRect are settings of the window's layout: they can be set only
// before the button is first shown; later they throw ErrorSoloDiseno and
// keep their value.
#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

#include <stdexcept>

class QShortcut;

enum b2kClickReason { b2kReasonMouse = 0, b2kReasonAccessKey = 1, b2kReasonKeyboard = 2 };

// A setting of the layout changed while the program runs (error 383).
class ErrorSoloDiseno : public std::logic_error {
public:
    ErrorSoloDiseno() : std::logic_error("La propiedad es de solo lectura en tiempo de ejecución") {}
    static constexpr int Numero = 383;
};

class Usc : public QWidget {
    Q_OBJECT
public:
    explicit Usc(QWidget *parent = nullptr);

    bool AlwaysHighlighted() const { return m_siempreResaltado; }
    void AlwaysHighlighted(bool valor);
    QColor BackColor() const { return m_colorFondo; }
    void BackColor(const QColor &valor);
    // "&" marks the access key, "&&" is a literal "&".
    QString Caption() const { return m_caption; }
    void Caption(const QString &valor);
    bool FocusRect() const { return m_rectanguloFoco; }
    void FocusRect(bool valor);
    QFont Font() const { return m_fuente; }
    void Font(const QFont &valor);
    bool Enabled() const { return m_habilitado; }
    void Enabled(bool valor);
    QColor HoverColor() const { return m_colorResalte; }
    void HoverColor(const QColor &valor);
    QColor ForeColor() const { return m_colorTexto; }
    void ForeColor(const QColor &valor);
    // The button's window, for routines that place the pointer on it.
    QWidget *hWnd() { return this; }

    // The access key taken from the caption (null when there is none).
    QChar TeclaAcceso() const { return m_teclaAcceso; }
    // What the face shows now (for tests): the edge drawn, whether the
    // pointer counts as over the button, and the caption's colour.
    enum Borde { Plano, Realzado, Hundido };
    Borde BordeVisible() const { return m_borde; }
    bool EstadoResalte() const { return m_resaltado; }
    QColor ColorCaption() const { return m_colorCaption; }

    QSize sizeHint() const override;
    // A layout short of room narrows a button but never flattens its caption.
    QSize minimumSizeHint() const override;

signals:
    // ClickReason: b2kReasonMouse, b2kReasonAccessKey or b2kReasonKeyboard.
    void Click(int ClickReason);

protected:
    void paintEvent(QPaintEvent *evento) override;
    void resizeEvent(QResizeEvent *evento) override;
    void showEvent(QShowEvent *evento) override;
    void enterEvent(QEnterEvent *evento) override;
    void leaveEvent(QEvent *evento) override;
    void mousePressEvent(QMouseEvent *evento) override;
    void mouseReleaseEvent(QMouseEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;
    void keyReleaseEvent(QKeyEvent *evento) override;
    void focusInEvent(QFocusEvent *evento) override;
    void focusOutEvent(QFocusEvent *evento) override;
    void changeEvent(QEvent *evento) override;

private:
    void ActualizaBoton(int partes);
    void Presiona();
    void Suelta();
    void ponAcceso();

    QShortcut *m_acceso = nullptr;
    QString m_caption;
    QChar m_teclaAcceso;
    QFont m_fuente;
    QColor m_colorFondo;
    QColor m_colorResalte;
    QColor m_colorTexto;
    QColor m_colorCaption;
    bool m_siempreResaltado = false;
    bool m_rectanguloFoco = true;
    bool m_habilitado = true;
    Borde m_borde = Plano;
    bool m_resaltado = false;     // the pointer counts as over the button
    bool m_rastreo = false;       // hover tracking on (off while pressed)
    bool m_desplazado = false;    // caption one pixel down and right
    bool m_encima = false;        // pointer over the button right now
    bool m_mostrado = false;      // shown once: layout settings are fixed
    bool m_dimensionado = false;  // laid out once
};
