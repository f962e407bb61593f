#pragma once
// The rich text box of the program: a QTextEdit that answers the rich text
// calls the polynomial display, the expression writer and the polynomial
// entry box are written against (rt::CajaRtf).
//
// Positions count characters (code points) of Text(), where a line break is
// one character. Font names are the program's names ("Lucida Sans Unicode",
// "Symbol"...): the box keeps the name it was given and draws with the
// installed font that stands for it (Fuentes.h). Character offsets are in
// twips, positive raises.
//
// With an empty selection the Sel* font calls read and set the typing
// format: the format of the character before the caret, which the next
// typed character takes. With a selection of several sizes SelFontSize
// returns 0 (mixed), and with several fonts SelFontName returns "".
#include "CajaRtf.h"

#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

#include <vector>

class RichTextBox : public QTextEdit, public rt::CajaRtf {
    Q_OBJECT
public:
    explicit RichTextBox(QWidget *parent = nullptr);

    // rt::CajaRtf
    std::string Text() const override;
    void SetText(const std::string &texto) override;     // plain, in the box's own font
    int SelStart() const override;
    void SetSelStart(int pos) override;
    int SelLength() const override;
    void SetSelLength(int largo) override;
    std::string SelText() const override;
    void SetSelText(const std::string &texto) override;  // takes the format of the selection's start
    std::string SelFontName() const override;
    void SetSelFontName(const std::string &nombre) override;
    double SelFontSize() const override;
    void SetSelFontSize(double puntos) override;
    int SelCharOffset() const override;
    void SetSelCharOffset(int twips) override;
    void EmpiezaCambios() override;
    void TerminaCambios() override;

    // The box's own font: what SetText writes in (default "Arial", 10).
    QString FontName() const { return m_nombreFuente; }
    double FontSize() const { return m_puntosFuente; }
    void SetFuente(const QString &nombre, double puntos);

    // Locked: read-only for the user, who may still select and copy but
    // sees no caret; code may still change the text, and keeps no undo
    // history meanwhile.
    bool Locked() const { return isReadOnly(); }
    void SetLocked(bool bloqueada);

    // Right wrap margin in twips (0: wrap at the box's width).
    int RightMargin() const { return m_margenDerecho; }
    void SetRightMargin(int twips);

    // A box that shows a polynomial shows all of it. Its lines wrap between
    // terms, before the sign that joins two of them, never inside a number
    // or an exponent (for texts set from then on; text and positions do not
    // see the break marks). Its height follows its lines, down to
    // AltoMinimo where its layout has no more room, and a scroll bar shows
    // when they do not fit; no line is sliced at the bottom or, scrolled, at
    // the top. Setting the text shows its first line, and neither code
    // moving the caret nor the box's first showing scrolls it.
    void SetMuestraPolinomio(bool si);
    bool MuestraPolinomio() const { return m_muestraPolinomio; }
    static constexpr int AltoMinimo = 44;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The format of one character (0-based position), for checks and for
    // reading a run without moving the selection.
    double TamanoCaracter(int pos) const;
    int DesplazamientoCaracter(int pos) const;
    QString FuenteCaracter(int pos) const;

protected:
    void resizeEvent(QResizeEvent *evento) override;
    void showEvent(QShowEvent *evento) override;

private:
    QString textoVisible() const;        // the document's text without break marks
    int aDocumento(int pos) const;       // code point position -> document position
    int deDocumento(int pos) const;      // document position -> code point position
    void aplicaFormato(const QTextCharFormat &formato);
    void recalculaLineaBase();
    QTextCharFormat formatoBase() const;
    int altoTexto() const;               // the whole text, frame included, in pixels
    std::vector<int> iniciosLineas() const; // scroll positions that start at a line
    void ajustaVista();
    void alineaDesplazamiento(int valor);
    void poneCursor(const QTextCursor &c);

    QString m_nombreFuente;
    double m_puntosFuente;
    int m_margenDerecho = 0;
    bool m_cortaEntreTerminos = false;
    bool m_muestraPolinomio = false;
    bool m_alineando = false;
    QTextCursor m_cambios; // holds the edit block of EmpiezaCambios
};
