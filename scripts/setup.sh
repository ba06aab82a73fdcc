#!/usr/bin/env bash
# Installs every Debian package Sayora needs to build, run and test, when
# one is missing. Runs apt-get as root, or through sudo.
set -euo pipefail

PACKAGES=(
  # build
  cmake g++ make pkg-config git
  # nm, to check what the control library exports
  binutils
  # Qt 6: widgets, audio output, network, test
  qt6-base-dev qt6-multimedia-dev libqt6opengl6-dev libgl-dev qt6-qpa-plugins libqt6multimedia6
  # speech engines
  libespeak-ng-dev espeak-ng-data flite1-dev
  # the book formats: PDF text (poppler), EPUB/DOCX/ODT containers (libzip),
  # HTML as browsers forgive it (libxml2)
  libpoppler-qt6-dev libzip-dev libxml2-dev
  # MP3: the encoder the window's export runs as a separate process, and
  # its library, which the converter encodes with as the voice renders;
  # Ogg Vorbis, Opus and FLAC (libsndfile) and the resampling Opus needs
  # (libsamplerate)
  lame libmp3lame-dev libsndfile1-dev libsamplerate0-dev
  # the language guesser and its models: sentences in other languages are
  # read by voices of their own
  libexttextcat-dev libexttextcat-data
  # the tag of an MP3 joined from parts, and its chapter marks
  libtag1-dev
  # M4B audiobooks (AAC in MP4 with chapters) through FFmpeg's libraries;
  # ffprobe, in ffmpeg, reads the chapters back in the tests
  libavformat-dev libavcodec-dev libavutil-dev ffmpeg
  # the engines' own commands, which the converter's benchmark runs against
  espeak-ng flite
  # a sound server with a null sink, so tests exercise the real audio path
  pulseaudio pulseaudio-utils
  # faces with the metrics of Arial and Times New Roman, which the help
  # window's lines are laid out in
  fonts-liberation2

  # desktop integration: validators of the menu entry and the AppStream file,
  # a private X server and Qt's X11 platform (libqxcb, in libqt6gui6) for
  # the tests that need real popups, pointer grabs and the X11 selection
  desktop-file-utils appstream xvfb xauth libqt6gui6
  # a window manager on that X server, and xdotool to close and resize the
  # window as a user does: the window's size across starts under a frame
  openbox xdotool
  # the translations: lupdate, lrelease and their CMake functions (Qt
  # Linguist tools), Qt's own catalogues for the standard dialogs, and a face
  # with Chinese and Japanese characters for the window in those languages
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-wqy-microhei
  # Wayland: Qt's Wayland platform, so the window runs as a native client;
  # weston, the compositor the Wayland tests run under (headless back end)
  # and whose screenshooter takes their pictures; wl-clipboard, whose
  # wl-paste reads the selection there
  qt6-wayland weston wl-clipboard
  # the key that reads any program's selection: a key grab through libxcb
  # (the headers), xclip to select text in the tests, and a private
  # session bus for the stand-in of the desktop portal
  libxcb1-dev xclip dbus-daemon
  # clang with libFuzzer and its sanitizer runtimes: scripts/fuzz.sh feeds
  # every parser of outside input with mutated files
  clang libclang-rt-14-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
