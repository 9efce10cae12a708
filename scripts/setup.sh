#!/usr/bin/env bash
# Installs, when missing, everything the builds and the tests need on Debian 12.
# Idempotent: a machine that has it all gets through in a second.
set -euo pipefail

need_root() {
  if [ "$(id -u)" != 0 ]; then
    echo "setup.sh: run as root (it installs Debian packages)" >&2
    exit 1
  fi
}

packages=(
  cmake make g++ clang libclang-rt-14-dev g++-mingw-w64-i686
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  wine wine32:i386 wine64 xvfb xdotool x11-utils imagemagick
  locales fonts-ipafont-gothic fonts-wine attr python3 python3-xlib bc tmux
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed' || missing+=("$p")
done

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  need_root
  dpkg --add-architecture i386
  missing+=(wine32:i386)
  stale_lists=1
fi

if [ ${#missing[@]} -gt 0 ]; then
  need_root
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# MinGW's posix thread model gives std::thread and friends; pick it once.
for tool in g++ gcc; do
  if update-alternatives --query "i686-w64-mingw32-$tool" >/dev/null 2>&1; then
    current=$(readlink -f "/usr/bin/i686-w64-mingw32-$tool")
    case "$current" in
      *-posix) ;;
      *) [ "$(id -u)" = 0 ] && update-alternatives --set "i686-w64-mingw32-$tool" "/usr/bin/i686-w64-mingw32-$tool-posix" >/dev/null ;;
    esac
  fi
done

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf8$'; then
  need_root
  sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen >/dev/null
fi
: "${stale_lists:=0}"
echo "setup: all build and test tools are present"
