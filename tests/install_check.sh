#!/usr/bin/env bash
# Installs the build into a scratch prefix and validates what a desktop needs.
set -euo pipefail
build=$1
id=org.zelto.Zelto
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
icon=$prefix/share/icons/hicolor/scalable/apps/$id.svg
for f in "$prefix/bin/zelto" "$desktop" "$metainfo" "$icon"; do
    [ -e "$f" ] || { echo "missing: ${f#"$prefix"/}" >&2; exit 1; }
done
[ -x "$prefix/bin/zelto" ] || { echo "bin/zelto is not executable" >&2; exit 1; }

desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"

# One id everywhere: the icon name, the launchable and the component id.
grep -qx "Icon=$id" "$desktop" || { echo "desktop entry names another icon" >&2; exit 1; }
grep -qx "Exec=zelto" "$desktop" || { echo "desktop entry starts another program" >&2; exit 1; }
grep -q "<id>$id</id>" "$metainfo" || { echo "metainfo has another id" >&2; exit 1; }
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    { echo "metainfo launches another desktop entry" >&2; exit 1; }
for lang in hu es; do
    grep -q "^Name\[$lang\]=" "$desktop" || { echo "no $lang name" >&2; exit 1; }
    grep -q "^Comment\[$lang\]=" "$desktop" || { echo "no $lang comment" >&2; exit 1; }
done
grep -qx "Categories=Education;Languages;" "$desktop"
grep -q '<content_rating type="oars-1.1"' "$metainfo"
echo "installed and valid: $id"
