#!/usr/bin/env bash
# Takes screenshots of the game's screens as a player sees them: the real program in a
# virtual X display, once at normal size and once at double scale (QT_SCALE_FACTOR=2),
# started from an empty folder so that every picture comes from what the game ships. Also
# writes a sheet of the opponents' faces. Screenshots go to a folder outside the
# repository, /tmp/ringglory-shots unless another is given:
#
#     bash scripts/screenshots.sh [FOLDER]
#
# PROGRAM=path/to/ringglory takes the shots of another build than build/ringglory.
set -euo pipefail

# One display, one scale: drives the game from its title to the hub with the keyboard.
session() {
    scale=$1 out=$2 program=$3
    export QT_SCALE_FACTOR=$scale
    empty=$(mktemp -d)
    (cd "$empty" && exec "$program") &
    game=$!
    trap 'kill "$game" 2>/dev/null || true; rm -rf "$empty"' EXIT

    last=""
    title=$(window RingGlory)
    shot title "$title"
    # New Game has the keyboard focus; then accept the offered name and birthplace and
    # confirm the two greetings.
    press "$title" space
    press "$(window 新規ボクサー作成)" Return
    press "$(window 新規ボクサー作成)" Return
    press "$(window RingGlory)" Return
    press "$(window RingGlory)" Return
    shot hub "$(window 'Ring Glory')"
}

# The id of a visible window with that caption that is not the one used last, once it
# has appeared and painted.
window() {
    local id=""
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -vx "${last:-none}" | tail -1 || true)
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || { echo "screenshots: no window \"$1\" at scale $scale" >&2; return 1; }
    sleep 0.5
    echo "$id"
}

shot() {
    import -window "$2" "$out/$1-${scale}x.png"
    echo "$out/$1-${scale}x.png"
}

# Types a key into that window, through the X server as a real keyboard would.
press() {
    last=$1
    xdotool windowfocus --sync "$1"
    xdotool key "$2"
}

if [ "${1:-}" = "--session" ]; then
    shift
    session "$@"
    exit
fi

absolute() { echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }
self=$(absolute "$0")
out=$(mkdir -p "${1:-/tmp/ringglory-shots}" && cd "${1:-/tmp/ringglory-shots}" && pwd)
program=${PROGRAM:+$(absolute "$PROGRAM")}
cd "$(dirname "$0")/.."
bash scripts/install-dependencies.sh --screenshots
if [ -z "$program" ]; then
    # The same build folder as scripts/play.sh; an existing one keeps its settings.
    [ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build build --parallel "$(nproc)" --target ringglory >/dev/null
    program=$PWD/build/ringglory
fi

for scale in 1 2; do
    xvfb-run -a -s "-screen 0 $((1280 * scale))x$((1024 * scale))x24" bash "$self" --session "$scale" "$out" "$program"
done

faces=()
for row in $(seq 2 18); do faces+=("assets/$row.gif"); done
montage "${faces[@]}" assets/Spar.gif -filter point -resize 300% -tile 6x3 -geometry +6+6 -background '#808080' \
    "$out/faces.png"
echo "$out/faces.png"
