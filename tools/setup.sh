#!/usr/bin/env bash
# Installs every Debian package the project needs, the 32-bit part of Wine where the machine runs
# 32-bit code (the plug-in a person installs is i686), and the Chinese locale that Wine needs for code page 936. Idempotent and
# quiet when everything is already there.
#   --x86-64-only  leaves Wine's 32-bit half out: for what runs x86_64 programs alone (the demo,
#                  the package's pictures), which need not wait on an i386 index or warn of it.
set -euo pipefail
only_x86_64=0
case "${1:-}" in
  --x86-64-only) only_x86_64=1 ;;
  "") ;;
  *) echo "usage: tools/setup.sh [--x86-64-only]" >&2; exit 2 ;;
esac
. "$(dirname "$0")/machine-abi.sh"

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  googletest libgtest-dev libbenchmark-dev nlohmann-json3-dev libcli11-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64 mingw-w64-tools
  wine64 wine32:i386 xvfb xauth python3 x11-utils xdotool imagemagick fonts-arphic-uming fonts-wqy-zenhei locales
  strace
  # Wine's own fonts (Marlett draws the caption buttons, which show as letters without it); Wine
  # only recommends them, and recommendations are not installed.
  fonts-wine
)
# Wine's 32-bit half (about a hundred i386 packages) serves only a machine that runs 32-bit code;
# where the kernel refuses it, the win32 build's tests are skipped anyway (tools/test.sh).
if [ "$only_x86_64" = 1 ] || kernel_refuses_i386; then
  kept=()
  for p in "${packages[@]}"; do [ "$p" = wine32:i386 ] || kept+=("$p"); done
  packages=("${kept[@]}")
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# apt-get update, asked again while a mirror serves an index that does not match its Release file
# (it says "Mirror sync in progress?"; mirrors heal within minutes).  When it never succeeds, the
# first index it could not read and why are left in bad_index and bad_reason: the install may
# still succeed without that index, and if it does not, the last line says which one it was.
apt_log=$(mktemp)
trap 'rm -f "$apt_log"' EXIT
bad_index=""
bad_reason=""
apt_update() {
  local attempts=${VJD_APT_ATTEMPTS:-3} pause=${VJD_APT_PAUSE:-20} n line
  for n in $(seq "$attempts"); do
    as_root apt-get update -qq >"$apt_log" 2>&1 && { bad_index=""; return 0; }
    line=$(grep -m1 '^E: Failed to fetch ' "$apt_log" || true)
    bad_index=$(sed -E 's/^E: Failed to fetch ([^ ]+).*/\1/' <<<"$line")
    bad_reason=$(sed -E 's/^E: Failed to fetch [^ ]+ +//; s/ *\[IP:.*$//' <<<"$line")
    [ -n "$line" ] || bad_reason=$(grep -m1 '^E: ' "$apt_log" || echo "apt-get update failed")
    if [ "$n" -lt "$attempts" ]; then
      echo "setup: apt-get update failed (attempt $n of $attempts: ${bad_index:-} $bad_reason);" \
           "asking again in $pause s" >&2
      sleep "$pause"
    fi
  done
  echo "setup: apt-get update failed $attempts times; going on with the indexes it has" >&2
  return 1
}

# Wine's 32-bit half, when it cannot be installed while everything else can, is left out: the
# test command then reports the win32 build's tests as skipped with the reason this file holds,
# and the set-up's last line says which index failed and what to do.
wine32_note="$(dirname "$0")/../build/wine32-missing.txt"
[ "$only_x86_64" = 1 ] || rm -f "$wine32_note"  # the test command's set-up alone answers for it
wine32_missing=""

apt_install() {
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "$@" >/dev/null 2>"$apt_log"
}
why_not_installed() {
  if [ -n "$bad_index" ]; then
    echo "the package index $bad_index could not be read ($bad_reason), so apt cannot resolve it"
  else
    echo "apt-get could not install it: $(grep -m1 '^E: ' "$apt_log" || tail -n 1 "$apt_log")"
  fi
}
what_to_do() {
  if [ -n "$bad_index" ]; then
    echo "a mirror usually heals within minutes: run this again later, or point /etc/apt/sources.list at another mirror"
  else
    echo "apt-get install ${*:-wine32:i386} shows apt's whole answer"
  fi
}

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  # wine32:i386 runs the i686 programs (wine64 hands them to its 32-bit loader): Debian offers it
  # once the machine takes i386 packages, which the package lists then have to include.
  if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
  fi
  apt_update || true
  if ! apt_install "${missing[@]}"; then
    rest=()
    for p in "${missing[@]}"; do [ "$p" = wine32:i386 ] || rest+=("$p"); done
    if [ ${#rest[@]} -lt ${#missing[@]} ]; then
      # Wine's 32-bit half needs i386 builds of the very versions the machine runs, so one stale
      # i386 index stops it alone; everything else may still go in.
      wine32_missing=$(why_not_installed)
      if [ ${#rest[@]} -gt 0 ] && ! apt_install "${rest[@]}"; then
        tail -n 5 "$apt_log" >&2
        echo "setup: cannot install ${rest[*]}: $(why_not_installed); $(what_to_do "${rest[@]}")" >&2
        exit 1
      fi
    else
      tail -n 5 "$apt_log" >&2
      echo "setup: cannot install ${missing[*]}: $(why_not_installed); $(what_to_do "${missing[@]}")" >&2
      exit 1
    fi
  fi
fi
if [ -n "$wine32_missing" ]; then
  mkdir -p "$(dirname "$wine32_note")"
  echo "Wine's 32-bit half (wine32:i386) could not be installed: $wine32_missing" >"$wine32_note"
fi

# Wine reports code page 936 only under a generated Chinese locale.
if ! locale -a 2>/dev/null | grep -qiE '^zh_CN\.utf-?8$'; then
  echo "setup: generating the zh_CN.UTF-8 locale"
  as_root sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi

# Last, so that it is the last line: what was left out, why, and what to do.
if [ -n "$wine32_missing" ]; then
  echo "setup: wine32:i386 is not installed, so the i686 programs cannot run here and the win32" \
       "build's tests will be reported as skipped: $wine32_missing; $(what_to_do)" >&2
fi
