#!/bin/sh
# The release zip as a user gets it: its checksum checked, unzipped into a read-only folder whose path
# has spaces and Chinese characters, and orvell.exe started from there under Wine and driven from
# outside by a short soak (lookups that read the data files beside the exe, settings, a clean exit),
# from another working folder; orvell-cli.exe too when there is one. Nothing may be written beside them.
#   run_from_package.sh <package.zip> <source root> <wine-run.sh> <orvell_soak.exe>
set -eu
zip=$1 source=$2 wine_run=$3 soak=$4
# Wine names files in the locale's character set: the folder's name needs UTF-8.
if [ "$(locale charmap 2>/dev/null)" != "UTF-8" ]; then export LC_ALL=C.UTF-8; fi

(cd "$(dirname "$zip")" && sha256sum --check --quiet "$(basename "$zip").sha256")

work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
folder="$work/Orvell 测试 副本"
# Python's unzip, like Explorer's, reads names as UTF-8 only where the zip's flag says so.
python3 -m zipfile -e "$zip" "$folder"
top="$folder/$(basename "$zip" -win64.zip)"
[ "$(ls "$folder")" = "$(basename "$top")" ] || { echo "the zip's top folder is not $(basename "$top")" >&2; exit 1; }
(cd "$source/data" && find . -type f) | while read -r file; do cmp "$source/data/$file" "$top/$file"; done
cmp "$source/README.md" "$top/README.md"
cmp "$source/LICENSE" "$top/LICENSE"

state() { (cd "$folder" && find . -printf '%p %y %s %T@\n' | LC_ALL=C sort && find . -type f -exec sha256sum {} + | LC_ALL=C sort); }
before=$(state)
chmod -R a-w "$folder"
exe=$(printf 'Z:%s/orvell.exe' "$top" | tr / '\\')  # the prefix's drive Z: is the root
cd "$work"
# One action: the start on fresh settings, a lookup whose answer comes from the data files and the
# clean exit are this test's checks; the soak's counts of objects and memory need a long run.
"$wine_run" "$soak" --program "$exe" --actions 1 --seed 5
# orvell-cli.exe, when the package holds it, finds the same data beside itself.
if [ -f "$top/orvell-cli.exe" ]; then
    answer=$("$wine_run" "$top/orvell-cli.exe" --lang en --type c A)
    case $answer in *065*) ;; *) echo "orvell-cli.exe from the package answered: $answer" >&2; exit 1 ;; esac
fi
[ "$(state)" = "$before" ] || { echo "the run changed the package's folder:" >&2; state >&2; exit 1; }
