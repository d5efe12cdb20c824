#!/usr/bin/env bash
# Builds the Debian package, checks it with lintian, installs it into a minimal Debian 12 root
# with apt (which brings in exactly what the package declares) and runs the app there:
# `flexio --self-test` and `flexio conjugate essere`, offscreen. Needs root (chroot) and the
# Debian mirror apt uses on this machine. The minimal root is made once and kept as a tarball in
# FLEXIO_PACKAGE_CACHE (~/.cache/flexio-package by default); each run unpacks a fresh copy.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$(date +%s)

if [ "$(id -u)" -ne 0 ]; then
  echo "check-package: needs root (debootstrap and chroot)" >&2
  exit 2
fi
tools/bootstrap.sh

work=$PWD/build-package
cache=${FLEXIO_PACKAGE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/flexio-package}
suite=bookworm
root=$work/root

# The Debian mirror this machine's apt uses (deb822 or one-line sources), deb.debian.org if none.
mirror=$(sed -n -E 's/^(URIs:[[:space:]]*|deb[[:space:]]+(\[[^]]*\][[:space:]]+)?)([^[:space:]]+).*/\3/p' \
  /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null \
  | grep -E '/debian/?$' | head -n 1 || true)
mirror=${mirror:-http://deb.debian.org/debian}

cleanup() {
  if mountpoint -q "$root/proc" 2>/dev/null; then umount "$root/proc"; fi
  rm -rf "$root"
}
trap cleanup EXIT

echo "== building the package"
rm -rf "$work/src"
mkdir -p "$work/src/flexio"
# The tree as it is, without build folders or anything else git ignores.
git ls-files -z --cached --others --exclude-standard | xargs -0 -I{} find {} -maxdepth 0 -type f -print0 2>/dev/null \
  | tar -cf - --null -T - | tar -xf - -C "$work/src/flexio"
export CCACHE_BASEDIR=$work/src/flexio CCACHE_NOHASHDIR=1
if command -v ccache >/dev/null; then export CMAKE_CXX_COMPILER_LAUNCHER=ccache; fi
(cd "$work/src/flexio" && DEB_BUILD_OPTIONS="parallel=$(nproc) noddebs" dpkg-buildpackage -us -uc -b)
version=$(dpkg-parsechangelog -l debian/changelog -S Version)
arch=$(dpkg-architecture -q DEB_HOST_ARCH)
deb=$work/src/flexio_${version}_${arch}.deb
test -f "$deb"
echo "package: $deb"

echo "== lintian"
lintian --fail-on error,warning --display-info "$work/src/flexio_${version}_${arch}.changes"

echo "== a minimal Debian 12 root ($mirror)"
tarball=$cache/$suite-minbase.tar.gz
if [ ! -f "$tarball" ]; then
  mkdir -p "$cache"
  rm -rf "$cache/root.new"
  debootstrap --variant=minbase "$suite" "$cache/root.new" "$mirror"
  tar -C "$cache/root.new" -czf "$tarball.new" .
  rm -rf "$cache/root.new"
  mv "$tarball.new" "$tarball"
fi
rm -rf "$root"
mkdir -p "$root"
tar -C "$root" -xzf "$tarball"
printf 'deb %s %s main\ndeb %s %s-updates main\n' "$mirror" "$suite" "$mirror" "$suite" >"$root/etc/apt/sources.list"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/"
mount -t proc proc "$root/proc"

in_root() {
  chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive QT_QPA_PLATFORM=offscreen "$@"
}

echo "== installing the package there"
in_root apt-get update -qq
in_root sh -c "cd /tmp && apt-get install -y -qq ./$(basename "$deb")"

echo "== running the app there"
in_root flexio --self-test
# The speech and sound module, loaded after the first frame, is installed with every library it needs.
in_root sh -c 'module=$(ls /usr/lib/*/flexio/flexio-audio.so) && ! ldd "$module" | grep "not found"'
out=$(in_root flexio conjugate essere)
printf '%s\n' "$out" | head -n 12
# The tables: the present holds "io sono".
printf '%s\n' "$out" | grep -q 'io[[:space:]]\+sono'

echo "check-package: $(basename "$deb") builds, is lintian-clean, installs and runs on a minimal Debian 12 in $(( $(date +%s) - start )) s"
