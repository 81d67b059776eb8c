#!/usr/bin/env bash
# install-test.sh PART BUILD_DIR APP_ID BINDIR
#   files    install into a temporary DESTDIR; the file list, the desktop entry
#            and AppStream validators, the manual pages and the icons; the
#            saved game's MIME type as the desktop reads it, and the
#            thumbnailer run as a file manager runs it
#   run      the installed game, its program folder read-only and HOME a fresh
#            folder: it starts, shows its window, ends on Exit without a
#            message box, and keeps its settings in ~/.config/tessaro3d/;
#            as root also from BINDIR (the bin folder the build was
#            configured for), where it must not write beside itself either
#   package  the Debian package: its contents and dependencies
set -euo pipefail

part=$1
build=$(cd "$2" && pwd)
id=$3
bindir=$4
mime_type=application/x-tessaro3d-cube
work=$(mktemp -d /tmp/tessaro-install.XXXXXX)
game_pid=""
finish() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

stage="$work/stage"
install_to_stage() {
  DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
}

check_files() {
  install_to_stage
  local expected="usr/bin/cube-snapshot
usr/bin/tessaro3d
usr/share/applications/$id.desktop
usr/share/doc/tessaro3d/changelog.gz
usr/share/doc/tessaro3d/copyright
usr/share/doc/tessaro3d/readme-en.htm
usr/share/doc/tessaro3d/readme.htm
usr/share/locale/en/LC_MESSAGES/tessaro3d.mo"
  for size in 128 16 256 32 48 64; do
    expected+=$'\n'"usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
    expected+=$'\n'"usr/share/icons/hicolor/${size}x${size}/mimetypes/application-x-tessaro3d-cube.png"
  done
  expected+="
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/icons/hicolor/scalable/mimetypes/application-x-tessaro3d-cube.svg
usr/share/man/man1/cube-snapshot.1.gz
usr/share/man/man6/tessaro3d.6.gz
usr/share/metainfo/$id.metainfo.xml
usr/share/mime/packages/$id.xml
usr/share/thumbnailers/tessaro3d.thumbnailer"
  local actual
  actual=$(cd "$stage" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
  [ "$actual" = "$(LC_ALL=C sort <<<"$expected")" ] || fail "installed files:
$actual"

  local out
  out=$(desktop-file-validate "$stage/usr/share/applications/$id.desktop" 2>&1) ||
    fail "desktop-file-validate: $out"
  [ -z "$out" ] || fail "desktop-file-validate: $out"
  for line in "Exec=tessaro3d %f" "TryExec=tessaro3d" "MimeType=$mime_type;"; do
    grep -qxF "$line" "$stage/usr/share/applications/$id.desktop" || fail "no line $line"
  done
  grep -qx "Icon=$id" "$stage/usr/share/applications/$id.desktop" || fail "Icon line"

  out=$(appstreamcli validate --no-net --no-color "$stage/usr/share/metainfo/$id.metainfo.xml" 2>&1) ||
    fail "appstreamcli validate: $out"
  ! grep -Eq '^(E|W):' <<<"$out" || fail "appstreamcli validate: $out"

  for page in man1/cube-snapshot.1.gz man6/tessaro3d.6.gz; do
    out=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$stage/usr/share/man/$page" 2>&1 >/dev/null) ||
      fail "man $page: $out"
    [ -z "$out" ] || fail "man $page: $out"
  done
  # Every option the tool knows is in its manual page.
  local usage options
  usage=$("$stage/usr/bin/cube-snapshot" --help)
  options=$(grep -o -- '--[a-z]*' <<<"$usage" | sort -u)
  [ "$(wc -l <<<"$options")" -ge 10 ] || fail "usage lists too few options: $usage"
  local page_text
  page_text=$(zcat "$stage/usr/share/man/man1/cube-snapshot.1.gz")
  for option in $options --help; do
    grep -qF -- "\\-\\-${option#--}" <<<"$page_text" || fail "cube-snapshot.1 lacks $option"
  done

  for size in 16 32 48 64 128 256; do
    out=$(identify -format '%m %wx%h' "$stage/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
    [ "$out" = "PNG ${size}x${size}" ] || fail "icon $size: $out"
  done
  check_mime_and_thumbnails
  # The help page is where the installed game looks for it, beside its bin.
  [ -f "$stage/usr/bin/../share/doc/tessaro3d/readme.htm" ] || fail "no help page"
  # So is the English catalogue, and it reads as one.
  msgunfmt "$stage/usr/bin/../share/locale/en/LC_MESSAGES/tessaro3d.mo" | grep -xF 'msgstr "Ready!"' >/dev/null ||
    fail "no English catalogue beside the installed game"
  # and where its manual page says it is, under the prefix of this install.
  zcat "$stage/usr/share/man/man6/tessaro3d.6.gz" | grep -qxF ".IR /usr/share/doc/tessaro3d ." ||
    fail "tessaro3d.6 names another help folder"
  echo "passed"
}

# The MIME type as the desktop reads it: update-mime-database on a copy (no
# schema of it is on a Debian system), then GIO's type of a saved game with
# and without its name and xdg-mime's; then the thumbnailer's Exec line run as a file
# manager runs it, %s %i %o filled in: a PNG of the size asked.
check_mime_and_thumbnails() {
  local share="$work/mime-share" out file
  mkdir -p "$share/mime/packages"
  cp "$stage/usr/share/mime/packages/$id.xml" "$share/mime/packages/"
  out=$(XDG_DATA_DIRS="$share" update-mime-database "$share/mime" 2>&1) && [ -z "$out" ] || fail "update-mime-database: $out"
  "$stage/usr/bin/cube-snapshot" --size 4 --scramble 5 --save "$work/four.cube" "$work/four.png"
  cp "$work/four.cube" "$work/four-unnamed"
  for file in four.cube four-unnamed; do
    out=$(XDG_DATA_HOME="$work/none" XDG_DATA_DIRS="$share:/usr/share" gio info -a standard::content-type "$work/$file")
    grep -q "content-type: $mime_type\$" <<<"$out" || fail "$file: $out"
  done
  # As desktop scripts ask for it (GNOME's way: through GIO).
  out=$(XDG_CURRENT_DESKTOP=GNOME XDG_DATA_HOME="$work/none" XDG_DATA_DIRS="$share:/usr/share" \
    xdg-mime query filetype "$work/four.cube")
  [ "$out" = "$mime_type" ] || fail "xdg-mime query filetype: $out"
  local entry="$stage/usr/share/thumbnailers/tessaro3d.thumbnailer" command
  grep -qx "MimeType=$mime_type;" "$entry" || fail "$(cat "$entry")"
  command=$(sed -n "s|^Exec=||; T; s|%s|96|; s|%i|$work/four.cube|; s|%o|$work/thumb.png|; p" "$entry")
  out=$(PATH="$stage/usr/bin:$PATH" eval "$command" 2>&1) || fail "thumbnailer '$command': $out"
  [ "$(identify -format '%m %wx%h' "$work/thumb.png")" = "PNG 96x96" ] || fail "thumbnail: $(identify "$work/thumb.png")"
}

# The first window of that exact title, or nothing.
find_window() {  # title
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true
}

# Starts the game (the command given), waits for its window of that title
# and ends it from the Game menu; fails unless it ends well, without a
# message box.
run_game() {  # title command...
  local game_title=$1
  shift
  ("$@" >"$work/game.log" 2>&1) &
  game_pid=$!

  local window="" i
  for i in $(seq 300); do  # polled, up to a minute
    window=$(find_window "$game_title")
    [ -n "$window" ] && break
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended at start: $(cat "$work/game.log")"
    sleep 0.2
  done
  [ -n "$window" ] || fail "no game window"

  # Game > Exit from the keyboard (the last item, one step up from the first:
  # the menu wraps round), as in the other runs of the game; tried again
  # should the keys come before the menu bar takes them.
  local ended=0 attempt
  for attempt in $(seq 10); do
    xdotool windowfocus "$window" 2>/dev/null || true
    xdotool key --window "$window" Escape F10 2>/dev/null || true
    sleep 0.3
    xdotool key Up Return 2>/dev/null || true
    for i in $(seq 25); do
      kill -0 "$game_pid" 2>/dev/null || { ended=1; break; }
      sleep 0.2
    done
    [ "$ended" = 1 ] && break
    # A message box of the game bears its name alone; it would hold the exit.
    [ -z "$(find_window "Tessaro 3D")" ] || fail "a message box was shown: $(cat "$work/game.log")"
  done
  [ "$ended" = 1 ] || fail "the game did not end"
  local status=0
  wait "$game_pid" || status=$?
  game_pid=""
  [ "$status" = 0 ] || fail "the game ended with status $status: $(cat "$work/game.log")"
}

# The settings the game wrote at exit into the configuration folder of home,
# and nothing beside the installed programs.
check_settings() {  # home bin
  local ini="$1/.config/tessaro3d/tessaro3d.ini"
  [ -f "$ini" ] || fail "no settings in $ini; game output: $(cat "$work/game.log")"
  [ "$(ls -A "$2" | tr '\n' ' ')" = "cube-snapshot tessaro3d " ] ||
    fail "the game wrote beside itself: $(ls -A "$2")"
  local keys
  keys=$(grep -c -E '^(SpaceColor|BGColor|DrawQuality|RotateAntiAlias|RotateSpeed|ShuffleRotateCount|ShowShuffle|CubeSize|TimeoutRotate)=' "$ini")
  [ "$(head -n 1 "$ini")" = "[Settings]" ] && [ "$keys" = 9 ] || fail "settings file: $(cat "$ini")"
  grep -qx "SpaceColor=clCream" "$ini" || fail "settings file: $(cat "$ini")"
}

check_run() {
  [ -n "${DISPLAY:-}" ] || fail "needs DISPLAY"
  install_to_stage
  local bin="$stage/usr/bin" home="$work/home"
  mkdir -p "$home"
  chmod a-w "$bin"
  chmod 755 "$work" "$stage"
  # root may write anywhere: the game then runs as nobody, for whom the
  # program folder is as read-only as for any player.
  local as_player=()
  if [ "$(id -u)" -eq 0 ]; then
    chown 65534:65534 "$home"
    as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  fi
  run_game "Tessaro 3D 1.01" sh -c 'cd "$1" && shift && exec "$@"' sh "$home" \
    "${as_player[@]}" env -u XDG_CONFIG_HOME HOME="$home" "$bin/tessaro3d"
  check_settings "$home" "$bin"
  echo "passed as a player"

  # A saved game named on the command line, as a file manager starts the
  # game: relative to the working folder, its name in the title.
  "$bin/cube-snapshot" --size 4 --save "$home/four.cube" "$work/four.png" && chmod a+r "$home/four.cube"
  run_game "Tessaro 3D 1.01 >>> four.cube" sh -c 'cd "$1" && shift && exec "$@"' sh "$home" \
    "${as_player[@]}" env -u XDG_CONFIG_HOME HOME="$home" "$bin/tessaro3d" four.cube
  grep -qx "CubeSize=4" "$home/.config/tessaro3d/tessaro3d.ini" || fail "the game opened was not the 4x4x4"
  echo "passed with a saved game to open"

  # As root, with its program folder writable, the game must know itself
  # installed: it runs from the bin folder it was built for (under /usr, the
  # system's own programs' folders aside), bound there in a mount namespace
  # of its own so that the system stays as it was.
  [ "$(id -u)" -eq 0 ] || return 0
  local target=$bindir
  case $target in /bin | /sbin | /usr/bin | /usr/sbin) target=/usr/local/bin ;; esac
  [ -d "$target" ] || target=/usr/local/bin
  if [ ! -d "$target" ] || ! unshare --mount --propagation private true 2>/dev/null; then
    echo "not run as root: no mount namespace here"
    return 0
  fi
  local root_home="$work/root-home"
  mkdir -p "$root_home"
  chmod u+w "$bin"
  run_game "Tessaro 3D 1.01" env -u XDG_CONFIG_HOME HOME="$root_home" unshare --mount --propagation private \
    sh -c 'mount --bind "$1" "$2" && cd "$3" && exec "$2/tessaro3d"' sh "$bin" "$target" "$root_home"
  check_settings "$root_home" "$bin"
  echo "passed as root"
}

check_package() {
  cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$work/cpack.log")"
  local deb
  deb=$(ls "$work"/package/tessaro3d_*.deb 2>/dev/null | head -n 1)
  [ -n "$deb" ] || fail "no package: $(cat "$work/cpack.log")"
  local contents
  contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
  for path in ./usr/bin/tessaro3d ./usr/bin/cube-snapshot ./usr/share/applications/$id.desktop \
              ./usr/share/metainfo/$id.metainfo.xml ./usr/share/icons/hicolor/256x256/apps/$id.png \
              ./usr/share/man/man6/tessaro3d.6.gz ./usr/share/doc/tessaro3d/readme.htm \
              ./usr/share/doc/tessaro3d/copyright ./usr/share/doc/tessaro3d/readme-en.htm \
              ./usr/share/locale/en/LC_MESSAGES/tessaro3d.mo; do
    grep -qxF "$path" <<<"$contents" || fail "$path missing from the package:
$contents"
  done
  ! grep -q '^\./usr/local' <<<"$contents" || fail "package installs into /usr/local"
  # The MIME, desktop and icon caches are the triggers' of shared-mime-info,
  # desktop-file-utils and hicolor-icon-theme: no script of the package's.
  ! dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -E 'inst$|rm$' || fail "maintainer scripts in the package"
  dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/man/man6/tessaro3d.6.gz | zcat |
    grep -qxF ".IR /usr/share/doc/tessaro3d ." || fail "the package's tessaro3d.6 names another help folder"
  [ "$(dpkg-deb -f "$deb" Package)" = tessaro3d ] || fail "package name"
  local depends
  depends=$(dpkg-deb -f "$deb" Depends)
  grep -q 'libwx_gtk3u_gl-3.2\|libwxgtk-gl3.2' <<<"$depends" || fail "Depends lacks wxWidgets: $depends"
  grep -q 'libosmesa6' <<<"$depends" || fail "Depends lacks OSMesa: $depends"
  echo "$(basename "$deb"): $(stat -c %s "$deb") bytes; Depends: $depends"
  echo "passed"
}

case $part in
  files) check_files ;;
  run) check_run ;;
  package) check_package ;;
  *) fail "unknown part $part" ;;
esac
