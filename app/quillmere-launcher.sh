#!/bin/sh
# Starts Quillmere from its program folder, where its data files lie.
exec "$(dirname "$(readlink -f "$0")")/../lib/quillmere/quillmere" "$@"
