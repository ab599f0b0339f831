#!/usr/bin/env bash
# The number code and the settings code are pure: they compute and read and
# write files, and know nothing of windows. None of their files may include
# a window's logic (shell/fm_*, options/), a control model (controls/), the
# view (ui/) or a Qt header.
#   check_pure_parts.sh SOURCE_FOLDER
set -euo pipefail
cd "$1/src"
pure=(engine/quantity.h engine/unit_table.h engine/calc_state.h engine/field_display.h
    engine/field_display.cpp input/number_text.h input/number_text.cpp
    shell/settings_text.h shell/settings_text.cpp shell/settings_file.h shell/settings_file.cpp
    shell/text_encoding.h shell/text_encoding.cpp shell/atomic_file.h shell/atomic_file.cpp)
if grep -nE '^#include ["<](shell/fm_|options/|controls/|ui/|Q)' "${pure[@]}"; then
    echo "these pure files include window headers"
    exit 1
fi
echo "${#pure[@]} pure files include no window header"
