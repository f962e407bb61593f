#!/usr/bin/env bash
# Builds the Debian package and checks it the way a user would:
#   1. builds the program and makes quorvane_<version>_<arch>.deb with cpack;
#   2. lintian: an error fails the check, and so does a warning that is not
#      in the list of kept warnings below;
#   3. makes a fresh Debian 12 root (mmdebstrap, minbase) from the package
#      sources this machine's apt already uses, and installs the package there
#      with apt-get install ./….deb, which pulls the runtime dependencies from
#      those sources;
#   4. runs the installed program in that root as a plain user under Xvfb with
#      a window manager, waits for its main window, reads its caption and keeps
#      a screenshot.
# Needs root (the fresh root is made with chroot) and the network (the
# machine's package sources); takes a few minutes. Not part of test.sh.
#
#   scripts/comprueba-paquete.sh            # results in build/comprobacion-paquete/
#   scripts/comprueba-paquete.sh --fuentes  # only lists the sources it would use
#
# The sources of the fresh root are the entries for Debian 12 (bookworm and its
# -updates and -security suites) where apt reads its own: /etc/apt/sources.list
# and /etc/apt/sources.list.d/*.list and *.sources (as apt-config gives them),
# both the one-line and the deb822 form; the check stops when there are none.
#
# Environment: QUORVANE_BUILD (build folder, default build/), CONSERVA_RAIZ=1
# keeps the fresh root for a look afterwards.
set -euo pipefail

# Lintian warnings kept, each with why:
#   no-manual-page  the program is a desktop application started from the
#                   menu; it takes no arguments and prints nothing, so a
#                   manual page would have nothing to say.
avisos_aceptados=(no-manual-page)

raiz_fuente=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export QUORVANE_BUILD=${QUORVANE_BUILD:-$raiz_fuente/build}
salida=$QUORVANE_BUILD/comprobacion-paquete
suite=bookworm

paso() { printf '\n=== %s\n' "$*"; }
falla() { printf '\nFALLA: %s\n' "$*" >&2; exit 1; }

# ---------------------------------------------------------------- package sources
# Prints, one a line in the one-line form ("deb [options] URI suite
# components"), the binary entries of the machine's apt configuration whose
# suite is $suite or one of its -updates, -security suites. Disabled deb822
# stanzas and deb-src entries are left out.
fuentes_de_la_maquina() {
  local f lista partes
  # Where apt itself reads its sources (APT_CONFIG may point elsewhere).
  eval "$(apt-config shell lista Dir::Etc::sourcelist/f partes Dir::Etc::sourceparts/d)"
  for f in "$lista" "${partes%/}"/*.list; do
    [ -f "$f" ] || continue
    sed -e 's/#.*//' "$f" | awk -v suite="$suite" '
      $1 != "deb" { next }
      {
        i = 2
        if ($2 ~ /^\[/) { while (i <= NF && $i !~ /\]$/) i++; i++ }
        s = $(i + 1)
        if (s == suite || s == suite "-updates" || s == suite "-security") { sub(/[ \t]+$/, ""); print }
      }'
  done
  for f in "${partes%/}"/*.sources; do
    [ -f "$f" ] || continue
    awk -v suite="$suite" '
      function estrofa(   n, m, u, s, i, j, opciones) {
        if (tipos ~ /(^| )deb( |$)/ && tolower(activa) != "no") {
          opciones = firma != "" ? "[signed-by=" firma "] " : ""
          n = split(uris, u, " "); m = split(suites, s, " ")
          for (i = 1; i <= n; i++)
            for (j = 1; j <= m; j++)
              if (s[j] == suite || s[j] == suite "-updates" || s[j] == suite "-security")
                print "deb " opciones u[i] " " s[j] " " componentes
        }
        tipos = uris = suites = componentes = firma = activa = ""
      }
      /^[[:space:]]*#/ { next }
      /^[[:space:]]*$/ { estrofa(); next }
      {
        campo = tolower($1); sub(/:$/, "", campo)
        valor = $0; sub(/^[^:]*:[[:space:]]*/, "", valor)
        if (campo == "types") tipos = valor
        else if (campo == "uris") uris = valor
        else if (campo == "suites") suites = valor
        else if (campo == "components") componentes = valor
        else if (campo == "signed-by") firma = valor
        else if (campo == "enabled") activa = valor
      }
      END { estrofa() }' "$f"
  done
}

if [ "${1:-}" = "--fuentes" ]; then
  fuentes_de_la_maquina
  exit 0
fi

[ "$(id -u)" -eq 0 ] || falla "run as root: the fresh root is made and entered with chroot"

# ---------------------------------------------------------------- inside the fresh root
# Runs on the host from mmdebstrap's customize hook, with the root's path; the
# hook has /proc, /sys and /dev mounted in the root and takes them down after.
dentro() {
  local r=$1 nombre
  nombre=$(basename "$DEB")
  paso "apt-get install ./$nombre in the fresh root"
  cp "$DEB" "$r/tmp/"
  chroot "$r" sh -c "cd /tmp && DEBIAN_FRONTEND=noninteractive apt-get install -y ./$nombre"

  paso "Installed"
  chroot "$r" dpkg-query -W -f='${Package} ${Version} ${Status}\n' quorvane
  chroot "$r" sh -c 'command -v zeltrano && ls /usr/share/applications /usr/share/icons/hicolor/scalable/apps /usr/share/quorvane/texto/Quorvane.qch'
  chroot "$r" ldd /usr/bin/zeltrano > "$SALIDA/ldd.txt"
  grep quorvane "$SALIDA/ldd.txt"
  if grep -q 'not found' "$SALIDA/ldd.txt"; then
    grep 'not found' "$SALIDA/ldd.txt"
    falla "libraries not found"
  fi

  paso "Tools of the run (not the package's dependencies): Xvfb, a window manager, xdotool, xwd"
  if ! chroot "$r" sh -c 'DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends xvfb xauth xdotool x11-apps openbox' \
       >"$SALIDA/herramientas.txt" 2>&1; then
    cat "$SALIDA/herramientas.txt"
    falla "the tools of the run did not install"
  fi
  grep 'newly installed' "$SALIDA/herramientas.txt"

  paso "Running zeltrano in the fresh root as a plain user, under Xvfb"
  chroot "$r" useradd -m alumno
  mkdir -p -m 1777 "$r/tmp/.X11-unix"
  cat > "$r/tmp/corre.sh" <<'CORRE'
set -u
export XDG_RUNTIME_DIR=/tmp/runtime-alumno
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
Xvfb :7 -screen 0 1280x800x24 -nolisten tcp >/tmp/xvfb.log 2>&1 & xvfb=$!
for i in $(seq 50); do [ -e /tmp/.X11-unix/X7 ] && break; sleep 0.2; done
export DISPLAY=:7
openbox >/dev/null 2>&1 & wm=$!
sleep 1
zeltrano >/tmp/zeltrano.log 2>&1 & programa=$!
ventanas=""
for i in $(seq 60); do
  ventanas=$(xdotool search --onlyvisible --classname zeltrano 2>/dev/null) && break
  sleep 1
done
sleep 3
xwd -root -silent >/tmp/portada.xwd
# The cover opens over the main window with its "Cancelar" button focused.
xdotool key space
sleep 2
xwd -root -silent >/tmp/principal.xwd
principal="" mayor=0
for w in $(xdotool search --onlyvisible --classname zeltrano 2>/dev/null); do
  eval "$(xdotool getwindowgeometry --shell "$w")"
  echo "window $w ${WIDTH}x${HEIGHT}: \"$(xdotool getwindowname "$w")\""
  if [ $((WIDTH * HEIGHT)) -gt "$mayor" ]; then mayor=$((WIDTH * HEIGHT)); principal=$w; fi
done
if kill -0 $programa 2>/dev/null && [ -n "$principal" ]; then
  echo "OK: main window $principal, caption \"$(xdotool getwindowname "$principal")\"" >/tmp/resultado
else
  echo "FAILED: no window of zeltrano (running: $(kill -0 $programa 2>/dev/null && echo yes || echo no))" >/tmp/resultado
fi
kill $programa $wm 2>/dev/null; wait $programa $wm 2>/dev/null
kill $xvfb; wait $xvfb 2>/dev/null
exit 0
CORRE
  chroot "$r" runuser -u alumno -- env -i HOME=/home/alumno LANG=C.UTF-8 \
    PATH=/usr/local/bin:/usr/bin:/bin sh /tmp/corre.sh | tee "$SALIDA/ventanas.txt"
  cp "$r/tmp/resultado" "$r/tmp/zeltrano.log" "$SALIDA/" 2>/dev/null || true
  for f in portada principal; do
    [ -f "$r/tmp/$f.xwd" ] && convert "xwd:$r/tmp/$f.xwd" "$SALIDA/$f.png"
  done
  echo "screenshots: $SALIDA/portada.png (the cover over the main window), $SALIDA/principal.png"
}

if [ "${1:-}" = "--dentro" ]; then
  dentro "$2"
  exit 0
fi

# ---------------------------------------------------------------- package
paso "Building the program and the package"
# setup.sh installs what the build needs and, with them, the check's own tools.
export QUORVANE_PAQUETES_EXTRA="dpkg-dev lintian mmdebstrap imagemagick"
# shellcheck source=setup.sh
source "$raiz_fuente/scripts/setup.sh"
# The package takes the data folder from the build's copy, which keeps a file
# that was removed from data/; copy it afresh so the package holds what data/ does.
rm -rf "$QUORVANE_BUILD/bin/data" "$QUORVANE_BUILD/data/datos-copiados.stamp"
cmake --build "$QUORVANE_BUILD"
rm -f "$QUORVANE_BUILD"/quorvane_*.deb
(cd "$QUORVANE_BUILD" && cpack -G DEB)
debs=("$QUORVANE_BUILD"/quorvane_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || falla "cpack made no package"
deb=${debs[0]}
rm -rf "$salida"
mkdir -p "$salida"

paso "Package"
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes ($(du -h "$deb" | cut -f1)), installed size $(dpkg-deb -f "$deb" Installed-Size) KiB"
dpkg-deb -f "$deb" Package Version Section Depends
dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '^\./usr/share/quorvane/.' | grep -v '/$'
echo "… and $(dpkg-deb -c "$deb" | grep -c '^-.*\./usr/share/quorvane/') files of the data folder ./usr/share/quorvane/"

# ---------------------------------------------------------------- lintian
paso "lintian"
lintian --tag-display-limit 0 "$deb" | tee "$salida/lintian.txt" || true
errores=$(grep -c '^E: ' "$salida/lintian.txt" || true)
inesperados=()
while read -r etiqueta; do
  [ -n "$etiqueta" ] || continue
  aceptado=0
  for a in "${avisos_aceptados[@]}"; do [ "$a" = "$etiqueta" ] && aceptado=1; done
  [ $aceptado -eq 1 ] || inesperados+=("$etiqueta")
done < <(sed -n 's/^W: [^:]*: \([^ ]*\).*/\1/p' "$salida/lintian.txt" | sort -u)
echo "lintian: $errores errors, $(grep -c '^W: ' "$salida/lintian.txt" || true) warnings (kept: ${avisos_aceptados[*]})"
[ "$errores" -eq 0 ] || falla "lintian reports errors"
[ ${#inesperados[@]} -eq 0 ] || falla "lintian warnings not in the kept list: ${inesperados[*]}"

# ---------------------------------------------------------------- fresh root
raiz=$(mktemp -d /tmp/quorvane-raiz.XXXXXX)
rmdir "$raiz"
limpia() { [ "${CONSERVA_RAIZ:-0}" = 1 ] || rm -rf --one-file-system "$raiz"; }
trap limpia EXIT
paso "Fresh Debian 12 root ($suite, minbase) in $raiz"
mapfile -t fuentes < <(fuentes_de_la_maquina)
[ ${#fuentes[@]} -gt 0 ] || falla "no $suite entries in /etc/apt/sources.list or /etc/apt/sources.list.d/"
printf 'source: %s\n' "${fuentes[@]}"
SALIDA="$salida" DEB="$deb" mmdebstrap --variant=minbase --mode=root \
  --customize-hook="\"$raiz_fuente/scripts/comprueba-paquete.sh\" --dentro \"\$1\"" \
  "$suite" "$raiz" "${fuentes[@]}"
[ -f "$salida/resultado" ] || falla "the run in the fresh root did not finish"
cat "$salida/resultado"
grep -q '^OK' "$salida/resultado" || falla "the installed program did not reach its main window"
if [ "${CONSERVA_RAIZ:-0}" = 1 ]; then echo "fresh root kept in $raiz"; fi
echo "Package checked: $(basename "$deb")"
