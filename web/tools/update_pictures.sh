#!/bin/sh
# Takes the README's pictures of the page anew from the built site: runs the browser test, which
# keeps a screenshot of each view it checks, and copies the three the README shows into doc/, for
# a person to look at before committing them.
# Usage: web/tools/update_pictures.sh [BUILD], by default build-web, as the web preset leaves it.
set -eu
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build-web}
ctest --test-dir "$build" -R '^browser\.(console|walk|practice)$' --output-on-failure
cp "$build/screenshots/laptop-example.png" "$top/doc/web-page.png"
cp "$build/screenshots/laptop-steps.png" "$top/doc/web-steps.png"
cp "$build/screenshots/laptop-practise-encoding-hint.png" "$top/doc/web-practise.png"
git -C "$top" status --short doc
