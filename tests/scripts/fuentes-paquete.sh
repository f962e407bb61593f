#!/usr/bin/env bash
# The package check's sources are the bookworm binary entries of apt's own
# configuration, in both forms, whatever host they name: here a made-up apt
# folder, reached as apt reaches it (APT_CONFIG).
set -euo pipefail
script=$1
d=$(mktemp -d)
trap 'rm -rf "$d"' EXIT
mkdir -p "$d/sources.list.d" "$d/apt.conf.d"
cat > "$d/apt.conf" <<CONF
Dir::Etc "$d/";
Dir::Etc::sourcelist "sources.list";
Dir::Etc::sourceparts "sources.list.d";
CONF
cat > "$d/sources.list" <<'LISTA'
deb http://uno.example/debian bookworm main contrib # a comment
# deb http://comentada.example/debian bookworm main
deb-src http://uno.example/debian bookworm main
deb [arch=amd64 signed-by=/k.gpg] http://dos.example/d bookworm-security main
deb http://otro.example/node nodistro main
LISTA
cat > "$d/sources.list.d/x.sources" <<'DEB822'
Types: deb deb-src
URIs: http://apagada.example/d
Suites: bookworm trixie
Components: main
Enabled: no

Types: deb
# a comment inside a stanza
URIs: http://tres.example/d http://cuatro.example/d
Suites: bookworm-updates trixie
Components: main non-free
Signed-By: /usr/share/keyrings/k.gpg
DEB822
# apt reads only *.list and *.sources
echo 'deb http://ignorada.example/d bookworm main' > "$d/sources.list.d/y.list.disabled"

obtenido=$(APT_CONFIG="$d/apt.conf" "$script" --fuentes)
esperado='deb http://uno.example/debian bookworm main contrib
deb [arch=amd64 signed-by=/k.gpg] http://dos.example/d bookworm-security main
deb [signed-by=/usr/share/keyrings/k.gpg] http://tres.example/d bookworm-updates main non-free
deb [signed-by=/usr/share/keyrings/k.gpg] http://cuatro.example/d bookworm-updates main non-free'
if [ "$obtenido" != "$esperado" ]; then
  printf 'expected:\n%s\ngot:\n%s\n' "$esperado" "$obtenido"
  exit 1
fi
echo ok
