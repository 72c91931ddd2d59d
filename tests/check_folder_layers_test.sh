#!/usr/bin/env bash
# The layer check on small trees made here: it passes a tree that keeps to the layers and fails
# each kind of include against them, naming the file and line of the include.
# Usage: check_folder_layers_test.sh CHECK_SCRIPT LAYERS_FILE
set -euo pipefail
check=$1
layers=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0

# A tree with every layer folder, app/ and tools/, each holding a harmless file.
fresh_tree() {
    rm -rf "$work/tree"
    mkdir -p "$work/tree/app" "$work/tree/tools/sorba-script"
    local layer
    while read -r layer _; do
        [[ -z $layer || $layer == \#* ]] && continue
        mkdir -p "$work/tree/src/$layer"
        printf '#pragma once\n#include <string>\n' >"$work/tree/src/$layer/base.h"
    done <"$layers"
    printf '#pragma once\n' >"$work/tree/app/twips.h"
    printf '#pragma once\n' >"$work/tree/tools/sorba-script/script_runner.h"
}

# put FILE LINES...: writes the file below the tree, one argument a line.
put() {
    local file=$work/tree/$1
    shift
    mkdir -p "$(dirname "$file")"
    printf '%s\n' "$@" >"$file"
}

# expect NAME pass | expect NAME fail TEXT...: runs the check on the tree; a failure must print
# each TEXT.
expect() {
    local name=$1 outcome=$2
    shift 2
    local output status=0
    output=$(bash "$check" "$work/tree" "$layers" 2>&1) || status=$?
    if [[ $outcome == pass && $status -ne 0 ]]; then
        echo "FAIL $name: a tree within the layers was refused:"$'\n'"$output"
        failures=$((failures + 1))
        return
    fi
    if [[ $outcome == fail && $status -eq 0 ]]; then
        echo "FAIL $name: passed, though it goes against the layers:"$'\n'"$output"
        failures=$((failures + 1))
        return
    fi
    local text
    for text in "$@"; do
        if [[ $output != *"$text"* ]]; then
            echo "FAIL $name: the report does not say \"$text\":"$'\n'"$output"
            failures=$((failures + 1))
            return
        fi
    done
    echo "ok   $name"
}

fresh_tree
put src/window/calculator.cpp '// Downward, sideways within a folder, beside the file, and a comment.' \
    '#include "window/base.h"' '#include "units/base.h"' '#include "tables/base.h"' \
    '#include "base.h"' '// #include "../../app/twips.h"' '#include <QtCore/QString>'
put src/tables/era_table.h '#pragma once' '#include <string_view>' '#include "tables/base.h"'
put app/main_window.cpp '#include "twips.h"' '#include "window/base.h"' '#include "tables/base.h"'
put tools/sorba-script/main.cpp '#include "script_runner.h"' '#include "model/base.h"'
expect "layers kept" pass

fresh_tree
put src/shell/layout.cpp '// Blank lines, brackets [ and semicolons; do not shift the line.' '' \
    'int a[2];' '' '#include "shell/base.h"' '#include "units/base.h"'
expect "upward by one" fail 'src/shell/layout.cpp:6: #include "units/base.h"' 'units lies above shell'

fresh_tree
put src/tables/unit_catalogue.h '#pragma once' '#  include <text/base.h>'
expect "bottom layer upward, spaced and angled" fail \
    'src/tables/unit_catalogue.h:2: #include <text/base.h>: text lies above tables'

fresh_tree
put src/engine/tax.cpp '#include "state/base.h"' '#include "../window/base.h"'
expect "upward through a relative path" fail 'src/engine/tax.cpp:2:' 'window lies above engine'

fresh_tree
put src/window/startup.cpp '#include "../../app/twips.h"'
put src/model/platform.h '#pragma once' '#include <tools/sorba-script/script_runner.h>'
expect "core includes a host" fail 'src/window/startup.cpp:1:' 'src/model/platform.h:2:' \
    'src/ never includes app/' 'src/ never includes tools/'

fresh_tree
put app/qt_platform.cpp '#include "model/base.h"' '#include "../tools/sorba-script/script_runner.h"'
put tools/sorba-script/script_platform.cpp '#include "../../app/twips.h"'
expect "hosts include each other" fail 'app/qt_platform.cpp:2:' \
    'tools/sorba-script/script_platform.cpp:1:' 'app/ and tools/ never include each other'

fresh_tree
put src/extra/helper.h '#pragma once'
put src/window/keyboard.cpp '#include "../extra/helper.h"'
expect "folder outside the order" fail 'src/extra: a folder missing from' \
    'src/window/keyboard.cpp:1:'

fresh_tree
rm -r "$work/tree/src/era"
expect "listed folder gone" fail 'src/era: listed in'

fresh_tree
put src/stray.cpp '#include "tables/base.h"'
expect "source outside the folders" fail 'src/stray.cpp: a source outside the folders'

if ((failures > 0)); then
    echo "$failures failure(s)"
    exit 1
fi
