#!/usr/bin/env bash
# The README's pictures and links, against the tree: every picture it shows is a PNG under docs/
# that scripts/screenshots.sh (or, for the Windows build, scripts/windows/test.sh --docs) writes, every screenshot the metainfo lists is one of them, docs/
# holds no picture that nothing shows, and every link into the tree leads to a file.
#   docs-check.sh [SOURCE_DIR]
set -euo pipefail
here=${1:-"$(cd "$(dirname "$0")/../.." && pwd)"}
cd "$here"
fail() { echo "FAIL: $*" >&2; failed=1; }
failed=0

readme_pictures=$( { grep -o '!\[[^]]*\]([^)]*)' README.md | sed 's/.*](\([^)]*\))/\1/'
                     grep -o '<img [^>]*src="[^"]*"' README.md | sed 's/.*src="\([^"]*\)"/\1/'; } |
                   sort -u)
[ "$(printf '%s\n' "$readme_pictures" | grep -c .)" -ge 3 ] ||
    fail "the README shows fewer than three pictures"
for picture in $readme_pictures; do
    case $picture in
        docs/*.png) ;;
        *) fail "the README shows $picture, which is not a PNG under docs/"; continue ;;
    esac
    [ -f "$picture" ] || { fail "the README shows $picture, which is missing"; continue; }
    [ "$(head -c 8 "$picture" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
        fail "$picture is not a PNG file"
    grep -q "\$docs/$(basename "$picture")" scripts/screenshots.sh scripts/windows/test.sh ||
        fail "neither scripts/screenshots.sh nor scripts/windows/test.sh writes $picture"
done

for picture in docs/*.png; do
    [ -e "$picture" ] || continue
    printf '%s\n' "$readme_pictures" | grep -qx "$picture" ||
        fail "$picture is shown nowhere in the README"
done

for metainfo in data/metainfo/*.metainfo.xml.in; do
    for url in $(sed -n 's:.*<image>\(.*\)</image>.*:\1:p' "$metainfo"); do
        picture=docs/${url##*/docs/}
        printf '%s\n' "$readme_pictures" | grep -qx "$picture" ||
            fail "$metainfo lists $url, but the README does not show $picture"
    done
done

# Links into the tree: [text](path) that is neither a web address nor an anchor.
for link in $(grep -o '\]([^)]*)' README.md | sed 's/^](\(.*\))$/\1/' | grep -v -e '^[a-z]*:' -e '^#' |
              sed 's/#.*//' | sort -u); do
    [ -e "$link" ] || fail "the README links to $link, which is missing"
done

[ $failed -eq 0 ] || exit 1
echo "PASS: the README's $(printf '%s\n' "$readme_pictures" | grep -c .) pictures and its links are in the tree"
