#!/usr/bin/env bash
# Installs the Debian packages the app, its tests and its tools need.
# Idempotent: does nothing when every package is already installed.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config libicu-dev ccache
  qt6-base-dev qt6-base-dev-tools libsqlite3-dev qt6-declarative-dev qt6-declarative-dev-tools
  qt6-tools-dev-tools qt6-qpa-plugins libqt6svg6 qt6-image-formats-plugins
  # Qt Quick modules the screens and the Qt Quick tests import
  qml6-module-qtqml qml6-module-qtqml-workerscript qml6-module-qtquick qml6-module-qtquick-controls
  qml6-module-qtquick-layouts qml6-module-qtquick-templates qml6-module-qtquick-window
  qml6-module-qtquick-shapes qml6-module-qttest qml6-module-qtcore qml6-module-qtquick-dialogs
  qml6-module-qt-labs-folderlistmodel
  # speech and sound
  qt6-speech-dev libqt6texttospeech6 qt6-speech-speechd-plugin
  qt6-multimedia-dev qml6-module-qtmultimedia
  speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  # rendering without a display, fonts
  libgl1-mesa-dri xvfb xauth fonts-noto-color-emoji fontconfig
  # fuzzing: clang and its libFuzzer and sanitizer runtimes
  clang libclang-rt-14-dev
  # the layout check of the C++ sources
  clang-format
  # the Debian package and its check in a minimal Debian root (tools/check-package.sh)
  debhelper dpkg-dev lintian debootstrap
  # desktop install checks, sound recipe, tools
  desktop-file-utils appstream sox lame python3 python3-yaml
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "bootstrap: installing ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
