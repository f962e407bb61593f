#include "RichTextBox.h"

#include "Fuentes.h"
#include "Twips.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextCursor>
#include <QTextDocument>

#include <climits>
#include <cmath>

namespace {

// The program's own font name and the raise in twips travel with each
// character's format; the drawn family and baseline are derived from them.
constexpr int PropNombre = QTextFormat::UserProperty + 1;
constexpr int PropDesplazamiento = QTextFormat::UserProperty + 2;

QString aQt(const std::string &texto) { return QString::fromUtf8(texto.data(), qsizetype(texto.size())); }
std::string aUtf8(const QString &texto) { return texto.toUtf8().toStdString(); }

QString nombreDe(const QTextCharFormat &f)
{
    return f.hasProperty(PropNombre) ? f.stringProperty(PropNombre) : f.fontFamilies().toStringList().value(0);
}

int desplazamientoDe(const QTextCharFormat &f)
{
    return f.hasProperty(PropDesplazamiento) ? f.intProperty(PropDesplazamiento) : 0;
}

// A break opportunity of no width, which the line breaker takes before
// anything else in a polynomial's text (which otherwise has none and is
// broken anywhere, inside a number too).
constexpr QChar CorteTermino(0x200B);

// Code points of a text up to a UTF-16 index, break marks left out.
int puntosHasta(const QString &s, int indice)
{
    int n = 0;
    for (int i = 0; i < indice && i < s.size(); ++i) {
        if (s.at(i) == CorteTermino)
            continue;
        if (s.at(i).isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate())
            ++i;
        ++n;
    }
    return n;
}

// The text with a break mark before each sign that joins two terms: not
// the leading sign, nor the sign of a number's exponent ("1.5e-07").
QString ConCortes(const QString &texto)
{
    QString r;
    r.reserve(texto.size() + texto.size() / 4);
    for (int i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        const bool signo = c == QLatin1Char('+') || c == QLatin1Char('-');
        const bool exponente = i >= 2 && (texto.at(i - 1) == QLatin1Char('e') || texto.at(i - 1) == QLatin1Char('E'))
            && (texto.at(i - 2).isDigit() || texto.at(i - 2) == QLatin1Char('.'));
        if (signo && i > 0 && !exponente && texto.at(i - 1) != QLatin1Char('\n'))
            r += CorteTermino;
        r += c;
    }
    return r;
}

} // namespace

RichTextBox::RichTextBox(QWidget *parent)
    : QTextEdit(parent)
    , m_nombreFuente(QStringLiteral("Arial"))
    , m_puntosFuente(10)
{
    setAcceptRichText(false);
    setTabChangesFocus(true);
    document()->setDefaultFont(plataforma::FuentePrograma(m_nombreFuente, m_puntosFuente));
    setCurrentCharFormat(formatoBase());
    connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this, [this] {
        if (m_muestraPolinomio) {
            updateGeometry();
            ajustaVista();
        }
    });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int valor) {
        if (m_muestraPolinomio)
            alineaDesplazamiento(valor);
    });
}

// The blank around a polynomial's text: the view's margins rather than the
// document's, so that the view holds whole lines and nothing else.
constexpr int MargenPolinomio = 4;

void RichTextBox::SetMuestraPolinomio(bool si)
{
    m_muestraPolinomio = si;
    m_cortaEntreTerminos = si;
    setMinimumHeight(0);
    setMaximumHeight(QWIDGETSIZE_MAX);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(si ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    QSizePolicy politica = sizePolicy();
    // No taller than its lines; shorter only where the layout has no room.
    politica.setVerticalPolicy(si ? QSizePolicy::Maximum : QSizePolicy::Expanding);
    setSizePolicy(politica);
    document()->setDocumentMargin(si ? 0 : MargenPolinomio);
    if (si) {
        // The view's margins are the text's colour.
        QPalette paleta = palette();
        paleta.setBrush(QPalette::Window, paleta.brush(QPalette::Base));
        setPalette(paleta);
        setAutoFillBackground(true);
    }
    updateGeometry();
    ajustaVista();
}

int RichTextBox::altoTexto() const
{
    return int(std::ceil(document()->size().height())) + 2 * frameWidth() + 2 * MargenPolinomio;
}

QSize RichTextBox::sizeHint() const
{
    QSize tamano = QTextEdit::sizeHint();
    if (m_muestraPolinomio)
        tamano.setHeight(std::max(AltoMinimo, altoTexto()));
    return tamano;
}

QSize RichTextBox::minimumSizeHint() const
{
    QSize tamano = QTextEdit::minimumSizeHint();
    if (m_muestraPolinomio)
        tamano.setHeight(AltoMinimo);
    return tamano;
}

void RichTextBox::resizeEvent(QResizeEvent *evento)
{
    QTextEdit::resizeEvent(evento);
    ajustaVista();
}

// A text edit brings its caret into view when first shown; a polynomial
// written while its box was hidden leaves the caret at its end, and the
// box would open on its last line.
void RichTextBox::showEvent(QShowEvent *evento)
{
    const int valor = verticalScrollBar()->value();
    QTextEdit::showEvent(evento);
    if (m_muestraPolinomio)
        verticalScrollBar()->setValue(valor);
}

// The tops of the text's lines, which are the scroll positions that start
// the view at a line.
std::vector<int> RichTextBox::iniciosLineas() const
{
    std::vector<int> inicios;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
        const QTextLayout *l = b.layout();
        for (int i = 0; l && i < l->lineCount(); ++i)
            inicios.push_back(int(std::lround(l->position().y() + l->lineAt(i).y())));
    }
    return inicios;
}

// When the lines do not all fit, the view ends at the bottom of the last
// line that fits whole (the rest of the box stays blank) and steps by lines.
void RichTextBox::ajustaVista()
{
    if (!m_muestraPolinomio) {
        if (!viewportMargins().isNull())
            setViewportMargins(0, 0, 0, 0);
        return;
    }
    int sobra = 0;
    const int alto = height() - 2 * frameWidth() - 2 * MargenPolinomio;
    if (int(std::ceil(document()->size().height())) > alto) {
        int fondo = 0, paso = 0;
        for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
            const QTextLayout *l = b.layout();
            for (int i = 0; l && i < l->lineCount(); ++i) {
                const QTextLine linea = l->lineAt(i);
                const int abajo = int(std::ceil(l->position().y() + linea.y() + linea.height()));
                if (abajo <= alto)
                    fondo = std::max(fondo, abajo);
                if (paso == 0)
                    paso = int(std::ceil(linea.height()));
            }
        }
        if (fondo > 0)
            sobra = alto - fondo;
        if (paso > 0)
            verticalScrollBar()->setSingleStep(paso);
    }
    const QMargins margenes(MargenPolinomio, MargenPolinomio, MargenPolinomio, MargenPolinomio + sobra);
    if (viewportMargins() != margenes)
        setViewportMargins(margenes);
    alineaDesplazamiento(verticalScrollBar()->value());
}

// A scrolled view starts at a line.
void RichTextBox::alineaDesplazamiento(int valor)
{
    QScrollBar *barra = verticalScrollBar();
    if (m_alineando || valor <= 0 || valor >= barra->maximum())
        return;
    int mejor = valor, distancia = INT_MAX;
    for (int inicio : iniciosLineas()) {
        const int d = std::abs(inicio - valor);
        if (inicio <= barra->maximum() && d < distancia) {
            distancia = d;
            mejor = inicio;
        }
    }
    if (mejor != valor) {
        m_alineando = true;
        barra->setValue(mejor);
        m_alineando = false;
    }
}

// Code moving the caret of a polynomial's box leaves its view where it is.
void RichTextBox::poneCursor(const QTextCursor &c)
{
    if (!m_muestraPolinomio) {
        setTextCursor(c);
        return;
    }
    const int valor = verticalScrollBar()->value();
    setTextCursor(c);
    verticalScrollBar()->setValue(valor);
}

QTextCharFormat RichTextBox::formatoBase() const
{
    QTextCharFormat f;
    f.setFontFamilies({plataforma::FamiliaInstalada(m_nombreFuente)});
    f.setFontPointSize(m_puntosFuente);
    f.setProperty(PropNombre, m_nombreFuente);
    f.setProperty(PropDesplazamiento, 0);
    f.setBaselineOffset(0);
    return f;
}

void RichTextBox::SetFuente(const QString &nombre, double puntos)
{
    m_nombreFuente = nombre;
    m_puntosFuente = puntos;
    document()->setDefaultFont(plataforma::FuentePrograma(nombre, puntos));
    if (document()->isEmpty())
        setCurrentCharFormat(formatoBase());
}

void RichTextBox::SetLocked(bool bloqueada)
{
    setReadOnly(bloqueada);
    // Nothing is undone in a locked box: its rewrites by code keep no
    // history (a box rewritten at every visit would grow for good).
    setUndoRedoEnabled(!bloqueada);
    // A locked box can still be read with the keyboard, like the desktop box,
    // but shows no caret: nothing can be typed there.
    if (bloqueada)
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    else
        setTextInteractionFlags(Qt::TextEditorInteraction);
    setCursorWidth(bloqueada ? 0 : style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this));
}

void RichTextBox::SetRightMargin(int twips)
{
    m_margenDerecho = twips;
    if (twips > 0) {
        setLineWrapMode(QTextEdit::FixedPixelWidth);
        setLineWrapColumnOrWidth(plataforma::TwipsAPixeles(twips));
    } else {
        setLineWrapMode(QTextEdit::WidgetWidth);
    }
}

QString RichTextBox::textoVisible() const
{
    QString s = toPlainText();
    s.remove(CorteTermino);
    return s;
}

int RichTextBox::aDocumento(int pos) const
{
    const QString s = toPlainText();
    int i = 0;
    const auto saltaCortes = [&] {
        while (i < s.size() && s.at(i) == CorteTermino)
            ++i;
    };
    for (int n = 0; n < pos && i < s.size(); ++n) {
        saltaCortes();
        if (i >= s.size())
            break;
        if (s.at(i).isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate())
            ++i;
        ++i;
    }
    // A position before a break mark is the start of the term after it.
    saltaCortes();
    return i;
}

int RichTextBox::deDocumento(int pos) const
{
    return puntosHasta(toPlainText(), pos);
}

std::string RichTextBox::Text() const
{
    return aUtf8(textoVisible());
}

void RichTextBox::SetText(const std::string &texto)
{
    // A fresh document: text removed from one is kept in its buffer until
    // a great deal has piled up, and a box rewritten at every visit would
    // carry it all along.
    document()->clear();
    QTextCursor c(document());
    c.setBlockCharFormat(formatoBase());
    c.insertText(m_cortaEntreTerminos ? ConCortes(aQt(texto)) : aQt(texto), formatoBase());
    // The caret goes to the start, in the box's own format.
    c.setPosition(0);
    setTextCursor(c);
    verticalScrollBar()->setValue(0);
}

int RichTextBox::SelStart() const
{
    return deDocumento(textCursor().selectionStart());
}

void RichTextBox::SetSelStart(int pos)
{
    QTextCursor c = textCursor();
    const int largo = document()->characterCount() - 1;
    c.setPosition(std::clamp(aDocumento(std::max(pos, 0)), 0, largo));
    poneCursor(c);
}

int RichTextBox::SelLength() const
{
    const QTextCursor c = textCursor();
    return deDocumento(c.selectionEnd()) - deDocumento(c.selectionStart());
}

void RichTextBox::SetSelLength(int largo)
{
    QTextCursor c = textCursor();
    const int inicio = c.selectionStart();
    const int fin = std::min(aDocumento(deDocumento(inicio) + std::max(largo, 0)),
                             document()->characterCount() - 1);
    c.setPosition(inicio);
    c.setPosition(fin, QTextCursor::KeepAnchor);
    poneCursor(c);
}

std::string RichTextBox::SelText() const
{
    QString s = textCursor().selectedText();
    s.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    s.remove(CorteTermino);
    return aUtf8(s);
}

void RichTextBox::SetSelText(const std::string &texto)
{
    QTextCursor c = textCursor();
    c.insertText(aQt(texto));
    poneCursor(c);
}

// The format of the character at a document position (0-based).
static QTextCharFormat formatoEn(const QTextDocument *doc, int pos)
{
    const QTextBlock b = doc->findBlock(pos);
    for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        if (pos >= f.position() && pos < f.position() + f.length())
            return f.charFormat();
    }
    return b.charFormat();
}

// Calls leer on the format of every character of the selection (line breaks
// left out), or on the typing format when nothing is selected.
template<typename F>
static void recorreSeleccion(const QTextEdit *caja, F leer)
{
    const QTextCursor c = caja->textCursor();
    if (!c.hasSelection()) {
        leer(c.charFormat());
        return;
    }
    const QString s = caja->toPlainText();
    for (int p = c.selectionStart(); p < c.selectionEnd(); ++p) {
        if (p < s.size() && (s.at(p) == QLatin1Char('\n') || s.at(p).isLowSurrogate() || s.at(p) == CorteTermino))
            continue;
        leer(formatoEn(caja->document(), p));
    }
}

std::string RichTextBox::SelFontName() const
{
    QString nombre;
    bool primero = true, mixto = false;
    recorreSeleccion(this, [&](const QTextCharFormat &f) {
        const QString n = nombreDe(f);
        if (primero) { nombre = n; primero = false; }
        else if (n != nombre) mixto = true;
    });
    return mixto ? std::string() : aUtf8(nombre);
}

double RichTextBox::SelFontSize() const
{
    double tamano = 0;
    bool primero = true, mixto = false;
    recorreSeleccion(this, [&](const QTextCharFormat &f) {
        const double t = f.fontPointSize() > 0 ? f.fontPointSize() : m_puntosFuente;
        if (primero) { tamano = t; primero = false; }
        else if (t != tamano) mixto = true;
    });
    return mixto ? 0.0 : tamano;
}

int RichTextBox::SelCharOffset() const
{
    int desp = 0;
    bool primero = true, mixto = false;
    recorreSeleccion(this, [&](const QTextCharFormat &f) {
        const int d = desplazamientoDe(f);
        if (primero) { desp = d; primero = false; }
        else if (d != desp) mixto = true;
    });
    return mixto ? 0 : desp;
}

// Changes the typing format when nothing is selected, else each run of
// equally formatted characters of the selection in turn (each keeps its own
// size, which the drawn raise depends on).
template<typename F>
static void cambiaFormatos(QTextEdit *caja, F cambia)
{
    QTextCursor c = caja->textCursor();
    if (!c.hasSelection()) {
        QTextCharFormat f = c.charFormat();
        cambia(f);
        c.setCharFormat(f);
        caja->setTextCursor(c);
        return;
    }
    const int fin = c.selectionEnd();
    for (int p = c.selectionStart(); p < fin;) {
        QTextCharFormat f = formatoEn(caja->document(), p);
        int q = p + 1;
        while (q < fin && formatoEn(caja->document(), q) == f)
            ++q;
        cambia(f);
        QTextCursor tramo(caja->document());
        tramo.setPosition(p);
        tramo.setPosition(q, QTextCursor::KeepAnchor);
        tramo.setCharFormat(f);
        p = q;
    }
}

void RichTextBox::aplicaFormato(const QTextCharFormat &formato)
{
    cambiaFormatos(this, [&](QTextCharFormat &f) { f.merge(formato); });
}

// The drawn raise: the offset in twips as a share of the font's height.
static void fijaLineaBase(QTextCharFormat &f, double puntosDefecto)
{
    const int twips = f.hasProperty(PropDesplazamiento) ? f.intProperty(PropDesplazamiento) : 0;
    const double puntos = f.fontPointSize() > 0 ? f.fontPointSize() : puntosDefecto;
    QFont fuente(f.fontFamilies().toStringList().value(0));
    fuente.setPointSizeF(puntos);
    const double alto = QFontMetricsF(fuente).height() * 72.0 / QFontMetricsF(fuente).fontDpi();
    f.setBaselineOffset(alto > 0 ? (twips / 20.0) / alto * 100.0 : 0.0);
}

void RichTextBox::SetSelFontName(const std::string &nombre)
{
    const QString n = aQt(nombre);
    QTextCharFormat f;
    f.setProperty(PropNombre, n);
    f.setFontFamilies({plataforma::FamiliaInstalada(n)});
    aplicaFormato(f);
}

void RichTextBox::SetSelFontSize(double puntos)
{
    QTextCharFormat f;
    f.setFontPointSize(puntos);
    aplicaFormato(f);
    // Keep the raise the same in twips at the new size.
    recalculaLineaBase();
}

void RichTextBox::SetSelCharOffset(int twips)
{
    QTextCharFormat f;
    f.setProperty(PropDesplazamiento, twips);
    aplicaFormato(f);
    recalculaLineaBase();
}

void RichTextBox::EmpiezaCambios()
{
    m_cambios = QTextCursor(document());
    m_cambios.beginEditBlock();
}

void RichTextBox::TerminaCambios()
{
    m_cambios.endEditBlock();
    m_cambios = QTextCursor();
}

void RichTextBox::recalculaLineaBase()
{
    cambiaFormatos(this, [&](QTextCharFormat &f) { fijaLineaBase(f, m_puntosFuente); });
}

double RichTextBox::TamanoCaracter(int pos) const
{
    const QTextCharFormat f = formatoEn(document(), aDocumento(pos));
    return f.fontPointSize() > 0 ? f.fontPointSize() : m_puntosFuente;
}

int RichTextBox::DesplazamientoCaracter(int pos) const
{
    return desplazamientoDe(formatoEn(document(), aDocumento(pos)));
}

QString RichTextBox::FuenteCaracter(int pos) const
{
    return nombreDe(formatoEn(document(), aDocumento(pos)));
}
