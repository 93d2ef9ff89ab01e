#!/usr/bin/env bash
# One contact sheet per language: every page and every secondary window of the program on one
# picture (contact-NN-Language.png). Runs under the private Xvfb that scripts/screenshots
# starts; QX71_BIN and QX71_SCREENSHOTS are set there.
set -euo pipefail
"$QX71_BIN/qx71_contact" "$QX71_BIN" "$QX71_SCREENSHOTS"
