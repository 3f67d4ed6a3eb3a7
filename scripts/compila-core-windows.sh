#!/usr/bin/env bash
# Cross-compiles every source of src/core for 64-bit Windows with MinGW-w64 (where long is
# 32 bits), warnings as errors: the core must build there as it does here. Compiles only.
set -euo pipefail
cd "$(dirname "$0")/.."
cxx=x86_64-w64-mingw32-g++
if ! dpkg-query -W -f='${Status}' g++-mingw-w64-x86-64-posix 2>/dev/null | grep -q 'install ok installed'; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installazione del pacchetto mancante: g++-mingw-w64-x86-64-posix"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends g++-mingw-w64-x86-64-posix
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# Only Boost from the host's headers: the rest of /usr/include is Linux's, not Windows'.
mkdir "$tmp/include"
ln -s /usr/include/boost "$tmp/include/boost"
shopt -s nullglob
sorgenti=(src/core/*.cpp)
[ ${#sorgenti[@]} -gt 0 ] || { echo "Nessun sorgente in src/core" >&2; exit 1; }
echo "Compilazione per Windows di ${#sorgenti[@]} sorgenti di src/core"
printf '%s\n' "${sorgenti[@]}" | xargs -P 2 -I{} sh -c \
  '"$1" -std=c++20 -Wall -Wextra -Wpedantic -Werror -O2 -ffp-contract=off -isystem "$2/include" -Isrc/core -c "$3" -o "$2/$(basename "$3").o"' \
  _ "$cxx" "$tmp" {} || { echo "La compilazione per Windows di src/core non è riuscita." >&2; exit 1; }
