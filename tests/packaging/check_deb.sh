#!/usr/bin/env bash
# Checks a numshrink .deb the way a user's machine would meet it: its control fields and
# dependencies, its file list, an install into a throwaway root, the menu entry starting the
# installed program, and lintian where it is installed.
#   check_deb.sh PACKAGE.deb
set -euo pipefail

deb=$1
passes=0
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; passes=$((passes + 1)); }

field() { dpkg-deb --field "$deb" "$1"; }

[ "$(field Package)" = numshrink ] && pass "package name" || fail "Package is '$(field Package)'"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] && pass "architecture" \
  || fail "Architecture is '$(field Architecture)'"

# Each name must stand as a whole alternative or dependency, not as part of a longer name.
depends=$(field Depends)
for dep in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins fonts-wqy-microhei; do
  if grep -Eq "(^|[,|] *)${dep//+/\\+}( |,|$)" <<<"$depends"; then
    pass "depends on $dep"
  else
    fail "Depends lacks $dep: $depends"
  fi
done

icon_sizes=(16 32 48 64 128 256)
expected=(
  usr/bin/numshrink
  usr/share/applications/numshrink.desktop
  usr/share/metainfo/io.github.numshrink.numshrink.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/numshrink.svg
  usr/share/man/man1/numshrink.1.gz
  usr/share/doc/numshrink/copyright
  usr/share/doc/numshrink/changelog.gz
)
for n in "${icon_sizes[@]}"; do
  expected+=("usr/share/icons/hicolor/${n}x${n}/apps/numshrink.png")
done

contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
for path in "${expected[@]}"; do
  grep -qx "\./$path" <<<"$contents" && pass "ships /$path" || fail "/$path is not in the package"
done
stray=$(grep -v -e '/$' -e '^\./usr/' <<<"$contents" || true)
[ -z "$stray" ] && pass "ships files under /usr only" || fail "files outside /usr: $stray"

# Unpack with dpkg itself into an empty root: the run-time dependencies live on the real
# system, so only they are forced.
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
if [ "$(id -u)" -eq 0 ]; then
  dpkg --root="$root" --force-depends --log=/dev/null --install "$deb" >"$root/dpkg.log" 2>&1 \
    || { cat "$root/dpkg.log"; exit 1; }
else
  dpkg-deb --extract "$deb" "$root"
fi

[ -x "$root/usr/bin/numshrink" ] && pass "installed binary is executable" || fail "no executable /usr/bin/numshrink"

desktop=$root/usr/share/applications/numshrink.desktop
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Name)" = "缩水工具" ] && pass "menu name" || fail "Name is '$(entry Name)'"
[ -n "$(entry GenericName)" ] && pass "English generic name" || fail "no GenericName"
[ "$(entry Categories)" = "Utility;" ] && pass "category" || fail "Categories is '$(entry Categories)'"
exec_line=$(entry Exec)
[ -x "$root/usr/bin/${exec_line%% *}" ] && pass "Exec names the installed binary" \
  || fail "Exec=$exec_line does not name an installed binary"

# A release bumps the version in three places besides the build; a forgotten one shows here.
version=$(field Version)
changelog_version=$(gzip -dc "$root/usr/share/doc/numshrink/changelog.gz" | sed -n '1s/^numshrink (\([^)]*\)).*/\1/p')
metainfo_version=$(grep -o '<release version="[^"]*"' "$root/usr/share/metainfo/io.github.numshrink.numshrink.metainfo.xml" \
  | head -n 1 | cut -d'"' -f2)
[ "$changelog_version" = "$version" ] && pass "changelog names version $version" \
  || fail "the changelog's latest version is '$changelog_version', the package's $version"
[ "$metainfo_version" = "$version" ] && pass "metainfo names release $version" \
  || fail "the metainfo's latest release is '$metainfo_version', the package's $version"

# The PNG header holds the width and height as big-endian words at bytes 16 and 20.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}'; }
icon=$(entry Icon)
for n in "${icon_sizes[@]}"; do
  png=$root/usr/share/icons/hicolor/${n}x${n}/apps/$icon.png
  if [ -f "$png" ] && [ "$(png_size "$png")" = "${n}x${n}" ]; then
    pass "icon ${n}x${n}"
  else
    fail "icon $icon at ${n}x${n} is missing or of the wrong size"
  fi
done

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" && pass "desktop-file-validate" || fail "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --pedantic --no-color \
    "$root/usr/share/metainfo/io.github.numshrink.numshrink.metainfo.xml" >/dev/null \
    && pass "appstreamcli validate" || fail "appstreamcli validate"
fi

# Start the program as the menu would, from the installed entry's Exec line, with Qt's own
# -platform option: it must still be running a moment later, not have died on start.
# shellcheck disable=SC2086
PATH="$root/usr/bin:$PATH" timeout 3 $exec_line -platform offscreen >/dev/null 2>&1 && started=0 || started=$?
[ "$started" -eq 124 ] && pass "starts from its menu entry" || fail "the installed program ended at start (status $started)"

if command -v lintian >/dev/null; then
  # No tag of error or warning level: those are what Debian's archive would refuse or flag.
  if lintian --fail-on error,warning --tag-display-limit 0 "$deb"; then
    pass "lintian"
  else
    fail "lintian"
  fi
else
  echo "skip: lintian is not installed"
fi

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
