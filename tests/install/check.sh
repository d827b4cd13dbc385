#!/usr/bin/env bash
# What a user gets from an install: the installed layout and the installed
# program finding its files, the desktop entry and AppStream data, the Debian
# package, and the manual. Usage: check.sh <layout|desktop|package|manual>
# <build-dir> <source-dir>
set -euo pipefail
what=$1
build=$(cd "$2" && pwd)
source=$(cd "$3" && pwd)
app_id=de.vellhorn.Numerant
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
need() { command -v "$1" >/dev/null || fail "$1 is missing (scripts/install-deps.sh --with-tests installs it)"; }

install_into() { cmake --install "$build" --prefix "$1" >"$tmp/install.log" || { cat "$tmp/install.log"; fail "cmake --install failed"; }; }

# Every file the program and the desktop need, relative to the prefix.
delivered_files() {
  echo bin/numerant
  echo bin/numerant-check
  (cd "$build/bin" && find land -type f ! -name '.*') | sed 's|^|share/numerant/|'
  echo share/numerant/yippee.wav
  echo share/numerant/Numerant.pdf
  echo share/numerant/Numerant-en.pdf
  if [[ -f "$source/data/history/lotto-6aus49.csv" ]]; then echo share/numerant/lotto-6aus49.csv; fi
  echo share/doc/numerant/copyright
  echo share/applications/$app_id.desktop
  echo share/metainfo/$app_id.metainfo.xml
  echo share/icons/hicolor/scalable/apps/$app_id.svg
  echo share/icons/hicolor/48x48/apps/$app_id.png
  echo share/icons/hicolor/256x256/apps/$app_id.png
}

check_delivered() { # <root>
  local missing=0
  while read -r file; do
    [[ -f "$1/$file" ]] || { echo "missing: $file" >&2; missing=1; }
  done < <(delivered_files)
  [[ $missing -eq 0 ]] || fail "files missing below $1"
}

# Debian's machine-readable format: the format line, and every paragraph that
# names files has a copyright and a licence whose text is given somewhere.
check_copyright() { # <file>
  local file=$1
  head -n1 "$file" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    || fail "$file: not in the machine-readable format"
  awk -v RS= '
    /(^|\n)Files:/ {
      if ($0 !~ /\nCopyright:/) { print "no Copyright in: " $2; bad = 1 }
      if (match($0, /\nLicense: [^\n]*/)) used[substr($0, RSTART + 10, RLENGTH - 10)] = 1
      else { print "no License in: " $2; bad = 1 }
      next
    }
    /^License: / { split($0, lines, "\n"); given[substr(lines[1], 10)] = 1 }
    END {
      for (name in used) if (!(name in given)) { print "no text for licence " name; bad = 1 }
      exit bad
    }' "$file" || fail "$file: incomplete"
  grep -q '^Files: .*lotto-6aus49.csv' "$file" || fail "$file: the draw history is not named"
}

layout() {
  install_into "$tmp/prefix"
  check_delivered "$tmp/prefix"

  # Start the installed program as a user would, offscreen and with its own
  # home; a termination signal closes it like the close button.
  mkdir -p "$tmp/home"
  local log="$tmp/run.log"
  HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config" XDG_DATA_HOME="$tmp/home/.local/share" \
    QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="numerant.paths.info=true" \
    "$tmp/prefix/bin/numerant" >"$log" 2>&1 &
  local pid=$! waited=0
  # The start-up sequence creates the database once it has read its settings
  # and applied the language from land/.
  until [[ -f "$tmp/prefix/bin/ZahlenOB.dat" ]]; do
    kill -0 $pid 2>/dev/null || { cat "$log"; fail "the installed program ended during start-up"; }
    (( waited++ < 600 )) || { kill -KILL $pid; cat "$log"; fail "no start-up within 60 s"; }
    sleep 0.1
  done
  sleep 1
  kill -TERM $pid
  local status=0
  wait $pid || status=$?
  [[ $status -eq 0 ]] || { cat "$log"; fail "the installed program ended with status $status"; }

  grep -qF "delivered files: $tmp/prefix/share/numerant/" "$log" \
    || { cat "$log"; fail "the installed program did not take its files from share/numerant"; }
  [[ -f "$tmp/home/.config/Vellhorn/Orbisa.conf" ]] || fail "no settings saved at the end"
  ! grep -qi "land/\|yippee\|cannot\|error" "$log" || { cat "$log"; fail "the program complained"; }

  # The installed checker finds the database the program made and its
  # language files in share/numerant.
  status=0
  HOME="$tmp/home" XDG_DATA_HOME="$tmp/home/.local/share" \
    "$tmp/prefix/bin/numerant-check" --lang en --row 1,2,3,4,5,6 >"$tmp/check.out" 2>"$tmp/check.err" || status=$?
  [[ $status -le 1 ]] || grep -qxF "The database holds no draws." "$tmp/check.err" \
    || { cat "$tmp/check.err"; fail "numerant-check did not use the program's database (status $status)"; }
}

desktop() {
  need desktop-file-validate
  need appstreamcli
  install_into "$tmp/prefix"
  local entry="$tmp/prefix/share/applications/$app_id.desktop"
  desktop-file-validate "$entry" || fail "desktop entry not valid"
  appstreamcli validate --no-net "$tmp/prefix/share/metainfo/$app_id.metainfo.xml" \
    || fail "AppStream metainfo not valid"
  grep -qx "Icon=$app_id" "$entry" || fail "the entry names another icon"
  grep -qx "Exec=numerant" "$entry" || fail "the entry starts another program"
  grep -q '^GenericName\[de\]=' "$entry" || fail "no German name"
  grep -q '^Comment\[de\]=' "$entry" || fail "no German comment"
}

package() {
  need cpack
  need dpkg-deb
  (cd "$tmp" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/pkg" >"$tmp/cpack.log" 2>&1) \
    || { cat "$tmp/cpack.log"; fail "cpack failed"; }
  local debs=("$tmp"/pkg/*.deb)
  [[ ${#debs[@]} -eq 1 && -f "${debs[0]}" ]] || fail "expected one .deb, found: ${debs[*]}"
  local deb=${debs[0]}

  dpkg-deb -f "$deb" Package | grep -qx numerant || fail "package name"
  local depends
  depends=$(dpkg-deb -f "$deb" Depends)
  for lib in libqt6widgets6 libqt6charts6 libqt6multimedia6 libc6 qt6-qpa-plugins; do
    [[ $depends == *"$lib"* ]] || fail "Depends lacks $lib: $depends"
  done

  local recommends
  recommends=$(dpkg-deb -f "$deb" Recommends)
  [[ $recommends == *qt6-translations-l10n* ]] || fail "Recommends lacks qt6-translations-l10n: $recommends"

  dpkg-deb -x "$deb" "$tmp/root"
  check_delivered "$tmp/root/usr"
  check_copyright "$tmp/root/usr/share/doc/numerant/copyright"
  # Nothing more and nothing less than an install below /usr.
  install_into "$tmp/usr"
  diff <(cd "$tmp/usr" && find . -type f | sort) <(cd "$tmp/root/usr" && find . -type f | sort) \
    || fail "package and install differ"
}

# One manual: its pages, chapter titles, heading sizes and quoted captions.
manual_pdf() {
  local pdf="$1" chapters_dir="$2" name
  name=$(basename "$pdf" .pdf)
  [[ -s "$pdf" ]] || fail "no manual at $pdf"
  local chapters pages shots images
  # Each chapter starts on a new page.
  chapters=$(cat "$chapters_dir"/*.html | grep -c '<h1>' || true)
  pages=$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')
  (( pages > chapters )) || fail "$name: $pages pages for $chapters chapters and the title"

  local text="$tmp/$name.txt"
  pdftotext "$pdf" - | tr -s '[:space:]' ' ' >"$text"
  local title missing=0
  while read -r title; do
    grep -qF "$title" "$text" || { echo "chapter title not in $name: $title" >&2; missing=1; }
  done < <(cat "$chapters_dir"/*.html | sed -n 's/.*<h1[^>]*>\(.*\)<\/h1>.*/\1/p')
  [[ $missing -eq 0 ]] || fail "chapter titles missing"

  # Headings print larger than the body text: the first word of every
  # heading must appear somewhere taller than the most common word height.
  local words="$tmp/$name.words" body word small=0
  pdftotext -bbox "$pdf" - \
    | sed -n 's/.*yMin="\([0-9.]*\)".*yMax="\([0-9.]*\)">\(.*\)<\/word>/\1 \2 \3/p' \
    | awk '{ printf "%.1f %s\n", $2 - $1, $3 }' >"$words"
  body=$(cut -d' ' -f1 "$words" | sort | uniq -c | sort -nr | awk 'NR == 1 { print $2 }')
  while read -r title; do
    word=${title%% *}
    [[ $word =~ ^[[:alpha:]]+$ ]] || continue
    awk -v w="$word" -v b="$body" '$2 == w && $1 > b { found = 1 } END { exit !found }' "$words" \
      || { echo "$name: heading not larger than the body text ($body): $title" >&2; small=1; }
  done < <(cat "$chapters_dir"/*.html | sed -n 's/.*<h[12][^>]*>\(.*\)<\/h[12]>.*/\1/p')
  [[ $small -eq 0 ]] || fail "headings print too small"

  # Captions are quoted as the user reads them, without accelerator marks.
  if grep -oE '„[^“]*&[^“]*“' "$text"; then
    fail "accelerator marks in $name"
  fi

  # The screenshots are in it, not just their places.
  shots=$(cat "$chapters_dir"/*.html | grep -o 'src="shot:[^"]*"' | wc -l)
  images=$(pdfimages -list "$pdf" | tail -n +3 | wc -l)
  (( images >= shots )) || fail "$name: $images pictures in the PDF, the chapters show $shots"
}

manual() {
  need pdfinfo
  need pdftotext
  need pdfimages
  manual_pdf "$build/bin/Numerant.pdf" "$source/data/manual"
  manual_pdf "$build/bin/Numerant-en.pdf" "$source/data/manual/en"

  # A broken chapter stops the build with a message instead of a manual
  # with a hole.
  local generator="$build/tools/manual/manualgen" case
  for case in unknown-shot no-title; do
    mkdir -p "$tmp/$case"
  done
  echo '<h1>Kapitel</h1><p><img src="shot:gibtesnicht"></p>' >"$tmp/unknown-shot/01.html"
  echo '<p>Text ohne Titel</p>' >"$tmp/no-title/01.html"
  for case in unknown-shot no-title; do
    if QT_QPA_PLATFORM=offscreen "$generator" "$tmp/$case" "$build/bin" "$tmp/$case.pdf" \
      2>"$tmp/$case.log"; then
      fail "the manual generator accepted a chapter with $case"
    fi
    grep -q "^manual: " "$tmp/$case.log" || { cat "$tmp/$case.log"; fail "no message for $case"; }
    [[ ! -e "$tmp/$case.pdf" ]] || fail "a PDF was left behind for $case"
  done
}

"$what"
echo "ok: $what"
