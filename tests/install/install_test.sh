#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root with dpkg -x
# (or, without dpkg, installs into a throw-away prefix) and checks it as a
# user would meet it: its Depends, both programs running from the installed
# paths with the PDF writer found through their RUNPATH, settings from the
# per-user folder when the program folder is read-only, the desktop entry,
# the metainfo and the man page.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
build_dir=$(cd "$1" && pwd)
work=$(mktemp -d)
app_pid=""
mounted=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$mounted" ] && umount -l "$mounted" 2>/dev/null || true
  # The program folder was made read-only; a user (not root) could not
  # empty it otherwise.
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { echo "install_test: $*"; }
. "$(dirname "$0")/../support/waitfor.sh"

unset LD_LIBRARY_PATH
if command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null; then
  cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; fail "cpack -G DEB failed"; }
  deb=$(ls "$work"/package/tervolan_*.deb)
  depends=$(dpkg-deb -f "$deb" Depends)
  note "Depends: $depends"
  for needed in fonts-noto-cjk libqt6widgets6 libqt6gui6 libqt6core6 libqt6dbus6 libharfbuzz0b libfontconfig1; do
    [[ ", $depends," == *", $needed"[\ ,]* ]] || fail "Depends lacks $needed"
  done
  # Every dependency names a package this Debian has (the test machine
  # runs the program, so they are installed here).
  for package in $(echo "$depends" | sed 's/([^)]*)//g; s/,/ /g'); do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
      || fail "Depends names $package, which is not an installed package"
  done
  dpkg -x "$deb" "$work/root"
  prefix="$work/root/usr"
else
  note "no dpkg-deb: installing into a prefix instead of checking the package"
  cmake --install "$build_dir" --prefix "$work/root/usr" >/dev/null
  prefix="$work/root/usr"
fi

# The programs and their library where a desktop looks for them.
for file in bin/tervolan bin/tervolan-convert \
            share/applications/org.tervolan.Tervolan.desktop \
            share/icons/hicolor/scalable/apps/org.tervolan.Tervolan.svg \
            share/metainfo/org.tervolan.Tervolan.metainfo.xml \
            share/man/man1/tervolan-convert.1 \
            share/bash-completion/completions/tervolan-convert; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done
ls "$prefix"/lib/tervolan/libtervolanpdf.so.* >/dev/null 2>&1 || fail "the PDF writer is not installed"
[ ! -e "$prefix/bin/tervolan-render" ] || fail "the developer tool tervolan-render is installed"

version=$("$prefix/bin/tervolan-convert" --version) || fail "tervolan-convert --version failed"
[[ $version == "tervolan-convert "[0-9]* ]] || fail "unexpected version line: $version"

# A read-only program folder sends the settings to $XDG_CONFIG_HOME. Root
# writes through permission bits, so a read-only bind mount stands in for
# the installed /usr/bin where one can be made.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config"
mkdir -p "$HOME" "$XDG_CONFIG_HOME/tervolan" "$work/in"
chmod a-w "$prefix/bin"
if [ -w "$prefix/bin" ] && mount --bind "$prefix/bin" "$prefix/bin" 2>/dev/null; then
  mounted="$prefix/bin"
  mount -o remount,ro,bind "$prefix/bin" 2>/dev/null || true
fi
printf 'hello from the installed program\r\n第二行\r\n' > "$work/in/note.txt"
if [ -w "$prefix/bin" ]; then
  note "program folder stays writable here; settings come from --settings"
  printf '"%s"\r\n""\r\n"Installed Tester"\r\n"A5"\r\n"宋体"\r\n12\r\n30\r\n' "$work/out" > "$work/settings.ini"
  settings=(--settings "$work/settings.ini")
else
  printf '"%s"\r\n""\r\n"Installed Tester"\r\n"A5"\r\n"宋体"\r\n12\r\n30\r\n' "$work/out" \
    | iconv -f UTF-8 -t GB18030 > "$XDG_CONFIG_HOME/tervolan/config.ini"
  settings=()
fi
note "settings from ${settings[*]:-$XDG_CONFIG_HOME/tervolan/config.ini}"
written=$("$prefix/bin/tervolan-convert" -q "${settings[@]}" "$work/in/note.txt" 2>&1) \
  || fail "conversion failed: $written"
[ -f "$work/out/note.pdf" ] || fail "no PDF in the configured output folder"
if command -v pdfinfo >/dev/null; then
  pdfinfo "$work/out/note.pdf" | grep -q '^Author: *Installed Tester$' || fail "the settings' author is not in the PDF"
  pdftotext "$work/out/note.pdf" - | grep -q '第二行' || fail "the Chinese line is not in the PDF"
fi

# The window program, off screen, with a runtime folder of its own for its
# single-instance lock: it has started once it holds the lock and sits
# waiting for events; a second copy then ends at once.
mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=offscreen
"$prefix/bin/tervolan" >"$work/app.log" 2>&1 &
app_pid=$!
started() { [ -e "$work/run/tervolan.lock" ] && grep -q poll "/proc/$app_pid/wchan"; }
wait_for 150 started || { cat "$work/app.log"; fail "tervolan did not start"; }
timeout 20 "$prefix/bin/tervolan" || fail "a second copy did not end at once"
kill -0 "$app_pid" 2>/dev/null || { cat "$work/app.log"; fail "tervolan ended by itself"; }
kill "$app_pid"; wait "$app_pid" 2>/dev/null || true; app_pid=""

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/org.tervolan.Tervolan.desktop" \
    | grep -v ': hint: ' | grep . && fail "desktop-file-validate complained"
else
  note "SKIP desktop entry: desktop-file-validate is not installed"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/org.tervolan.Tervolan.metainfo.xml" \
    || fail "appstreamcli validate failed"
else
  note "SKIP metainfo: appstreamcli is not installed"
fi
if command -v groff >/dev/null; then
  warnings=$(groff -k -man -Tutf8 -ww -z "$prefix/share/man/man1/tervolan-convert.1" 2>&1)
  [ -z "$warnings" ] || fail "the man page has roff warnings: $warnings"
fi
note "passed"
