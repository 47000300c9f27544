#!/usr/bin/env bash
# Installs the Debian packages named on the command line that are missing.
# A name ending in '?' is installed only where the distribution has it.
set -euo pipefail
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
missing=()
optional=()
for pkg in "$@"; do
  case "$pkg" in
    *\?) installed "${pkg%\?}" || optional+=("${pkg%\?}") ;;
    *) installed "$pkg" || missing+=("$pkg") ;;
  esac
done
[ ${#missing[@]} -eq 0 ] && [ ${#optional[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]} ${optional[*]}"
"${sudo_cmd[@]}" apt-get update -qq
for pkg in "${optional[@]}"; do
  if apt-cache show "$pkg" >/dev/null 2>&1; then missing+=("$pkg"); fi
done
[ ${#missing[@]} -eq 0 ] && exit 0
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
