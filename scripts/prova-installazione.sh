#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop gets:
# the two programs (which must start), the entry, the icons, the .cv file type
# and the metainfo, each through its own validator. Then builds the Debian
# package and checks its file list and dependencies.
# Argument: the build folder (default build); it is built first if needed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/installa-dipendenze.sh
dir=${1:-build}
[ -f "$dir/CMakeCache.txt" ] || cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" -j2 --target curvello curvello-fit

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
pre=$tmp/prefisso
id=it.brivona.curvello
errori=0
errore() { echo "ERRORE: $*" >&2; errori=$((errori + 1)); }

cmake --install "$dir" --prefix "$pre" >/dev/null

# Every file in place.
attesi=(bin/curvello bin/curvello-fit share/applications/$id.desktop share/metainfo/$id.metainfo.xml
        share/mime/packages/curvello.xml share/icons/hicolor/scalable/apps/$id.svg)
for lato in 16 32 48 64 128 256; do attesi+=("share/icons/hicolor/${lato}x$lato/apps/$id.png"); done
for f in "${attesi[@]}"; do [ -s "$pre/$f" ] || errore "manca $f"; done
for f in curvello curvello-fit; do [ -x "$pre/bin/$f" ] || errore "bin/$f non eseguibile"; done

# Each PNG is as large as its folder says (width and height from the IHDR chunk).
for lato in 16 32 48 64 128 256; do
  f=$pre/share/icons/hicolor/${lato}x$lato/apps/$id.png
  [ -f "$f" ] || continue
  read -r a b c d e f_ g h < <(od -An -tu1 -j16 -N8 "$f")
  [ $(((a << 24) | (b << 16) | (c << 8) | d)) -eq "$lato" ] && [ $(((e << 24) | (f_ << 16) | (g << 8) | h)) -eq "$lato" ] ||
    errore "$f non è ${lato}x$lato"
done

# The validators.
desktop=$pre/share/applications/$id.desktop
desktop-file-validate "$desktop" || errore "desktop-file-validate"
grep -qx 'Exec=curvello %f' "$desktop" || errore "la voce non apre un file (Exec)"
grep -qx "Icon=$id" "$desktop" || errore "la voce non usa l'icona $id"
grep -qx 'MimeType=application/x-curvello;' "$desktop" || errore "la voce non dichiara i file .cv"
appstreamcli validate --no-net "$pre/share/metainfo/$id.metainfo.xml" || errore "appstreamcli validate"
xmllint --noout "$pre/share/mime/packages/curvello.xml" "$pre/share/icons/hicolor/scalable/apps/$id.svg" ||
  errore "xmllint"
XDG_DATA_DIRS=$pre/share update-mime-database "$pre/share/mime" || errore "update-mime-database"
grep -q '^50:application/x-curvello:\*\.cv$' "$pre/share/mime/globs2" 2>/dev/null ||
  errore "il tipo application/x-curvello non riconosce *.cv"

# The programs start from the prefix: the tool answers, the window stays up
# until timeout ends it (124), away from the user's settings.
"$pre/bin/curvello-fit" --help | grep -q '^Uso: curvello-fit' || errore "curvello-fit --help"
codice=0
XDG_CONFIG_HOME=$tmp/config QT_QPA_PLATFORM=offscreen timeout 3 "$pre/bin/curvello" 2>/dev/null || codice=$?
[ "$codice" -eq 124 ] || errore "curvello non resta aperto (uscito con $codice)"

# The Debian package: built from the same install, with its dependencies found.
if command -v dpkg-shlibdeps >/dev/null; then
  cpack --config "$dir/CPackConfig.cmake" -G DEB -B "$tmp/deb" >/dev/null || errore "cpack -G DEB"
  deb=$(ls "$tmp"/deb/curvello_*.deb 2>/dev/null | head -n1)
  if [ -n "$deb" ]; then
    elenco=$(dpkg-deb -c "$deb" | awk '{print $6}')
    for f in "${attesi[@]}"; do grep -qx "\./usr/$f" <<<"$elenco" || errore "il pacchetto non contiene /usr/$f"; done
    dipende=$(dpkg-deb -f "$deb" Depends)
    for p in libqt6widgets6 libqt6printsupport6 libgmp10; do
      grep -q "$p" <<<"$dipende" || errore "il pacchetto non dipende da $p"
    done
    echo "Pacchetto: $(basename "$deb")  Depends: $dipende"
  else
    errore "nessun pacchetto curvello_*.deb"
  fi
else
  echo "dpkg-shlibdeps assente: il pacchetto Debian non è costruito"
fi

if [ "$errori" -ne 0 ]; then
  echo "Installazione: $errori errori" >&2
  exit 1
fi
echo "Installazione: tutto a posto"
