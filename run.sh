#!/bin/sh
# Builds Quorvex and starts it with the given arguments, e.g.
#   ./run.sh -s SOURCE -d TARGET -start -nowin
set -e
here=$(cd "$(dirname "$0")" && pwd)
"$here/scripts/ensure-packages.sh"
"$here/scripts/build.sh" "$here/build" >&2
exec "$here/build/quorvex" "$@"
