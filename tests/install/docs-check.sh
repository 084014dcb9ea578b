#!/usr/bin/env bash
# The guides' pictures and links, against the tree. The guides are README*.md, every Markdown file
# under docs/ and tools/*/README.md. Every picture they show is a PNG under docs/ that
# scripts/screenshots.sh (or, for the Windows build, scripts/windows/test.sh --docs) writes; docs/
# holds no picture that nothing shows; the README shows every screenshot the metainfo lists; every
# link into the tree leads to a file, and a link to #a-heading (in the same guide or in another
# Markdown file) to a heading that is there, named as GitHub names its headings.
#   docs-check.sh [SOURCE_DIR]
set -euo pipefail
here=${1:-"$(cd "$(dirname "$0")/../.." && pwd)"}
cd "$here"
fail() { echo "FAIL: $*" >&2; failed=1; }
failed=0

guides=$(ls README*.md; find docs -name '*.md' | sort; ls tools/*/README.md 2> /dev/null || true)

# A guide's text without its code: fenced blocks, indented blocks and `code spans` go.
prose() {
    awk '/^```/ { fenced = !fenced; next }
         fenced || /^    / { next }
         { gsub(/`[^`]*`/, ""); print }' "$1"
}

# The anchors of a Markdown file's headings, one a line, as GitHub makes them: lower case, with
# punctuation (ASCII and the Japanese marks used here) taken out, spaces made hyphens, and a second
# heading of the same name given -1, a third -2.
anchors() {
    LC_ALL=C awk '
        /^```/ { fenced = !fenced; next }
        fenced || !/^#+ / { next }
        {
            text = $0
            sub(/^#+ +/, "", text); sub(/ +#* *$/, "", text)
            text = tolower(text)
            gsub(/[][!"#$%&'"'"'()*+,.\/:;<=>?@\\^`{|}~]/, "", text)
            n = split("「 」 『 』 （ ） 、 。 ・ ： ？ ！ 〜 ～ — – … 　", marks, " ")
            for (i = 1; i <= n; i++) gsub(marks[i], "", text)
            gsub(/ /, "-", text)
            anchor = seen[text]++ ? text "-" (seen[text] - 1) : text
            print anchor
        }' "$1"
}

# path relative to the guide $1's folder, made relative to the top of the tree
resolve() { realpath -m --relative-to=. "$(dirname "$1")/$2"; }

pictures=""
readme_pictures=""
for guide in $guides; do
    shown=$( { prose "$guide" | grep -o '!\[[^]]*\]([^)]*)' | sed 's/.*](\([^)]*\))/\1/' || true
               prose "$guide" | grep -o '<img [^>]*src="[^"]*"' | sed 's/.*src="\([^"]*\)"/\1/' || true
             } | sort -u)
    for src in $shown; do
        picture=$(resolve "$guide" "$src")
        pictures+="$picture"$'\n'
        if [ "$guide" = README.md ]; then readme_pictures+="$picture"$'\n'; fi
        case $picture in
            docs/*.png) ;;
            *) fail "$guide shows $src, which is not a PNG under docs/"; continue ;;
        esac
        [ -f "$picture" ] || { fail "$guide shows $src, which is missing"; continue; }
        [ "$(head -c 8 "$picture" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
            fail "$picture is not a PNG file"
        grep -q "\$docs/$(basename "$picture")" scripts/screenshots.sh scripts/windows/test.sh ||
            fail "neither scripts/screenshots.sh nor scripts/windows/test.sh writes $picture"
    done
done
[ "$(printf '%s' "$readme_pictures" | sort -u | grep -c .)" -ge 3 ] ||
    fail "the README shows fewer than three pictures"

for picture in docs/*.png; do
    [ -e "$picture" ] || continue
    printf '%s' "$pictures" | grep -qxF "$picture" || fail "$picture is shown in no guide"
done

for metainfo in data/metainfo/*.metainfo.xml.in; do
    for url in $(sed -n 's:.*<image>\(.*\)</image>.*:\1:p' "$metainfo"); do
        picture=docs/${url##*/docs/}
        printf '%s' "$readme_pictures" | grep -qxF "$picture" ||
            fail "$metainfo lists $url, but the README does not show $picture"
    done
done

# Links: [text](target) that is no web address; a target may end in #anchor.
links=0
for guide in $guides; do
    for link in $(prose "$guide" | grep -o '\]([^)]*)' | sed 's/^](\(.*\))$/\1/' |
                  { grep -v '^[a-z]*:' || true; } | sort -u); do
        links=$((links + 1))
        target=${link%%#*}
        if [ -z "$target" ]; then
            target=$guide
        else
            target=$(resolve "$guide" "$target")
            [ -e "$target" ] || { fail "$guide links to $link: $target is missing"; continue; }
        fi
        case $link in
            *#*) ;;
            *) continue ;;
        esac
        # A %XX in the anchor is the byte it stands for.
        anchor=$(printf '%b' "$(printf '%s' "${link#*#}" | sed 's/%\([0-9A-Fa-f][0-9A-Fa-f]\)/\\x\1/g')")
        case $target in
            *.md) anchors "$target" | grep -qxF "$anchor" ||
                      fail "$guide links to $link: $target has no heading #$anchor" ;;
            *) fail "$guide links to $link: an anchor into $target, which is no Markdown file" ;;
        esac
    done
done

[ $failed -eq 0 ] || exit 1
echo "PASS: $(printf '%s\n' "$guides" | grep -c .) guides, their $(printf '%s' "$pictures" | sort -u | grep -c .)" \
     "pictures and $links links are in the tree"
