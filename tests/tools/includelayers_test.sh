#!/usr/bin/env bash
# Fails when a project #include "..." points the wrong way between areas:
# up the layers or sideways. The table below is the one place the allowed
# directions are written down.
# Usage: includelayers_test.sh SOURCE_DIR
set -euo pipefail
cd "${1:-$(dirname "$0")/../..}"

# What each area may include besides itself, lowest layers first. An area
# is a folder; app is the conversion core (app/*, Qt Widgets free) and
# platform the control host (platform/*), apart from their subfolders. The
# writer's rooms are areas of their own below pdf, the document; its
# private header (pdf/private) is the base they share. Outside pdf only
# pdf/tervolanpdf.h may be included: the writer's own tests take the rest.
declare -A allowed=(
  [platform/text]=""
  [platform/gdi]=""
  [platform/file]=""
  [platform]="platform/gdi platform/text platform/file"
  [pdf/format]="pdf/private platform/text platform/file"
  [pdf/fonts]="pdf/format pdf/private"
  [pdf/text]="pdf/fonts pdf/format pdf/private platform/text"
  [pdf/metadata]="pdf/format pdf/private platform/text"
  [pdf]="pdf/text pdf/fonts pdf/metadata pdf/format pdf/private platform/text platform/file"
  [settings]="platform/text platform/file"
  [dialogs]="platform platform/gdi platform/text"
  [controls/button]="platform platform/gdi platform/text platform/file"
  [controls/xpcombo]="platform platform/gdi platform/text platform/file"
  [controls/xpcontainer]="platform platform/gdi platform/text platform/file"
  [controls/xpprogressbar]="platform platform/gdi platform/text platform/file"
  [app]="pdf settings platform/text platform/file"
  [app/window]="app pdf settings dialogs controls/button controls/xpcombo controls/xpcontainer
                controls/xpprogressbar platform platform/gdi platform/text platform/file"
  [cli]="app pdf settings platform/text platform/file"
  [tools]="app/window app pdf settings dialogs controls/button controls/xpcombo controls/xpcontainer
           controls/xpprogressbar platform platform/gdi platform/text platform/file"
  [bench]="app/window app pdf settings dialogs controls/xpprogressbar platform platform/gdi platform/text platform/file"
  [tests/support]="dialogs platform platform/gdi platform/text"
)
# Suites that drive whole programs may use any area.
whole_program_suites="tests/fuzz tests/reliability tests/install"
source_areas="platform/text platform/gdi platform/file platform
              pdf/format pdf/fonts pdf/text pdf/metadata pdf settings dialogs
              controls/button controls/xpcombo controls/xpcontainer controls/xpprogressbar
              app/window app cli tools bench"

# Sets area to the area a path lies in: the longest area folder that
# holds it. (No subshells: this runs for every include of the tree.)
area_of() {
  local path=$1 prefix=""
  area="?"
  [[ $path == pdf/tervolanpdf-private.h ]] && { area=pdf/private; return; }
  for candidate in tests/support $whole_program_suites; do
    [[ $path == "$candidate"/* ]] && { area=$candidate; return; }
  done
  if [[ $path == tests/* ]]; then
    path=${path#tests/}
    prefix=tests/
  fi
  for candidate in $source_areas; do
    [[ $path == "$candidate"/* ]] && { area=$prefix$candidate; return; }
  done
}

# Sets may to what an area may include besides itself. A suite tests/X may
# include what X may, X itself, its own folder and the shared test support.
allowed_for() {
  local area=$1
  if [[ " $whole_program_suites " == *" $area "* ]]; then
    may="$source_areas tests/support"
  elif [[ $area == tests/support ]]; then
    may=${allowed[$area]}
  elif [[ $area == tests/* ]]; then
    may="${allowed[${area#tests/}]:-} ${area#tests/} tests/support"
  else
    may=${allowed[$area]:-}
  fi
  may=" $(echo $may) "
}

faults=0
checked=0
while IFS= read -r hit; do
  file=${hit%%:*}
  rest=${hit#*:}
  line=${rest%%:*}
  included=${rest#*\"}
  included=${included%%\"*}
  # A bare name is the includer's own folder.
  [[ $included == */* ]] || included="$(dirname "$file")/$included"
  area_of "$file"
  from=$area
  area_of "$included"
  to=$area
  checked=$((checked + 1))
  [[ $from == "$to" ]] && continue
  allowed_for "$from"
  if [[ $may != *" $to "* ]]; then
    echo "$file:$line: includes \"$included\": $from may not include $to"
    faults=$((faults + 1))
  elif [[ $to == pdf* && $from != pdf* && $from != tests/pdf* && $included != pdf/tervolanpdf.h
          && " $whole_program_suites " != *" $from "* ]]; then
    echo "$file:$line: includes \"$included\": outside the writer only pdf/tervolanpdf.h"
    faults=$((faults + 1))
  fi
done < <(grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' \
           platform pdf settings dialogs controls app cli tools bench tests)

echo "includelayers: $checked includes checked, $faults pointing the wrong way"
# Nothing found means the wrong folder, not a clean tree.
[ "$checked" -gt 0 ] && [ "$faults" -eq 0 ]
