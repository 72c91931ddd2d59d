#!/usr/bin/env bash
# Holds every #include of src/, app/ and tools/ to the layer order of src/layers.txt: a folder of
# src/ includes only itself and the folders below it; app/ and tools/ include any folder of src/
# and themselves, never each other; src/ never includes app/ or tools/. Every include against the
# order is named with its file and line. A folder of src/ missing from the list, or a listed one
# that does not exist, fails too, so the list cannot drift from the tree.
# Usage: check_folder_layers.sh ROOT [LAYERS_FILE]   (LAYERS_FILE: ROOT/src/layers.txt)
set -euo pipefail
shopt -s nullglob
root=${1%/}
layers_file=${2:-$root/src/layers.txt}

declare -A rank=()
order=()
while read -r name _; do
    [[ -z $name || $name == \#* ]] && continue
    rank[$name]=${#order[@]}
    order+=("$name")
done <"$layers_file"
ordered=$(printf ' < %s' "${order[@]}")
ordered=${ordered# < }

faults=0
fault() {
    echo "$1"
    faults=$((faults + 1))
}

for folder in "$root"/src/*/; do
    folder=$(basename "$folder")
    [[ -v rank[$folder] ]] || fault "src/$folder: a folder missing from $layers_file"
done
for layer in "${order[@]}"; do
    [[ -d $root/src/$layer ]] || fault "src/$layer: listed in $layers_file but no such folder"
done
for file in "$root"/src/*.h "$root"/src/*.hpp "$root"/src/*.cpp "$root"/src/*.cc; do
    fault "${file#"$root"/}: a source outside the folders of src/"
done

# The folder a path inside ROOT belongs to: a layer, app or tools; nothing outside them.
folder_of() {
    local path=$1
    case $path in
    src/*/*) path=${path#src/} && echo "${path%%/*}" ;;
    src/*) echo "src" ;;
    app/*) echo "app" ;;
    tools/*) echo "tools" ;;
    esac
}

# A path with its "." and ".." parts worked out, without touching the disk; nothing when it
# climbs out of ROOT.
normalised() {
    local -a parts kept=()
    local part
    IFS=/ read -ra parts <<<"$1"
    for part in "${parts[@]}"; do
        case $part in
        '' | .) ;;
        ..)
            ((${#kept[@]} > 0)) || return 0
            unset 'kept[-1]'
            ;;
        *) kept+=("$part") ;;
        esac
    done
    local IFS=/
    echo "${kept[*]}"
}

# The folder an include names. A quoted include is first looked for beside the including file,
# as the compiler does; otherwise its first part names the folder (src/ and app/ are on the
# include path). System and Qt headers name no folder here.
included_folder() {
    local from_dir=$1 quote=$2 path=$3
    if [[ $quote == '"' && ($path == ./* || $path == ../* || -e $root/$from_dir/$path) ]]; then
        folder_of "$(normalised "$from_dir/$path")"
        return
    fi
    [[ $path == */* ]] || return 0
    local first=${path%%/*}
    [[ $first == src ]] && first=$(folder_of "$path")
    if [[ -v rank[$first] || $first == app || $first == tools ]]; then
        echo "$first"
    fi
}

layerless() {
    if [[ $1 == src ]]; then
        echo "a file directly in src/ is in no layer"
    else
        echo "src/$1 is in no layer of $layers_file"
    fi
}

checked=0
while IFS=$'\t' read -r file line quote path; do
    file=${file#"$root"/}
    from=$(folder_of "$file")
    target=$(included_folder "$(dirname "$file")" "$quote" "$path")
    [[ -z $target || $target == "$from" ]] && continue
    checked=$((checked + 1))
    close='"'
    [[ $quote == '<' ]] && close='>'
    where="$file:$line: #include $quote$path$close"
    case $from in
    src) ;; # the file itself is reported above
    app | tools)
        if [[ $target == app || $target == tools ]]; then
            fault "$where: app/ and tools/ never include each other"
        elif [[ $target == src || ! -v rank[$target] ]]; then
            fault "$where: $(layerless "$target")"
        fi
        ;;
    *)
        if [[ $target == app || $target == tools ]]; then
            fault "$where: src/ never includes $target/"
        elif [[ $target == src || ! -v rank[$target] ]]; then
            fault "$where: $(layerless "$target")"
        elif [[ ! -v rank[$from] ]]; then
            : # the folder itself is reported above
        elif ((rank[$target] > rank[$from])); then
            fault "$where: $target lies above $from ($ordered)"
        fi
        ;;
    esac
done < <(find "$root/src" "$root/app" "$root/tools" -type f \
    \( -name '*.h' -o -name '*.hpp' -o -name '*.cpp' -o -name '*.cc' \) -print0 2>/dev/null |
    sort -z | xargs -0 -r awk '
        match($0, /^[ \t]*#[ \t]*include[ \t]*[<"][^<>"]+[>"]/) {
            text = substr($0, RSTART, RLENGTH)
            sub(/^[ \t]*#[ \t]*include[ \t]*/, "", text)
            printf "%s\t%d\t%s\t%s\n", FILENAME, FNR, substr(text, 1, 1), \
                substr(text, 2, length(text) - 2)
        }')

if ((faults > 0)); then
    echo "$faults include(s) or folder(s) against the layers ($ordered, then app and tools)" >&2
    exit 1
fi
echo "layers hold: $ordered, then app and tools ($checked includes between folders checked)"
