#!/usr/bin/env python3
"""Spanish spell check of the texts the program shows that we wrote.

Checked, found afresh on every run:
  - every .html page under data/ (text, and the title and alt attributes);
  - every .txt table under data/ (message tables, support lists);
  - the help book's titles and keywords (data/**/*.qhp);
  - the texts of the windows: the string literals of the sources under app/
    and platform/ (captions, labels, option, button and tool tip texts,
    messages, the instruction paragraphs of app/modules/modTexto.cpp, what
    the assistant says).

Skipped by rule, not word by word:
  - mathematical notation: any word with a digit (2x, x2, 3ª), a single letter
    (x, P, n), a word written right against ( ^ _ or a prime (f(x), P'(x),
    x^n),
    and the text inside <sup>, <sub>, <code>, <kbd>, <var>, <samp>, <tt>,
    <style> and <script>;
  - the program's own names: the project and the names the build gives to the
    program and its libraries (read from the CMakeLists.txt files), and code
    identifiers written in the text (frmPolical, PoliActual, tema_1): a word
    with a capital after a small letter, or with an underscore;
  - file names, paths and addresses: a word joined by a dot, a slash or a
    backslash to another word (polinomio.html, apoyo\\signo.html, http://).

In a source file, a literal that is a name rather than a text is skipped:
one word all in small letters, or of at most four capitals (keys, states,
object names: "adios", "NEG"); one handed to a call that takes a name, a
font or a style sheet, or compared with ==, != or compare; and one of two or
more words none of which is Spanish (the credits' English lines). A "&"
before a letter marks a menu's access key and is dropped.

Beyond the dictionary, slips that are made of right words are reported too:
"por que" (por qué or porque), a yes/no answer "Si" on its own (Sí), a word
of capitals followed by small letters or a two- or three-letter word in
capitals before a word in small letters (ERRor, EL signo), a letter after
":", ";" or "," with no blank (Quorvane:Del), a word right after ")"
(p(x)con), and a "?" or "!" that no "¿" or "¡" opens, or the other way
round.

Words that the program keeps verbatim although a dictionary rejects them are
listed once, each with the place it comes from, in ortografia-permitidas.txt
beside this script.

Usage: ortografia.py SOURCE_DIR [FILE...]
With files, only those are checked (a page, a table or a .cpp of texts).
Exit status 0 when every word is known, 1 with the list of unknown words.
"""

import html.parser
import os
import re
import subprocess
import sys
import unicodedata
from pathlib import Path

DICCIONARIO = os.environ.get("QUORVANE_DICCIONARIO", "es_MX")
PERMITIDAS = Path(__file__).resolve().parent / "ortografia-permitidas.txt"

# Tags whose content is notation or code, not prose.
ETIQUETAS_NOTACION = {"sup", "sub", "code", "kbd", "var", "samp", "tt", "style", "script"}
ATRIBUTOS_TEXTO = {"title", "alt"}

PALABRA = re.compile(r"[\w]+", re.UNICODE)


def normaliza(texto):
    return unicodedata.normalize("NFC", texto)


class LectorHtml(html.parser.HTMLParser):
    """Collects (line, text) pieces of prose from an HTML page or a help project."""

    def __init__(self, xml=False):
        super().__init__(convert_charrefs=True)
        self.xml = xml
        self.piezas = []
        self.dentro = []

    def handle_starttag(self, tag, attrs):
        self._atributos(attrs)
        if tag in ETIQUETAS_NOTACION:
            self.dentro.append(tag)

    def handle_startendtag(self, tag, attrs):
        self._atributos(attrs)

    def handle_endtag(self, tag):
        if tag in self.dentro:
            while self.dentro and self.dentro.pop() != tag:
                pass

    def handle_data(self, data):
        if self.xml or self.dentro:
            return
        linea = self.getpos()[0]
        for i, trozo in enumerate(data.split("\n")):
            self.piezas.append((linea + i, trozo))

    def _atributos(self, attrs):
        linea = self.getpos()[0]
        for nombre, valor in attrs:
            if valor and (nombre in ATRIBUTOS_TEXTO or (self.xml and nombre == "name")):
                self.piezas.append((linea, valor))


def piezas_html(ruta, xml=False):
    lector = LectorHtml(xml)
    lector.feed(ruta.read_text(encoding="utf-8"))
    lector.close()
    return lector.piezas


def piezas_tabla(ruta):
    texto = ruta.read_text(encoding="utf-8")
    return list(enumerate(texto.split("\n"), start=1))


# A preprocessor line, a comment, a character literal or a string literal
# (group 1 its text).
FICHA_CPP = re.compile(r'^[ \t]*#[^\n]*|//[^\n]*|/\*.*?\*/|' + r"'(?:[^'\\\n]|\\.)*'"
                       + r'|"((?:[^"\\\n]|\\.)*)"', re.S | re.M)


# A literal that is a key, a state or an object name rather than a text.
NOMBRE_SUELTO = re.compile(r"[a-z0-9_.%:/-]+|[A-Z]{1,4}|[A-Za-z]\w*%\d+")
# Calls whose literal is a name, a font, a style sheet or a message for the
# developer (an exception's); a comparison.
LLAMADA_NOMBRE = re.compile(
    r"(?:\b(?:setObjectName|findChild(?:ren)?(?:<[^>]*>)?|setProperty|property|setFamily|FontName|"
    r"SetSelFontName|QFont|setStyleSheet|actua|\w+_Click|boton|compare|load|addToolBar|"
    r"\w+_(?:error|range|argument))\s*\(|[!=]=)\s*"
    r"(?:(?:QStringLiteral|QLatin1String|QString|Q)\s*\(\s*)?$")
MARCADO = re.compile(r"</?[A-Za-z][^<>]*>")
ACCESO = re.compile(r"&(?=[^\W\d_])(?![A-Za-z]+;)")


def piezas_cpp(ruta):
    """String literals (comments are not shown to anyone); literals that
    follow each other with nothing between are one text. Each piece is
    (line, text, cuts), cuts the (offset, line) where each literal starts."""
    texto = ruta.read_text(encoding="utf-8")
    piezas = []
    fin_anterior = None
    for m in FICHA_CPP.finditer(texto):
        if m.group(1) is None:
            fin_anterior = None
            continue
        valor = m.group(1).replace("\\n", "\n").replace('\\"', '"').replace("\\\\", "\\")
        valor = MARCADO.sub(" ", ACCESO.sub("", valor))
        linea = texto.count("\n", 0, m.start()) + 1
        if fin_anterior is not None and not texto[fin_anterior:m.start()].strip():
            anterior = piezas[-1]
            anterior[2].append((len(anterior[1]), linea))
            piezas[-1] = (anterior[0], anterior[1] + valor, anterior[2], anterior[3])
        else:
            inicio_linea = texto.rfind("\n", 0, m.start()) + 1
            piezas.append((linea, valor, [(0, linea)], texto[inicio_linea:m.start()]))
        fin_anterior = m.end()
    return [(linea, valor, cortes) for linea, valor, cortes, antes in piezas
            if not NOMBRE_SUELTO.fullmatch(valor) and not LLAMADA_NOMBRE.search(antes)]


def nombres_programa(fuente):
    """The project's name and the names of the program and its libraries."""
    nombres = set()
    patron = re.compile(r"\b(?:project|add_executable|add_library)\s*\(\s*([A-Za-z][\w-]*)", re.I)
    for carpeta, subcarpetas, archivos in os.walk(fuente):
        # Build folders and hidden ones hold no names of our own; the targets
        # of the tests, benchmarks and fuzzers are named after what they try
        # (bench_raices), not names the program shows.
        if carpeta == str(fuente):
            subcarpetas[:] = [c for c in subcarpetas if c not in ("tests", "bench", "fuzz")]
        subcarpetas[:] = [c for c in subcarpetas if not c.startswith(("build", "."))]
        if "CMakeLists.txt" not in archivos:
            continue
        texto = Path(carpeta, "CMakeLists.txt").read_text(encoding="utf-8", errors="replace")
        for m in patron.finditer(texto):
            for parte in re.split(r"[_-]", m.group(1)):
                if len(parte) > 2:
                    nombres.add(parte.lower())
    return nombres


def es_notacion_o_nombre(palabra, antes, despues, nombres):
    """antes and despues are the two characters around the word (fewer at an end)."""
    a1, a2 = antes[-1:] or " ", antes[-2:-1] or " "
    d1, d2 = despues[:1] or " ", despues[1:2] or " "
    if any(c.isdigit() or c in "ⁿ⁰¹²³⁴⁵⁶⁷⁸⁹" for c in palabra) or "_" in palabra:
        return True
    if len(palabra) == 1:
        return True
    if d1 in "(^_" or a1 in "^_":
        return True
    # Primes (P'(x), f''(x)); a word between single quotes is still checked.
    if (d1 in "'′″" and d2 in "('′″") or (a1 in "'′″" and a2.isalnum()):
        return True
    # A sign written against a word: +inf, -inf (a hyphen between words is not).
    if a1 in "+-−±" and not a2.isalnum():
        return True
    # File names and paths: joined by a dot or a slash to a letter.
    if a1 in "/\\" or d1 in "/\\":
        return True
    if (a1 == "." and a2.isalnum()) or (d1 == "." and d2.isalnum()):
        return True
    if d1 == ":" and d2 == "/":  # http://
        return True
    # Code identifiers: a capital after a small letter (frmPolical, PoliActual).
    if re.search(r"[a-záéíóúñ][A-ZÁÉÍÓÚÑ]", palabra):
        return True
    return palabra.lower() in nombres


def linea_en(pieza, desde):
    """The line of the character at offset desde of a piece."""
    linea = pieza[0]
    for corte, l in (pieza[2] if len(pieza) > 2 else ()):
        if corte <= desde:
            linea = l
    return linea


def palabras(pieza, nombres):
    """(line, word) of every word of a piece that is not skipped by rule."""
    texto = normaliza(pieza[1])
    for m in PALABRA.finditer(texto):
        palabra = m.group(0)
        antes = texto[max(0, m.start() - 2):m.start()]
        despues = texto[m.end():m.end() + 2]
        if not es_notacion_o_nombre(palabra, antes, despues, nombres):
            yield linea_en(pieza, m.start()), palabra


LETRA = r"[^\W\d_]"
MAYUSCULAS_Y_MINUSCULAS = re.compile(r"[A-ZÁÉÍÓÚÑ]{2,}[a-záéíóúñ]+")
DESLICES = [
    # por qué (a question) or porque (a cause), never two bare words.
    re.compile(r"\b[Pp]or que\b"),
    # EL signo: a short word in capitals before small letters.
    re.compile(r"\b[A-ZÁÉÍÓÚÑ]{2,3} [a-záéíóúñ]{2,}\b"),
    # Quorvane:Del, a,b: no blank after the mark.
    re.compile(r"\b" + LETRA + r"+[:;,]" + LETRA + r"+\b"),
    # p(x)con: a word right after a closing parenthesis.
    re.compile(r"\S*\)" + LETRA + r"{2,}\b"),
]


def deslices(pieza, es_codigo):
    """(line, text) of the slips of a piece that every word of is right."""
    texto = normaliza(pieza[1])
    if es_codigo and texto.strip() == "Si":
        yield pieza[0], "Si"
    for patron in DESLICES:
        for m in patron.finditer(texto):
            yield linea_en(pieza, m.start()), m.group(0)
    # A question or an exclamation opens with ¿ or ¡ and closes with ? or !.
    # A piece may hold only part of a sentence (a literal before a value):
    # a mark is missing only where the sentence is wholly in the piece.
    for cierra, abre in (("?", "¿"), ("!", "¡")):
        abierta, inicio = None, 0
        for i, c in enumerate(texto):
            if c == abre:
                abierta = i
            elif c == cierra:
                if abierta is None and re.search(LETRA, texto[inicio:i]):
                    ultima = max(texto.rfind(" ", 0, i - 1), texto.rfind("\n", 0, i - 1)) + 1
                    yield linea_en(pieza, i), texto[ultima:i + 1]
                abierta, inicio = None, i + 1
            elif c == "\n" or (c in ".:" and re.match(r"$|\n| [¿¡A-ZÁÉÍÓÚÑ]", texto[i + 1:i + 3])):
                if abierta is not None:
                    yield linea_en(pieza, abierta), texto[abierta:i + 1]
                abierta, inicio = None, i + 1


def lee_permitidas():
    permitidas = {}
    for n, linea in enumerate(PERMITIDAS.read_text(encoding="utf-8").split("\n"), start=1):
        linea = linea.strip()
        if not linea or linea.startswith("#"):
            continue
        palabra, _, origen = linea.partition("#")
        palabra = normaliza(palabra.strip())
        if not palabra or " " in palabra or not origen.strip():
            sys.exit(f"{PERMITIDAS}:{n}: each line is a word, '#' and where it comes from")
        permitidas[palabra] = origen.strip()
    return permitidas


def hunspell(unicas):
    """The words of unicas that the dictionary does not know."""
    if not unicas:
        return set()
    try:
        proceso = subprocess.run(
            ["hunspell", "-d", DICCIONARIO, "-i", "utf-8", "-l"],
            input="\n".join(unicas) + "\n",
            capture_output=True,
            text=True,
            encoding="utf-8",
        )
    except FileNotFoundError:
        sys.exit("hunspell is not installed (scripts/setup.sh installs it with hunspell-es)")
    if proceso.returncode != 0 or "Can't open affix or dic" in proceso.stderr:
        sys.exit(f"hunspell -d {DICCIONARIO} failed: {proceso.stderr.strip()}")
    return set(proceso.stdout.split())


CLITICO = re.compile(r"^(.*?)((?:me|te|se|nos|os)?(?:lo|la|los|las|le|les|me|te|se|nos))$")
SIN_ACENTO = str.maketrans("áéíóú", "aeiou")


def bases(palabra):
    """Forms the dictionary may know in place of a regular derived word:
    an adverb in -mente (geométricamente: geométrica), a formal imperative
    with its pronouns joined (escríbalos, dedúzcalo: escriba, deduzca)."""
    minus = palabra.lower()
    if minus.endswith("mente") and len(minus) > 8:
        yield minus[:-5]
    m = CLITICO.match(minus)
    if m and len(m.group(1)) > 2 and any(c in "áéíóú" for c in m.group(1)):
        yield m.group(1).translate(SIN_ACENTO)


def desconocidas(todas):
    """The words the dictionary does not know, neither as written nor as a
    regular derivation of a word it knows."""
    malas = hunspell(sorted(set(todas)))
    candidatas = {p: list(bases(p)) for p in malas}
    malas_base = hunspell(sorted({b for bs in candidatas.values() for b in bs}))
    return {p for p, bs in candidatas.items() if not any(b not in malas_base for b in bs)}


def archivos_por_revisar(fuente):
    datos = fuente / "data"
    archivos = []
    for ruta in sorted(datos.rglob("*")):
        if not ruta.is_file():
            continue
        ext = ruta.suffix.lower()
        if ruta.name == "CMakeLists.txt":
            continue
        if ext in (".html", ".htm", ".txt", ".qhp"):
            archivos.append(ruta)
    for carpeta in ("app", "platform"):
        archivos += sorted(r for r in (fuente / carpeta).rglob("*") if r.suffix in (".cpp", ".h"))
    return archivos


def piezas_de(ruta):
    ext = ruta.suffix.lower()
    if ext in (".html", ".htm"):
        return piezas_html(ruta)
    if ext == ".qhp":
        return piezas_html(ruta, xml=True)
    if ext in (".cpp", ".h"):
        return piezas_cpp(ruta)
    return piezas_tabla(ruta)


def main(argv):
    if len(argv) < 2:
        sys.exit(__doc__)
    fuente = Path(argv[1]).resolve()
    archivos = [Path(a).resolve() for a in argv[2:]] or archivos_por_revisar(fuente)
    nombres = nombres_programa(fuente)
    permitidas = lee_permitidas()

    hallazgos, tropiezos, literales = [], [], []
    for ruta in archivos:
        es_codigo = ruta.suffix.lower() in (".cpp", ".h")
        for pieza in piezas_de(ruta):
            propias = [(ruta, l, p) for l, p in palabras(pieza, nombres)]
            hallazgos += propias
            if es_codigo:
                literales.append(propias)
            tropiezos += [(ruta, l, d) for l, d in deslices(pieza, es_codigo)]
    # As in a dictionary, a word listed in small letters may also start with a
    # capital or be all capitals; one listed with capitals is taken as written.
    def permitida(p):
        return p in permitidas or p.lower() in permitidas

    malas = desconocidas(p for _, _, p in hallazgos if not permitida(p))
    # A literal of two or more words none of which is Spanish is not a text
    # of ours to check (the credits' English lines, a style sheet).
    ajenas = set()
    for propias in literales:
        if len(propias) >= 2 and all(p in malas for _, _, p in propias):
            ajenas.update(id(h) for h in propias)
    hallazgos = [h for h in hallazgos if id(h) not in ajenas]
    fallas = [(r, l, p) for r, l, p in hallazgos if p in malas]
    desconocidas_n = len(fallas)
    # ERRor: capitals then small letters in one word.
    tropiezos += [(r, l, p) for r, l, p in hallazgos if MAYUSCULAS_Y_MINUSCULAS.fullmatch(p)]
    fallas += [(r, l, d) for r, l, d in tropiezos if not permitida(d)]
    fallas.sort(key=lambda f: (str(f[0]), f[1]))
    usadas = {p for _, _, p in hallazgos if permitida(p)}
    for ruta, linea, palabra in fallas:
        try:
            nombre = ruta.relative_to(fuente)
        except ValueError:
            nombre = ruta
        print(f"{nombre}:{linea}: {palabra}")
    paginas = sum(1 for r in archivos if r.suffix.lower() in (".html", ".htm"))
    print(f"{len(archivos)} files ({paginas} pages), {len(hallazgos)} words, "
          f"{len(usadas)} on the allow-list, {desconocidas_n} unknown, "
          f"{len(fallas) - desconocidas_n} slips "
          f"(dictionary {DICCIONARIO})")
    return 1 if fallas else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
