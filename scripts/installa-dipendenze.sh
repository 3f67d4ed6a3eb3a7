#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when missing.
set -euo pipefail
pacchetti=(g++ cmake make qt6-base-dev qt6-svg-dev libboost-dev libgmp-dev libbenchmark-dev poppler-utils fonts-dejavu-core qt6-translations-l10n)
# Checking the installed desktop files and building the Debian package.
pacchetti+=(desktop-file-utils appstream libxml2-utils shared-mime-info dpkg-dev)
mancanti=()
for p in "${pacchetti[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || mancanti+=("$p")
done
[ ${#mancanti[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installazione dei pacchetti mancanti: ${mancanti[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${mancanti[@]}"
