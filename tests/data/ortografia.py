#!/usr/bin/env python3
"""Spanish spell check of the texts the program shows that we wrote.

Checked, found afresh on every run:
  - every .html page under data/ (text, and the title and alt attributes);
  - every .txt table under data/ (message tables, support lists);
  - the help book's titles and keywords (data/**/*.qhp);
  - the instruction paragraphs: the string literals of app/modules/modTexto.cpp.

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


# A comment, a character literal or a string literal (group 1 its text).
FICHA_CPP = re.compile(r'//[^\n]*|/\*.*?\*/|' + r"'(?:[^'\\\n]|\\.)*'" + r'|"((?:[^"\\\n]|\\.)*)"', re.S)


def piezas_cpp(ruta):
    """String literals, each with the line it is on (comments are not shown to anyone)."""
    texto = ruta.read_text(encoding="utf-8")
    piezas = []
    for m in FICHA_CPP.finditer(texto):
        if m.group(1) is not None:
            valor = m.group(1).replace("\\n", "\n").replace('\\"', '"').replace("\\\\", "\\")
            piezas.append((texto.count("\n", 0, m.start()) + 1, valor))
    return piezas


def nombres_programa(fuente):
    """The project's name and the names of the program and its libraries."""
    nombres = set()
    patron = re.compile(r"\b(?:project|add_executable|add_library)\s*\(\s*([A-Za-z][\w-]*)", re.I)
    for carpeta, subcarpetas, archivos in os.walk(fuente):
        # Build folders and hidden ones hold no names of our own.
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
    if any(c.isdigit() for c in palabra) or "_" in palabra:
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


def palabras(piezas, nombres):
    """(line, word) of every word of the pieces that is not skipped by rule."""
    for linea, texto in piezas:
        texto = normaliza(texto)
        for m in PALABRA.finditer(texto):
            palabra = m.group(0)
            antes = texto[max(0, m.start() - 2):m.start()]
            despues = texto[m.end():m.end() + 2]
            if not es_notacion_o_nombre(palabra, antes, despues, nombres):
                yield linea, palabra


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
    archivos.append(fuente / "app" / "modules" / "modTexto.cpp")
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

    hallazgos = []
    for ruta in archivos:
        for linea, palabra in palabras(piezas_de(ruta), nombres):
            hallazgos.append((ruta, linea, palabra))
    # As in a dictionary, a word listed in small letters may also start with a
    # capital or be all capitals; one listed with capitals is taken as written.
    def permitida(p):
        return p in permitidas or p.lower() in permitidas

    malas = desconocidas(p for _, _, p in hallazgos if not permitida(p))
    fallas = [(r, l, p) for r, l, p in hallazgos if p in malas]
    usadas = {p for _, _, p in hallazgos if permitida(p)}
    for ruta, linea, palabra in fallas:
        try:
            nombre = ruta.relative_to(fuente)
        except ValueError:
            nombre = ruta
        print(f"{nombre}:{linea}: {palabra}")
    paginas = sum(1 for r in archivos if r.suffix.lower() in (".html", ".htm"))
    print(f"{len(archivos)} files ({paginas} pages), {len(hallazgos)} words, "
          f"{len(usadas)} on the allow-list, {len(fallas)} unknown "
          f"(dictionary {DICCIONARIO})")
    return 1 if fallas else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
