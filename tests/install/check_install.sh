#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks the installed game:
# every file in its FHS place, the desktop entry and AppStream metainfo
# passing their validators, bexoru-cli running, and the game itself, started
# from another folder, finding its sounds (SDL's disk audio driver writes what
# it plays to a file, which must not be silence), writing its settings into
# the user's configuration folder, and naming a wave file that went missing.
#
#   check_install.sh BUILD_DIR
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; exit 1; }

id=org.bexoru.Bexoru
libdir="$(cd "$prefix" && find lib* -name libbexoru_sound.so -printf "%h\n" 2>/dev/null | head -n 1 || true)"
expected=(bin/bexoru bin/bexoru-cli "$libdir/libbexoru_sound.so"
  share/bexoru/Bexoru.htm share/bexoru/Bexoru_en.htm share/bexoru/その他.wav share/bexoru/禁止.wav share/bexoru/駒打音.wav share/bexoru/BGM.wav
  "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml")
for size in 16 22 24 32 48 64 128 256 512; do expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png"); done
for f in "${expected[@]}"; do [ -s "$prefix/$f" ] || fail "not installed: $f"; done
for f in bin/bexoru bin/bexoru-cli; do [ -x "$prefix/$f" ] || fail "not executable: $f"; done
# Each icon is a PNG of the size its folder names (width and height at bytes 16-23).
for size in 16 48 256; do
  png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
  [ -f "$png" ] || continue
  dims="$(od -An -tu1 -j16 -N8 "$png" | tr -s ' ' | sed 's/^ //')"
  [ "$dims" = "0 0 $((size >> 8)) $((size & 255)) 0 0 $((size >> 8)) $((size & 255))" ] || fail "icon $size: $dims"
done
# Nothing outside the FHS places.
unexpected="$(cd "$prefix" && find . -type f | grep -Ev '^\./(bin|lib[^/]*|share/(bexoru|applications|metainfo|icons))/' || true)"
[ -z "$unexpected" ] || fail "files outside the expected places: $unexpected"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
else
  echo "desktop-file-validate not installed: skipped"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" ||
    { cat "$work/appstream.log"; fail "appstreamcli validate"; }
else
  echo "appstreamcli not installed: skipped"
fi

cd "$work"
"$prefix/bin/bexoru-cli" board >/dev/null || fail "installed bexoru-cli board"

# The installed game, started in an empty folder with a fresh user, runs until
# the condition holds (checked twice a second, for at most 20 s; a sanitized
# build starts slowly).
run_game() {
  local until="$1"
  rm -rf "$work/home" "$work/run" "$work/audio.raw" && mkdir -p "$work/home" "$work/run"
  (cd "$work/run" && exec env -i PATH="$PATH" HOME="$work/home" QT_QPA_PLATFORM=offscreen \
     SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw" "$prefix/bin/bexoru" >"$work/game.out" 2>&1) &
  local pid=$! tries=0
  while [ $tries -lt 40 ] && kill -0 "$pid" 2>/dev/null && ! eval "$until"; do sleep 0.5; tries=$((tries + 1)); done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}
audible() {
  [ -s "$work/audio.raw" ] && ! cmp -s -n "$(stat -c %s "$work/audio.raw")" "$work/audio.raw" /dev/zero
}
run_game audible
audible || { fail "the installed game played no music (sound library or wave files not found)"; cat "$work/game.out" >&2; }
grep -q "見つかりません" "$work/game.out" && fail "a complete install reported missing sounds: $(cat "$work/game.out")"
[ -f "$work/home/.config/bexoru/Bexoru.ini" ] || fail "no settings written to ~/.config/bexoru"
[ -z "$(ls -A "$work/run")" ] || fail "the game wrote into the folder it was started from: $(ls -A "$work/run")"

rm "$prefix/share/bexoru/禁止.wav"
notice="効果音ファイルが見つかりません: 禁止.wav ($prefix/share/bexoru)"
run_game 'grep -qF "$notice" "$work/game.out"'
grep -qF "$notice" "$work/game.out" || fail "a missing wave file was not named: $(cat "$work/game.out")"

[ "$failures" -eq 0 ] && echo "install checked: $prefix"
exit "$failures"
