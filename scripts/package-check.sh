#!/usr/bin/env bash
# Builds the Debian package in build-package/ (a Release build without tests) and checks
# it with the tools a Debian user and a software centre rely on: lintian, the menu entry
# through desktop-file-validate, the metainfo through appstreamcli, the manual page
# through man. Also checks that the packaged program lives in /usr/games, that its menu
# entry starts it there, and that it holds no path of the machine it was built on.
# Prints every finding and exits non-zero on any error or warning.
# Arguments go to CMake's configure step, e.g. -DCMAKE_CXX_COMPILER_LAUNCHER=ccache.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-dependencies.sh --package

build_dir=${BUILD_DIR:-build-package}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DRINGGLORY_BENCH=OFF \
      -DRINGGLORY_SOURCE_TREE_ASSETS=OFF "$@"
cmake --build "$build_dir" --parallel "$(nproc)" --target ringglory
rm -f "$build_dir"/ringglory_*.deb
(cd "$build_dir" && cpack -G DEB)
debs=("$build_dir"/ringglory_*.deb)
deb=${debs[0]}

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"

problems=0
problem() {
    echo "package-check: $*" >&2
    problems=$((problems + 1))
}

echo "== lintian $deb"
lintian --fail-on error,warning --display-info "$deb" || problem "lintian reports errors or warnings"

desktop=$unpacked/usr/share/applications/ringglory.desktop
echo "== desktop-file-validate ${desktop#"$unpacked"}"
desktop_report=$(desktop-file-validate "$desktop" 2>&1) || problem "the menu entry is not valid"
[ -z "$desktop_report" ] || echo "$desktop_report"
if grep -qE 'error:|warning:' <<<"$desktop_report"; then
    problem "desktop-file-validate warns about the menu entry"
fi
grep -qx 'Exec=/usr/games/ringglory' "$desktop" || problem "the menu entry does not start /usr/games/ringglory"
[ -x "$unpacked/usr/games/ringglory" ] || problem "the program is not in /usr/games"

for metainfo in "$unpacked"/usr/share/metainfo/*.metainfo.xml; do
    echo "== appstreamcli validate ${metainfo#"$unpacked"}"
    appstreamcli validate --no-net "$metainfo" || problem "appstreamcli finds errors or warnings in $(basename "$metainfo")"
done

page=$unpacked/usr/share/man/man6/ringglory.6.gz
echo "== man ${page#"$unpacked"}"
man_report=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) ||
    problem "man cannot format the manual page"
if [ -n "$man_report" ]; then
    echo "$man_report"
    problem "man warns about the manual page"
fi

# An installed program looks for its files only where it is installed. The game's string
# literals are UTF-16, so look for the build path in both 8-bit and 16-bit strings.
program=$unpacked/usr/games/ringglory
if { strings -a "$program"; strings -a -e l "$program"; } | grep -F "$PWD"; then
    problem "the packaged program holds the build machine's path $PWD"
fi

if [ "$problems" -ne 0 ]; then
    echo "package-check: $problems problem(s) with $deb" >&2
    exit 1
fi
echo "package-check: $deb is clean"
