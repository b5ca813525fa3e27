#!/usr/bin/env bash
# Checks the Debian package on a bare Debian 12: builds it, runs lintian on
# it, installs it into a minimal bookworm root (made once by debootstrap from
# this machine's Debian mirror and kept in build/debootstrap-cache) with apt
# pulling the dependencies, starts the program there offscreen and closes it,
# then purges the package and checks that none of its files is left.
# Needs root (debootstrap and chroot).
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "package-check: needs root, for debootstrap and chroot" >&2; exit 1; }

deb=$(scripts/package.sh | tail -n 1)
echo "== package: $deb"
dpkg-deb --field "$deb" Package Version Section Depends Recommends

echo "== lintian"
# lintian warns against running it as root, which this script needs to be.
lintian_output=$(runuser -u nobody -- lintian --display-info "$deb" 2>&1) || true
echo "${lintian_output:-(no tags)}"
if echo "$lintian_output" | grep -q '^[EW]:'; then
  echo "package-check: lintian reports errors or warnings" >&2
  exit 1
fi

cache=build/debootstrap-cache/bookworm-minbase
if [ ! -f "$cache.complete" ]; then
  mirror=$(apt-get indextargets --format '$(RELEASE) $(REPO_URI)' 'Identifier: Packages' |
    awk '$1 == "bookworm" { print $2; exit }')
  [ -n "$mirror" ] || { echo "package-check: no bookworm mirror in apt's sources" >&2; exit 1; }
  echo "== debootstrap --variant=minbase bookworm from $mirror (kept in $cache)"
  rm -rf "$cache"
  mkdir -p "$(dirname "$cache")"
  log=build/debootstrap-cache/debootstrap.log
  debootstrap --variant=minbase bookworm "$cache" "$mirror" >"$log" 2>&1 || {
    tail -n 20 "$log" >&2
    echo "package-check: debootstrap could not make the root from $mirror (see $log)" >&2
    exit 1
  }
  touch "$cache.complete"
fi

root=build/package-check/root
echo "== fresh root from the cache: $root"
rm -rf "$root"
mkdir -p "$(dirname "$root")"
cp -a "$cache" "$root"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
trap 'umount "$root/proc"' EXIT
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

# apt's full output, with its complaints about the missing terminal and init
# system of a bare root, goes to a log; the summary lines show here.
apt_log=build/package-check/apt.log
apt() { in_root env DEBIAN_FRONTEND=noninteractive apt-get -q "$@" >>"$apt_log" 2>&1; }
echo "== apt-get install (dependencies only, no recommends; full output in $apt_log)"
cp "$deb" "$root/tmp/tavrix.deb"
: >"$apt_log"
apt update
# The desktop's databases first, so that the package's triggers fill them and
# the purge can be seen to empty them again.
apt install -y --no-install-recommends shared-mime-info desktop-file-utils
apt install -y --no-install-recommends /tmp/tavrix.deb
grep -E '^[0-9]+ upgraded|^Setting up tavrix' "$apt_log" | tail -n 2
grep -q '^text/x-tavrix-log$' "$root/usr/share/mime/types" ||
  { echo "package-check: the MIME database does not know the results log" >&2; exit 1; }
echo "the MIME database knows text/x-tavrix-log"
grep -q '^text/x-tavrix-log=.*com\.example\.Tavrix\.desktop' "$root/usr/share/applications/mimeinfo.cache" ||
  { echo "package-check: the desktop database does not open results logs with Tavrix" >&2; exit 1; }
echo "the desktop database opens text/x-tavrix-log with com.example.Tavrix.desktop"
package_files=$(in_root dpkg -L tavrix)
# The help engine's SQLite driver, a plug-in no linked library pulls in.
[ -f "$root/usr/lib/x86_64-linux-gnu/qt6/plugins/sqldrivers/libqsqlite.so" ] ||
  { echo "package-check: Qt's SQLite driver is missing" >&2; exit 1; }

echo "== start offscreen as a person would, close with SIGTERM"
in_root mkdir -p /root/config
scripts/start-and-close chroot "$root" env -i PATH=/usr/bin:/bin HOME=/root XDG_CONFIG_HOME=/root/config \
  QT_QPA_PLATFORM=offscreen tavrix
[ -f "$root/root/config/Tavrix/Tavrix.ini" ] || { echo "package-check: no settings written" >&2; exit 1; }
echo "started, closed, settings in \$XDG_CONFIG_HOME/Tavrix/Tavrix.ini ($(wc -l <"$root/root/config/Tavrix/Tavrix.ini") lines)"

echo "== convert from a terminal: no display, no settings"
in_root rm -rf /root/config
converted=$(in_root tavrix --convert 100 °F °C)
[ "$converted" = "37.777778" ] || { echo "package-check: 100 °F came out as '$converted' °C" >&2; exit 1; }
[ ! -e "$root/root/config" ] || { echo "package-check: the command line wrote settings" >&2; exit 1; }
[ -f "$root/usr/share/bash-completion/completions/tavrix" ] ||
  { echo "package-check: no bash completion installed" >&2; exit 1; }
echo "tavrix --convert 100 °F °C: $converted"

echo "== in German and French: the program's translations and Qt's"
for language in de fr; do
  [ -f "$root/usr/share/qt6/translations/qtbase_$language.qm" ] ||
    { echo "package-check: Qt's $language translation is missing" >&2; exit 1; }
done
german=$(in_root env LANGUAGE=de tavrix --no-such-option 2>&1 || true)
[[ $german == *"unbekannte Option"* ]] || { echo "package-check: in German the program says: $german" >&2; exit 1; }
echo "LANGUAGE=de: ${german%%$'\n'*}"

echo "== apt-get purge"
apt purge -y tavrix
grep -E '^(Removing|Purging) tavrix' "$apt_log"
# Its own folders must go; folders it shares with other packages stay.
own_folder='^/usr/share/(tavrix|tavrix/Help|tavrix/translations|doc/tavrix)$'
left=()
while read -r path; do
  if [ -d "$root$path" ] && ! [[ $path =~ $own_folder ]]; then continue; fi
  if [ -e "$root$path" ]; then left+=("$path"); fi
done <<<"$package_files"
# dpkg's own records, and caches that a trigger may have filled with its entries.
mapfile -t -O ${#left[@]} left < <(find "$root/var/lib/dpkg/info" -name 'tavrix.*')
mapfile -t -O ${#left[@]} left < <(grep -rl -i tavrix "$root/usr/share/mime" "$root/usr/share/applications" 2>/dev/null)
status=$(in_root dpkg-query -W -f='${Status}' tavrix 2>/dev/null || true)
case $status in '' | *not-installed) ;; *) left+=("dpkg status: $status") ;; esac
if [ ${#left[@]} -ne 0 ]; then
  printf 'package-check: left after purge: %s\n' "${left[@]}" >&2
  exit 1
fi
echo "nothing of the package is left"
echo "package-check: passed"
