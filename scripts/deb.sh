#!/usr/bin/env bash
# Builds Sayora's Debian package from a clean copy of this tree, checks it
# with lintian and proves it on a fresh Debian 12 root:
#
#   bash scripts/deb.sh            # all three steps
#   bash scripts/deb.sh build      # only the package (build-deb/sayora_*.deb)
#   bash scripts/deb.sh lintian    # lintian on what build-deb/ holds
#   bash scripts/deb.sh chroot     # the clean-root proof of what build-deb/ holds
#
# The clean root comes from debootstrap (minbase, bookworm) and is kept in
# /var/tmp/sayora-deb/bookworm-base, so that a rerun only copies it; delete
# that folder to make it anew. SAYORA_DEB_MIRROR names another Debian
# mirror. DEB_BUILD_OPTIONS passes through (nocheck skips the build's check).
# Needs root (apt-get, debootstrap, chroot), or sudo.
set -euo pipefail

tree=$(cd "$(dirname "$0")/.." && pwd)
out=$tree/build-deb
work=/var/tmp/sayora-deb
base=$work/bookworm-base
mirror=${SAYORA_DEB_MIRROR:-http://deb.debian.org/debian}
step=${1:-all}
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

say() { printf '\n== %s\n' "$*"; }
fail() { printf 'deb.sh: %s\n' "$*" >&2; exit 1; }

# The tools of packaging, not of Sayora: apart from scripts/setup.sh's list.
TOOLS=(debhelper dpkg-dev devscripts fakeroot lintian debootstrap)

install_missing() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
}

version() { dpkg-parsechangelog -l "$tree/debian/changelog" -S Version; }

build() {
  install_missing "${TOOLS[@]}"
  local src=$work/src/sayora-$(version)
  say "Copying the tree to $src"
  # Only what git knows (committed, or new and not ignored): no build
  # folders, no caches.
  $SUDO rm -rf "$work/src"
  mkdir -p "$src"
  (cd "$tree" && git ls-files -z --cached --others --exclude-standard \
     | while IFS= read -r -d '' f; do if [ -e "$f" ]; then printf '%s\0' "$f"; fi; done \
     | tar --null -cf - -T -) | tar -xf - -C "$src"
  if ! (cd "$src" && dpkg-checkbuilddeps); then
    say "Installing the build dependencies"
    (cd "$src" && DEBIAN_FRONTEND=noninteractive $SUDO apt-get build-dep -y --no-install-recommends ./)
  fi
  # Both cores unless the caller chose.
  case " ${DEB_BUILD_OPTIONS:-} " in
    *" parallel="*) ;;
    *) export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }parallel=$(nproc)" ;;
  esac
  say "dpkg-buildpackage -us -uc -b"
  (cd "$src" && dpkg-buildpackage -us -uc -b)
  rm -rf "$out"
  mkdir -p "$out"
  cp "$work/src"/*.deb "$work/src"/*.changes "$work/src"/*.buildinfo "$out"/
  cp "$work/src"/*.ddeb "$out"/ 2>/dev/null || true
  ls -l "$out"
}

changes_file() {
  local changes
  changes=$(ls "$out"/sayora_*.changes 2>/dev/null | head -n1)
  [ -n "$changes" ] || fail "no package in $out: run 'scripts/deb.sh build' first"
  echo "$changes"
}

check_lintian() {
  install_missing lintian
  say "lintian"
  # Errors and warnings fail; each warning we accept is overridden, with the
  # reason, in debian/*.lintian-overrides.
  lintian --fail-on error,warning --info --display-info "$(changes_file)"
  echo "lintian: no errors, no warnings"
}

# The clean Debian 12 root: debootstrap's once, copied afresh for each run.
root=$work/root

in_root() {
  $SUDO chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive "$@"
}

# As the user "reader", in a shell: what a user types.
as_user() {
  $SUDO chroot --userspec=reader:reader "$root" /usr/bin/env -i PATH=/usr/bin:/bin HOME=/home/reader \
    LANG=C.UTF-8 /bin/sh -ec "cd; $1"
}

unmount_root() {
  local m
  for m in "$root/dev" "$root/proc" "$root/var/cache/apt/archives"; do
    if mountpoint -q "$m"; then $SUDO umount -l "$m"; fi
  done
}

# Every file and folder of the system with its type and mode (and size for
# files): what a package may leave behind. The places that change with any
# apt run (its logs, lists, caches and dpkg's own records) and the users'
# homes are left out.
system_files() {
  in_root find / -xdev \( -path /proc -o -path /sys -o -path /dev -o -path /run -o -path /tmp \
    -o -path /home -o -path /root -o -path /var/log -o -path /var/cache/apt -o -path /var/lib/apt \
    -o -path /var/lib/dpkg -o -path /var/cache/debconf -o -path /var/cache/ldconfig \) -prune \
    -o -type d -printf '%y %m %p\n' -o -printf '%y %m %s %p\n' | sort
}

home_files() { in_root sh -c 'cd /home/reader && find . -type f -print0 | sort -z | xargs -0 sha256sum'; }

chroot_test() {
  install_missing debootstrap
  local deb
  deb=$(ls "$out"/sayora_*.deb 2>/dev/null | head -n1)
  [ -n "$deb" ] || fail "no package in $out: run 'scripts/deb.sh build' first"
  if [ ! -d "$base" ]; then
    say "debootstrap bookworm into $base (once)"
    $SUDO rm -rf --one-file-system "$base.tmp"
    $SUDO mkdir -p "$work"
    $SUDO debootstrap --variant=minbase bookworm "$base.tmp" "$mirror"
    $SUDO mv "$base.tmp" "$base"
  fi
  say "A fresh root in $root"
  trap unmount_root EXIT
  unmount_root
  # Never into a mounted /dev: unmounted above, and rm stays on one file system.
  $SUDO rm -rf --one-file-system "$root"
  $SUDO cp -a "$base" "$root"
  $SUDO mount --bind /dev "$root/dev"
  $SUDO mount -t proc proc "$root/proc"
  # The packages downloaded stay for the next run (apt still resolves every
  # dependency from the archive's index).
  $SUDO mkdir -p "$work/apt-archives/partial"
  $SUDO mount --bind "$work/apt-archives" "$root/var/cache/apt/archives"
  $SUDO cp /etc/resolv.conf "$root/etc/resolv.conf"
  # The suites an installed Debian 12 follows; no service starts in here.
  printf 'deb %s bookworm main\ndeb %s bookworm-updates main\ndeb http://deb.debian.org/debian-security bookworm-security main\n' \
    "$mirror" "$mirror" | $SUDO tee "$root/etc/apt/sources.list" >/dev/null
  printf '#!/bin/sh\nexit 101\n' | $SUDO tee "$root/usr/sbin/policy-rc.d" >/dev/null
  $SUDO chmod 755 "$root/usr/sbin/policy-rc.d"
  in_root apt-get update -q

  # A user with files of their own, in Sayora's folder too: no step below
  # may touch them.
  in_root useradd --create-home reader
  $SUDO cp "$tree/tests/reader/documents/data/books/libreoffice_book.pdf" "$root/home/reader/book.pdf"
  as_user 'mkdir -p Documents .config/sayora
           printf "Dear reader,\nthis letter was converted on a fresh Debian system. It ends here.\n" > Documents/letter.txt
           printf "[Reading]\nSwitchLanguages=true\n" > .config/sayora/options.ini
           mv book.pdf Documents/'
  in_root chown reader:reader /home/reader/Documents/book.pdf

  say "apt-get install ./$(basename "$deb"): its dependencies come from the archive"
  $SUDO mkdir -p "$root/tmp/pkg"
  $SUDO cp "$deb" "$root/tmp/pkg/"
  local before_install
  before_install=$(in_root dpkg-query -W -f '${Package}\n' | wc -l)
  # Without recommended packages: what Depends names must be enough.
  in_root apt-get install -y -q --no-install-recommends "/tmp/pkg/$(basename "$deb")"
  echo "packages: $before_install before, $(in_root dpkg-query -W -f '${Package}\n' | wc -l) after"

  say "The installed commands, as a user"
  local version
  version=$(as_user 'sayora --version')
  echo "$version"
  [ "$version" = "sayora $(version)" ] || fail "sayora --version said '$version'"
  as_user 'cd Documents
           sayora-convert --quiet letter.txt letter.mp3
           sayora-convert --quiet book.pdf book.mp3
           sayora-convert --quiet book.pdf book.txt
           # lame, which the package depends on, decodes what it encoded
           lame --quiet --decode letter.mp3 letter.wav
           lame --quiet --decode book.mp3 book.wav
           ls -l letter.mp3 book.mp3 letter.wav book.wav'
  local letter_bytes book_bytes
  letter_bytes=$($SUDO stat -c %s "$root/home/reader/Documents/letter.wav")
  book_bytes=$($SUDO stat -c %s "$root/home/reader/Documents/book.wav")
  # 16-bit mono at 16 kHz or more: over 32,000 bytes a second. The letter
  # takes some 4 s to say, the PDF's page over a minute.
  [ "$letter_bytes" -gt 96000 ] || fail "the letter's MP3 holds under 3 s of sound"
  [ "$book_bytes" -gt 1600000 ] || fail "the PDF's MP3 holds under 50 s of sound"
  grep -q "Reading aloud is older than reading in silence" "$root/home/reader/Documents/book.txt" \
    || fail "the PDF's text was not read"

  # The window itself, on Qt's offscreen platform and the silent audio sink:
  # it reads its command-line text to the end and ends by itself.
  as_user 'SAYORA_AUDIO=null QT_QPA_PLATFORM=offscreen timeout 120 sayora "Good morning."'
  echo "the window read its text and ended"

  say "apt-get purge leaves nothing behind and the user's files as they were"
  $SUDO rm -rf "$root/tmp/pkg"
  local home_before
  home_before=$(home_files)
  in_root apt-get purge -y -q sayora
  local without
  without=$(system_files)
  [ "$(home_files)" = "$home_before" ] || fail "the purge changed the user's files"
  # Once more from here, so that the system with the dependencies and
  # without Sayora can be compared, file by file, with itself.
  $SUDO mkdir -p "$root/tmp/pkg"
  $SUDO cp "$deb" "$root/tmp/pkg/"
  in_root apt-get install -y -q --no-install-recommends "/tmp/pkg/$(basename "$deb")"
  $SUDO rm -rf "$root/tmp/pkg"
  as_user 'sayora --version >/dev/null'
  in_root apt-get purge -y -q sayora
  local left
  left=$(diff <(echo "$without") <(system_files) || true)
  [ -z "$left" ] || fail "the purge left this behind or changed it: $left"
  [ "$(home_files)" = "$home_before" ] || fail "the purge changed the user's files"
  in_root apt-get autoremove --purge -y -q
  left=$(in_root find / -xdev \( -path /proc -o -path /home \) -prune -o -iname '*sayora*' -print)
  [ -z "$left" ] || fail "files named after Sayora are left: $left"
  in_root sh -c 'test -e /home/reader/.config/sayora/options.ini' || fail "the user's settings are gone"
  echo "purged: nothing of the package left, $(echo "$home_before" | wc -l) user files untouched"
}

case $step in
  build) build ;;
  lintian) check_lintian ;;
  chroot) chroot_test ;;
  all) build; check_lintian; chroot_test ;;
  *) fail "unknown step '$step' (build, lintian, chroot or all)" ;;
esac
